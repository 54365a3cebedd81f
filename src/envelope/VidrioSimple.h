#pragma once
#include "envelope/Vidrio.h"

// Glazing described in the building file by its shading coefficients and its conductance. Its
// angular solar properties come from two built-in clear-glass models, chosen by the shading
// coefficient: model 1 for absorbing glass (0.86 x shading coefficient below 0.85), model 2
// for clear glass.
class VidrioSimple : public Vidrio {
public:
    // conductancia: glass conductance with films (GLASS-CONDUCTANCE); hce, hre, hci, hri: the
    // window's film coefficients. A conductance above what the films allow is fatal.
    VidrioSimple(float coefSombra, float coefSombraVerano, float conductancia, float hce, float hre,
                 float hci, float hri, float parametroSolar);

    // 1 / (1/(HCEXT + HREXT) + Rg + 1/(HCINT + HRINT of the defaults file)).
    float U() const override;
    float factorSolar() const override { return coefSombra; }
    float factorSolarVerano() const override { return coefSombraVerano; }
    void ponerPeliculas(float hce, float hre, float hci, float hri) override;
    void transmisionHoraria(int hora, float angulo, float Idir, float Idif, float Igr,
                            TransmisionSolar& r) const override;
    float gananciaSolar(int hora, float angulo, float Idir, float Idif, float Igr) const override;

    int modelo = 2;
    float coefSombra = 0.0f, coefSombraVerano = 0.0f;
    float hcext = 0.0f, hrext = 0.0f, hcint = 0.0f, hrint = 0.0f;
    float Rg = 0.0f;         // glass resistance without films, m2K/W
    float hiDefectos = 0.0f; // HCINT + HRINT of the defaults file
};
