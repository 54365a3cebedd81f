#include "geometry/ElementContour.h"

#include <algorithm>
#include <cmath>

namespace {

// Distance of p from the line through o with unit direction u; t receives the abscissa of p's
// projection along u.
double distanciaALinea(const Point3& p, const Point3& o, double ux, double uy, double uz,
                       double& t) {
    double dx = static_cast<double>(p.x) - o.x;
    double dy = static_cast<double>(p.y) - o.y;
    double dz = static_cast<double>(p.z) - o.z;
    t = dx * ux + dy * uy + dz * uz;
    double rx = dx - t * ux, ry = dy - t * uy, rz = dz - t * uz;
    return std::sqrt(rx * rx + ry * ry + rz * rz);
}

bool mismoPunto(const Point3& p, const Point3& q) {
    return std::fabs(p.x - q.x) < ElementContour::kIgualdad &&
           std::fabs(p.y - q.y) < ElementContour::kIgualdad &&
           std::fabs(p.z - q.z) < ElementContour::kIgualdad;
}

} // namespace

ElementContour::ElementContour(const Point3& a, const Point3& b) : A(a), B(b) {}
ElementContour::~ElementContour() = default;

double ElementContour::longitud() const {
    return (A - B).norma();
}

bool ElementContour::direccion(Vector3& d) const {
    Vector3 v = A - B;
    double l = v.norma();
    if (!(l > 0.0)) return false;
    d = Vector3(static_cast<float>(v.x / l), static_cast<float>(v.y / l),
                static_cast<float>(v.z / l));
    return true;
}

void ElementContour::ponerTipo(int indice, float ttl_, float frsi_, const std::string& nombre) {
    tipo = indice;
    ttl = ttl_;
    frsi = frsi_;
    nombreTipo = nombre;
}

bool ElementContour::igual(const ElementContour& o) const {
    return (mismoPunto(A, o.A) && mismoPunto(B, o.B)) || (mismoPunto(A, o.B) && mismoPunto(B, o.A));
}

ElementContour::Corte ElementContour::partir(const ElementContour& o) const {
    Corte c;
    if (igual(o)) {
        c.solapa = true;
        c.comunA = o.A;
        c.comunB = o.B;
        return c;
    }
    double ux = static_cast<double>(o.B.x) - o.A.x;
    double uy = static_cast<double>(o.B.y) - o.A.y;
    double uz = static_cast<double>(o.B.z) - o.A.z;
    double L = std::sqrt(ux * ux + uy * uy + uz * uz);
    if (!(L > kTolerancia)) return c;
    ux /= L;
    uy /= L;
    uz /= L;
    double ta = 0.0, tb = 0.0;
    if (!(distanciaALinea(A, o.A, ux, uy, uz, ta) < kTolerancia &&
          distanciaALinea(B, o.A, ux, uy, uz, tb) < kTolerancia))
        return c;
    const bool directa = ta <= tb;
    const double tMin = directa ? ta : tb, tMax = directa ? tb : ta;
    const Point3& sMin = directa ? A : B;
    const Point3& sMax = directa ? B : A;
    double lo = std::max(0.0, tMin), hi = std::min(L, tMax);
    if (!(hi - lo > kTolerancia)) return c;

    c.solapa = true;
    c.comunA = tMin <= kTolerancia ? o.A : sMin;
    c.comunB = tMax >= L - kTolerancia ? o.B : sMax;

    // What is left of B, along B.
    if (tMin > kTolerancia) {
        c.otroA[c.numRestosOtro] = o.A;
        c.otroB[c.numRestosOtro++] = sMin;
    }
    if (tMax < L - kTolerancia) {
        c.otroA[c.numRestosOtro] = sMax;
        c.otroB[c.numRestosOtro++] = o.B;
    }

    // What is left of S, each piece oriented as S, the one at S's end A first.
    const bool antes = tMin < -kTolerancia; // S runs past B's end A
    const bool despues = tMax > L + kTolerancia;
    auto resto = [&c](const Point3& p, const Point3& q) {
        c.restoA[c.numRestos] = p;
        c.restoB[c.numRestos++] = q;
    };
    if (directa) {
        if (antes) resto(A, o.A);
        if (despues) resto(o.B, B);
    } else {
        if (despues) resto(A, o.B);
        if (antes) resto(o.A, B);
    }
    return c;
}

bool ElementContour::solapa(const ElementContour& o) const {
    return partir(o).solapa;
}
