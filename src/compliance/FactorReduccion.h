#pragma once
#include <vector>

class Edificio;

// Temperature reduction factor of the non-habitable spaces: for a space T, Hue / (Hiu + Hue),
// with Hiu the conductance from T to the habitable spaces and Hue the conductance from T to the
// exterior plus its ventilation. The factors of every space are computed in one pass over the
// building on first use.
class FactorReduccion {
public:
    // he, hi: exterior and interior film coefficients (W/m2K).
    FactorReduccion(const Edificio& edificio, float he, float hi);
    // The factor of the space of that index (1 for an index without a space record).
    float operator()(int espacio);
    // The factor of a space from its conductances to the habitable spaces (hiu, each interface
    // counted from both sides) and to the exterior (hue), its infiltration n (air changes per
    // hour when `renovaciones`, else a flow per floor area), floor area, height and the depth of
    // the floor slab.
    static float calcularFactor(float hiu, float hue, float n, bool renovaciones, float area,
                                float altura, float alturaForjado);

private:
    void calcular();

    const Edificio& edificio_;
    float he_, hi_;
    bool calculado_ = false;
    std::vector<float> factores_;
};
