#pragma once
#include "envelope/Elemento.h"

// One layer of a construction. A resistance-only layer has conductivity, thickness, density and
// specific heat 0 and its resistance set.
struct Capa {
    float espesor = 0.0f;         // m
    float conductividad = 0.0f;   // W/mK
    float densidad = 0.0f;        // kg/m3
    float calorEspecifico = 0.0f; // J/kgK
    float resistencia = 0.0f;     // m2K/W
    float vapor = 0.0f;           // equivalent air-layer thickness, m (capped at 10000)
    float espesorForzado = -1.0f; // from the layers object's THICKNESS list, -1 where not given
};

// Element of layered (one-dimensional) construction: walls, ground elements and windows derive
// from it. The film coefficients are constant over the time steps, so one value each is held.
class Elemento1D : public Elemento {
public:
    std::vector<Capa> capas; // outside first
    float U = 0.0f;          // conductance of the layer stack without films (or the given U)
    float masa = 0.0f;       // kg/m2
    float hcext = 0.0f, hrext = 0.0f, hcint = 0.0f, hrint = 0.0f;
    int funcionConveccion = -1, funcionRadiacion = -1, funcionAbsortancia = -1;
    float masaPorArea() const override { return masa; }
};
