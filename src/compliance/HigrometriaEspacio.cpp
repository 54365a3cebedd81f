#include "compliance/HigrometriaEspacio.h"

#include <algorithm>
#include <cmath>

#include "base/Valores.h"
#include "building/Zona.h"
#include "climate/CorrienteAire.h"
#include "compliance/Tablas.h"

namespace {

constexpr float kTemperaturaInterior = 20.0f; // degC, interior side of the factor
constexpr float kPsatInterior = 2337.0f;      // Pa, saturation pressure at 20 degC
constexpr float kMargenSaturacion = 1.25f;    // surface humidity kept below 80 %
constexpr float kConstanteVapor = 462.0f;     // J/(kg K), gas constant of water vapour

int claseHigrometria(float c) {
    if (esNoDado(c)) return 5;
    int k = static_cast<int>(std::lround(c));
    return std::min(5, std::max(3, k));
}

} // namespace

HigrometriaEspacio minimoEspacio(const Zona& zona, float area, float altura, float Te, float Ti,
                                 float HRe, const Tablas& tablas) {
    return minimoEspacio(zona.higrometriaHR, zona.higrometriaG, zona.higrometriaN,
                         zona.claseHigrometria, area * altura, Te, Ti, HRe, tablas);
}

HigrometriaEspacio minimoEspacio(float hr, float g, float n, float clase, float volumen, float Te,
                                 float Ti, float HRe, const Tablas& tablas) {
    HigrometriaEspacio r;
    bool porHumedad = false;
    float phi = 0.0f;
    if (hr > 0.0f) {
        phi = hr + 5.0f;
        porHumedad = true;
    } else if (g > 0.0f) {
        // Vapour production G (kg/h) spread over the ventilation n (1/h) of the volume V.
        float renovacion = n * volumen;
        float deltaP =
            renovacion > 0.0f ? g / renovacion * kConstanteVapor * (Ti + Te + 546.3f) / 2.0f : 0.0f;
        float pi = HRe / 100.0f * CorrienteAire::presionSaturacion(Te) + deltaP;
        phi = pi / CorrienteAire::presionSaturacion(Ti) * 100.0f;
        porHumedad = true;
    }
    if (porHumedad) {
        float pi = kPsatInterior * phi / 100.0f;
        float thetaSiMin = CorrienteAire::temperaturaSaturacion(kMargenSaturacion * pi);
        float salto = kTemperaturaInterior - Te;
        r.fRsiMin = salto != 0.0f ? (thetaSiMin - Te) / salto : 0.0f;
        r.humedadInterior = phi;
        return r;
    }
    static constexpr float kHumedadClase[3] = {55.0f, 62.0f, 70.0f};
    int c = claseHigrometria(clase) - 3;
    r.fRsiMin = tablas.fRsiMinimo[c];
    r.humedadInterior = kHumedadClase[c];
    return r;
}
