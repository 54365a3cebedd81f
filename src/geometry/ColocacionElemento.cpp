#include "geometry/ColocacionElemento.h"

#include <cmath>

namespace {
constexpr double kGradosARadianes = 0.017453292;
constexpr double kRadianesAGrados = 1.0 / 0.017453292;
} // namespace

ColocacionElemento ColocacionElemento::recta(const Point3& inicio, float ex, float ey,
                                             float cosInclinacion, float senoInclinacion) {
    ColocacionElemento c;
    c.inicio_ = inicio;
    c.ex_ = ex;
    c.ey_ = ey;
    c.cos_ = cosInclinacion;
    c.seno_ = senoInclinacion;
    return c;
}

ColocacionElemento ColocacionElemento::enPoligono(const TransformacionPlanta& t, float zBase,
                                                  float cosInclinacion, float senoInclinacion) {
    ColocacionElemento c =
        recta(Point3(0.0f, 0.0f, zBase), 1.0f, 0.0f, cosInclinacion, senoInclinacion);
    c.transformar_ = true;
    c.t_ = t;
    return c;
}

Point3 ColocacionElemento::punto(float u, float v) const {
    // The left normal of the base direction (ex, ey) is (-ey, ex).
    float h = cos_ * v;
    Point3 p(inicio_.x + u * ex_ - h * ey_, inicio_.y + u * ey_ + h * ex_, inicio_.z + seno_ * v);
    return transformar_ ? t_.aplicar(p) : p;
}

float ColocacionElemento::azimutDeArista(float dx, float dy) {
    double az;
    if (dy != 0.0f) {
        az = std::atan(static_cast<double>(dx) / static_cast<double>(dy)) * kRadianesAGrados + 90.0;
        if (dx != 0.0f && dy < 0.0f) az += 180.0;
    } else {
        az = dx >= 0.0f ? 180.0 : 0.0;
    }
    if (std::fabs(dx) < 0.001f && dy < 0.0f) az = -90.0;
    return static_cast<float>(az);
}

void ColocacionElemento::direccionDeAzimut(float azimut, float& ex, float& ey) {
    double a = (180.0 - static_cast<double>(azimut)) * kGradosARadianes;
    ex = static_cast<float>(std::cos(a));
    ey = static_cast<float>(std::sin(a));
}
