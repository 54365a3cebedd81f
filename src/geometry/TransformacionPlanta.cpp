#include "geometry/TransformacionPlanta.h"

#include <cmath>

namespace {
constexpr double kPi = 3.141592654;
constexpr double kGradosARadianes = 0.017453292;

// A value below -1e8 (or at or beyond 1e8) is not given.
bool dado(float v) {
    return v >= -1e8f && v < 1e8f;
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
    if (dado(azimut))
        r = static_cast<double>(azimut) * kGradosARadianes;
    else
        r = anguloDireccion(d1.x - o1.x, d1.y - o1.y) - anguloDireccion(d2.x - o2.x, d2.y - o2.y);
    rotacion_ = static_cast<float>(r);
    cos_ = std::cos(r);
    sin_ = std::sin(r);
    tx_ = dado(x) ? x : o1.x - o2.x;
    ty_ = dado(y) ? y : o1.y - o2.y;
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
