#include "envelope/lamas.h"

#include <cmath>

namespace {
const double kGradARad = 3.14159265358979323846 / 180.0;
}

lamas::lamas(float w, float s, float a, float geo, int n, float tau, float rho, bool vert)
    : enUso(true), ancho(w), distancia(s), angulo(a), valorGeometrico(geo), cuenta(n),
      transmisividad(tau), reflectividad(rho), vertical(vert) {
    int porGrupo = n / kGrupos;
    muestrasPorGrupo = porGrupo < 2 ? 2 : porGrupo;
}

float lamas::transmitanciaDirecta(float perfil) const {
    if (!enUso || !(distancia > 0.0f)) return 1.0f;
    double beta = perfil * kGradARad;
    double phi = angulo * kGradARad;
    if (std::fabs(std::cos(beta)) < 1e-9) return 0.0f; // grazing: nothing reaches the gap
    // Height of the shadow that one slat casts on the plane of the next, along the beam.
    double sombra = std::fabs(ancho * (std::sin(phi) + std::cos(phi) * std::tan(beta)));
    double tapado = sombra / distancia;
    if (tapado > 1.0) tapado = 1.0;
    double t = (1.0 - tapado) + tapado * (transmisividad + 0.5 * reflectividad);
    if (t > 1.0) t = 1.0;
    return static_cast<float>(t);
}

float lamas::transmitanciaDifusa() const {
    if (!enUso) return 1.0f;
    const int total = kGrupos * muestrasPorGrupo;
    double suma = 0.0, pesos = 0.0;
    for (int k = 0; k < total; ++k) {
        double beta = -90.0 + 180.0 * (k + 0.5) / total; // midpoints: never exactly grazing
        double w = std::cos(beta * kGradARad);
        suma += w * transmitanciaDirecta(static_cast<float>(beta));
        pesos += w;
    }
    return pesos > 0.0 ? static_cast<float>(suma / pesos) : 1.0f;
}
