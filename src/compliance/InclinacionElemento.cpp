#include "compliance/InclinacionElemento.h"

#include <cmath>

#include "envelope/Elemento.h"

float inclinacionElemento(const Elemento& e) {
    float t;
    if (!e.poligono) {
        t = e.inclinacion / 0.017453292f;
    } else {
        const Vector3& n = e.poligono->normal();
        if (std::fabs(n.z) < 0.00001f) return 90.0f;
        float horizontal = std::sqrt(n.x * n.x + n.y * n.y);
        if (horizontal < 0.00001f) return n.z > 0.0f ? 0.0f : 180.0f;
        t = std::atan(horizontal / n.z) / 0.017453292f;
        if (n.z < 0.0f) t += 180.0f;
    }
    if (t < 0.0f) t += 360.0f;
    return t;
}
