#include "geometry/PLinea.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "base/ErrorFatal.h"

namespace {

// Unit vector from p towards q in double precision; a vector shorter than 1e-10 is left as it
// is (divided by 1.0).
void unitario(const Point3& p, const Point3& q, double out[3]) {
    out[0] = static_cast<double>(q.x) - p.x;
    out[1] = static_cast<double>(q.y) - p.y;
    out[2] = static_cast<double>(q.z) - p.z;
    double n = std::sqrt(out[0] * out[0] + out[1] * out[1] + out[2] * out[2]);
    if (n < 1e-10) n = 1.0;
    out[0] /= n;
    out[1] /= n;
    out[2] /= n;
}

bool coincide(const Point3& a, const Point3& b) {
    return std::fabs(static_cast<double>(a.x) - b.x) < 1e-10 &&
           std::fabs(static_cast<double>(a.y) - b.y) < 1e-10 &&
           std::fabs(static_cast<double>(a.z) - b.z) < 1e-10;
}

} // namespace

PLinea::PLinea(int numNodos) {
    try {
        nodos.resize(static_cast<std::size_t>(std::max(numNodos, 0)));
    } catch (const std::bad_alloc&) {
        comprobar(false, "No hay memoria para el objeto PLINEA");
    }
}

double PLinea::signedArea(const Vector3& normal) const {
    const int n = numNodos();
    afirmar(n > 2);
    for (const auto& p : nodos) afirmar(p != nullptr);
    const Point3& p0 = *nodos[0];
    double suma = 0.0;
    for (int i = 1; i <= n - 2; ++i) {
        Vector3 c = (*nodos[i] - p0).cruz(*nodos[i + 1] - p0);
        double mitad = 0.5 * c.norma();
        suma += c.punto(normal) < 0.0 ? -mitad : mitad;
    }
    return suma;
}

double PLinea::length() const {
    double suma = 0.0;
    for (int i = 0; i + 1 < numNodos(); ++i) {
        afirmar(nodos[i] && nodos[i + 1]);
        suma += (*nodos[i + 1] - *nodos[i]).norma();
    }
    return suma;
}

bool PLinea::windingContains(const Point3& p, const Vector3& normal) const {
    const int n = numNodos();
    for (const auto& q : nodos) afirmar(q != nullptr);
    for (const auto& q : nodos)
        if (coincide(*q, p)) return true;
    double suma = 0.0;
    for (int i = 0; i < n; ++i) {
        double a[3], b[3];
        unitario(p, *nodos[i], a);
        unitario(p, *nodos[(i + 1) % n], b);
        const double c[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
        double d = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
        const double nc = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
        if (nc < 1e-10 && d < 0.0) return true; // on the edge between nodes i and i + 1
        const double cn = c[0] * normal.x + c[1] * normal.y + c[2] * normal.z;
        const double s = cn > 0.0 ? 1.0 : (cn < 0.0 ? -1.0 : 0.0);
        d = std::min(1.0, std::max(-1.0, d));
        suma += s * std::acos(d);
    }
    return !(suma > -0.1 && suma < 0.1);
}
