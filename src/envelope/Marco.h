#pragma once

// Window frame: width of the frame band, solar absorptance and thermal conductance.
class Marco {
public:
    Marco(float ancho, float absortancia, float conductancia)
        : ancho(ancho), absortancia(absortancia), conductancia(conductancia) {}
    float ancho;        // m
    float absortancia;  // solar absorptance of the frame face
    float conductancia; // W/m2K
};
