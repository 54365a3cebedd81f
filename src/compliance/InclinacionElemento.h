#pragma once

class Elemento;

// Tilt of an element in degrees (0 facing up, 90 vertical, 180 facing down, within 0-360),
// from the unit normal of its placed polygon, as the space classification computes it. An element
// without a polygon falls back to its placement tilt.
float inclinacionElemento(const Elemento& e);

// The tilt classes of the checks.
inline bool miraArriba(float inclinacion) {
    return inclinacion < 60.0f || inclinacion > 300.0f;
}
inline bool miraAbajo(float inclinacion) {
    return inclinacion > 150.0f && inclinacion < 210.0f;
}
