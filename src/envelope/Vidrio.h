#pragma once
#include <array>
#include <vector>

#include "envelope/CurvaAngular.h"

// Solar result of one hour on a glazing: transmitted direct, sky-diffuse and ground-reflected
// irradiance, absorbed irradiance, a further value and the hour's shading factor (W/m2 except
// the factor).
struct TransmisionSolar {
    float directa = 0.0f;
    float difusa = 0.0f;
    float reflejada = 0.0f;
    float absorbida = 0.0f;
    float otra = 0.0f;
    float factorSombra = 1.0f;
};

// Glazing of a window: its centre-of-glass U and its solar properties. The window holds one
// and hands it the four correction factors of its "COEFF" list.
class Vidrio {
public:
    virtual ~Vidrio();

    virtual float transmitanciaNormal() const { return tauNormal; }    // slot 0
    virtual float absortanciaNormal() const { return alfaNormal; }     // slot 1
    virtual float transmitanciaHemisferica() const { return tauHemi; } // slot 2
    virtual float absortanciaHemisferica() const { return alfaHemi; }  // slot 3
    virtual float U() const = 0;                                       // slot 4
    virtual float factorSolar() const = 0;                             // slot 5
    virtual float factorSolarVerano() const = 0;                       // slot 6
    virtual void ponerPeliculas(float, float, float, float) {}         // slot 7
    // Hourly transmission (slot 8): hour of the year, incidence angle (degrees) and the direct,
    // sky-diffuse and ground-reflected irradiance on the glazing.
    virtual void transmisionHoraria(int /*hora*/, float /*angulo*/, float /*Idir*/, float /*Idif*/,
                                    float /*Igr*/, TransmisionSolar& /*r*/) const {}
    // Hourly solar gain (slot 9): transmitted plus the inward-flowing share of the absorbed
    // irradiance, W/m2.
    virtual float gananciaSolar(int /*hora*/, float /*angulo*/, float /*Idir*/, float /*Idif*/,
                                float /*Igr*/) const {
        return 0.0f;
    }
    // Heat balance of the panes (slot 10): exterior and interior air temperatures, irradiance
    // absorbed by each pane (W/m2, outside first); gives the temperatures of the outer face of
    // the first pane and of the inner face of the last.
    virtual void balanceCapas(float /*Te*/, float /*Ti*/, const std::vector<float>& /*absorbida*/,
                              float& /*tCaraExterior*/, float& /*tCaraInterior*/) const {}

    // The window's "COEFF" factors: multiplier of the shading coefficient in heating hours and
    // in other hours, shading factor in heating hours and in other hours.
    std::array<float, 4> coeficientes{{1.0f, 1.0f, 1.0f, 1.0f}};
    float parametroSolar = 0.0f; // handed over by the window

    // Normal-incidence and hemispherical values; the curves are relative to the normal values.
    float tauNormal = 0.0f, alfaNormal = 0.0f;
    float tauHemi = 0.0f, alfaHemi = 0.0f, alfaHemiTrasera = 0.0f;
    CurvaAngular curvaTransmitancia;
    std::vector<CurvaAngular> curvasAbsortancia; // one per pane
};
