#include "climate/EntradaSalida.h"

namespace {

void aMarcoDelMuro(Point3& p, const Point3& origen, float c, float s) {
    const float dx = p.x - origen.x;
    const float dy = p.y - origen.y;
    const float dz = p.z - origen.z;
    p = Point3(c * dx + s * dy, -s * dx + c * dy, dz);
}

} // namespace

void EntradaSalida::transformar(const Point3& origen, float c, float s) {
    aMarcoDelMuro(entrada, origen, c, s);
    aMarcoDelMuro(salida, origen, c, s);
}
