#include "geometry/TransformacionPlanta.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "base/ErrorFatal.h"
#include "base/Formato.h"
#include "base/Valores.h"

namespace {
constexpr double kPi = 3.141592654;
constexpr double kGradosARadianes = 0.017453292;
// Beyond this a placement value is no place on Earth: the building's coordinates would lose
// every decimal, and their products (areas, normals) would overflow to infinity.
constexpr float kLimiteColocacion = 1e8f;

// A given placement value (azimuth, X, Y) must be a number below 1e8 in magnitude; a value not
// given (below -1e8) takes the frames' instead.
bool dado(float v, const char* clave) {
    if (esNoDado(v)) return false;
    if (!(std::fabs(v) < kLimiteColocacion)) {
        errorFatal(std::string("Error Grave de Definici\xF3n Geom\xE9trica. El valor de ") + clave +
                   " es = " + formatear("%g", static_cast<double>(v)) +
                   " y debe estar entre -1e8 y 1e8");
    }
    return true;
}
} // namespace

double TransformacionPlanta::anguloDireccion(float dx, float dy) {
    if (dx == 0.0f) return dy > 0.0f ? kPi / 2.0 : 3.0 * kPi / 2.0;
    double a = kPi - std::atan(static_cast<double>(dy) / static_cast<double>(dx));
    if (dx < 0.0f) a += kPi;
    return a;
}

TransformacionPlanta::TransformacionPlanta(PuntoPlano o1, PuntoPlano d1, PuntoPlano o2,
                                           PuntoPlano d2, float azimut, float x, float y) {
    double r;
    if (dado(azimut, "AZIMUTH"))
        r = static_cast<double>(azimut) * kGradosARadianes;
    else
        r = anguloDireccion(d1.x - o1.x, d1.y - o1.y) - anguloDireccion(d2.x - o2.x, d2.y - o2.y);
    rotacion_ = static_cast<float>(r);
    cos_ = std::cos(r);
    sin_ = std::sin(r);
    tx_ = dado(x, "X") ? x : o1.x - o2.x;
    ty_ = dado(y, "Y") ? y : o1.y - o2.y;
}

TransformacionPlanta TransformacionPlanta::simple(float azimut, float x, float y) {
    PuntoPlano origen{0.0f, 0.0f}, este{1.0f, 0.0f};
    return TransformacionPlanta(origen, este, origen, este, azimut, x, y);
}

Point3 TransformacionPlanta::aplicar(const Point3& p) const {
    double x = cos_ * p.x + sin_ * p.y + tx_;
    double y = -sin_ * p.x + cos_ * p.y + ty_;
    return Point3(static_cast<float>(x), static_cast<float>(y), p.z);
}

float CadenaColocacion::giroGrados() const {
    double total = 0.0;
    for (const TransformacionPlanta& t : pasos_) total += t.rotacion();
    return static_cast<float>(total / kGradosARadianes);
}
