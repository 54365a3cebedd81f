#include "geometry/PoliArea.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <unordered_map>

#include "base/ErrorFatal.h"
#include "base/Memoria.h"
#include "input/Global2.h"

namespace {

const char* const kNodoNoEspecificado = "Error en los pol\xEDgonos: Existe un nodo no especificado";
const char* const kPocosNodos = "Error en los pol\xEDgonos: Deben tener m\xE1s de dos nodos";
const char* const kNodosRepetidos = "Error en los pol\xEDgonos: No se pueden repetir nodos";

// The building's geometric tolerance (metres); 0.01 when no run hub is present.
float tolerancia() {
    return gGlobal2 ? gGlobal2->toleranciaGeometrica : 0.01f;
}

// v divided by its length, or by 1.0 when it is shorter than 1e-10.
Vector3 normalizar(const Vector3& v) {
    double n = v.norma();
    if (n < 1e-10) n = 1.0;
    return Vector3(static_cast<float>(v.x / n), static_cast<float>(v.y / n),
                   static_cast<float>(v.z / n));
}

bool iguales(const Point3& a, const Point3& b) {
    return std::fabs(static_cast<double>(a.x) - b.x) < 1e-10 &&
           std::fabs(static_cast<double>(a.y) - b.y) < 1e-10 &&
           std::fabs(static_cast<double>(a.z) - b.z) < 1e-10;
}

// The unit normal from the first edge and the last node; while it is too short, retried with
// the node before it, down to node 3 (three- and four-node polygons are never retried). A
// missing node counts as a degenerate candidate; validation reports it.
Vector3 normalCandidata(const PLinea& c0, const Point3& p0, const Vector3& ejeX, double tol) {
    auto candidata = [&](int m) {
        const Point3* q = c0.nodo(m);
        return q ? ejeX.cruz(*q - p0) : Vector3();
    };
    int m = c0.numNodos() - 1;
    Vector3 nrm = candidata(m);
    while (nrm.norma() < tol && m > 3) {
        --m;
        nrm = candidata(m);
    }
    return normalizar(nrm);
}

// The normal, reversed when the outer contour turns clockwise about it.
Vector3 orientarNormal(const PLinea& c0, const Point3& origen, const Vector3& nrm) {
    double suma = 0.0;
    for (int i = 0; i + 1 < c0.numNodos(); ++i) {
        const Point3* a = c0.nodo(i);
        const Point3* b = c0.nodo(i + 1);
        if (!a || !b) continue;
        Vector3 c = (*a - origen).cruz(*b - origen);
        double mitad = 0.5 * c.norma();
        suma += c.punto(nrm) < 0.0 ? -mitad : mitad;
    }
    return suma < 0.0 ? -nrm : nrm;
}

void comprobarPlanaridad(const std::vector<std::unique_ptr<PLinea>>& contornos,
                         const Point3& origen, const Vector3& normal, double tol) {
    for (const auto& c : contornos) {
        if (!c) continue;
        for (const auto& q : c->nodos)
            if (q) afirmar(std::fabs((*q - origen).punto(normal)) < tol);
    }
}

// Node j of contour i against the nodes after it in its contour and every node of the later
// contours.
void validarNodo(const std::vector<std::unique_ptr<PLinea>>& contornos, int i, int j) {
    const PLinea* ci = contornos[i].get();
    const int ni = ci->numNodos();
    const Point3* pj = ci->nodo(j);
    for (int k = j + 1; k < ni; ++k) {
        const Point3* pk = ci->nodo(k);
        comprobar(pj && pk, kNodoNoEspecificado);
        comprobar(!iguales(*pj, *pk), kNodosRepetidos);
    }
    comprobar(pj != nullptr, kNodoNoEspecificado); // the last node
    for (std::size_t mm = static_cast<std::size_t>(i) + 1; mm < contornos.size(); ++mm) {
        const PLinea* cm = contornos[mm].get();
        comprobar(cm != nullptr, kNodoNoEspecificado);
        comprobar(cm->numNodos() > 2, kPocosNodos);
        for (const auto& q : cm->nodos) {
            comprobar(q != nullptr, kNodoNoEspecificado);
            comprobar(!iguales(*q, *pj), kNodosRepetidos);
        }
    }
}

// Whether two nodes of the polygon (of any of its contours) are the same node in the sense of
// iguales(). Many nodes are binned on a grid of cells as wide as the tolerance, so that two
// equal nodes lie in the same or neighbouring cells: one pass instead of a comparison per pair.
bool hayNodosRepetidos(const std::vector<const Point3*>& nodos) {
    // Few nodes (nearly every polygon): comparing every pair costs less than the table.
    if (nodos.size() <= 32) {
        for (std::size_t i = 0; i < nodos.size(); ++i)
            for (std::size_t j = i + 1; j < nodos.size(); ++j)
                if (iguales(*nodos[i], *nodos[j])) return true;
        return false;
    }
    struct Celda {
        double x, y, z;
        bool operator==(const Celda& o) const { return x == o.x && y == o.y && z == o.z; }
    };
    struct HashCelda {
        static std::uint64_t bits(double d) {
            std::uint64_t u;
            std::memcpy(&u, &d, sizeof u);
            return u;
        }
        std::size_t operator()(const Celda& c) const {
            std::uint64_t h = bits(c.x) * 0x9E3779B97F4A7C15ull;
            h = (h ^ (h >> 29) ^ bits(c.y)) * 0xBF58476D1CE4E5B9ull;
            h = (h ^ (h >> 31) ^ bits(c.z)) * 0x94D049BB133111EBull;
            return static_cast<std::size_t>(h ^ (h >> 32));
        }
    };
    // "+ 0.0" turns a negative zero into zero, which hashes like it.
    auto celda = [](const Point3& p) {
        return Celda{std::floor(p.x * 1e10) + 0.0, std::floor(p.y * 1e10) + 0.0,
                     std::floor(p.z * 1e10) + 0.0};
    };
    // The nodes of a cell as a chain: the first in the table, the next of each in `siguiente`.
    std::unordered_map<Celda, int, HashCelda> primero;
    primero.reserve(nodos.size());
    std::vector<int> siguiente(nodos.size(), -1);
    for (std::size_t i = 0; i < nodos.size(); ++i) {
        const Point3& p = *nodos[i];
        // A coordinate that is not a number equals nothing.
        if (std::isnan(p.x) || std::isnan(p.y) || std::isnan(p.z)) continue;
        const Celda c = celda(p);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dz = -1; dz <= 1; ++dz) {
                    auto it = primero.find(Celda{c.x + dx, c.y + dy, c.z + dz});
                    if (it == primero.end()) continue;
                    for (int j = it->second; j >= 0; j = siguiente[static_cast<std::size_t>(j)])
                        if (iguales(p, *nodos[static_cast<std::size_t>(j)])) return true;
                }
        auto [it, nueva] = primero.emplace(c, static_cast<int>(i));
        if (!nueva) {
            siguiente[i] = it->second;
            it->second = static_cast<int>(i);
        }
    }
    return false;
}

// The polygon is valid: every contour and node present, more than two nodes in each contour
// and no node repeated. When it is not, validarContornos finds which error comes first.
bool contornosValidos(const std::vector<std::unique_ptr<PLinea>>& contornos) {
    std::vector<const Point3*> nodos;
    for (const auto& c : contornos) {
        if (!c || c->numNodos() <= 2) return false;
        for (const auto& q : c->nodos) {
            if (!q) return false;
            nodos.push_back(q.get());
        }
    }
    return !hayNodosRepetidos(nodos);
}

// Missing contours or nodes, too few nodes, repeated nodes.
void validarContornos(const std::vector<std::unique_ptr<PLinea>>& contornos) {
    if (contornosValidos(contornos)) return;
    const int nc = static_cast<int>(contornos.size());
    for (int i = 0; i < nc; ++i) {
        const PLinea* ci = contornos[i].get();
        comprobar(ci != nullptr, kNodoNoEspecificado);
        comprobar(ci->numNodos() > 2, kPocosNodos);
        for (int j = 0; j < ci->numNodos(); ++j) validarNodo(contornos, i, j);
    }
}

} // namespace

PoliArea::PoliArea(int numContornos) {
    try {
        contornos.resize(static_cast<std::size_t>(std::max(numContornos, 0)));
    } catch (const std::bad_alloc&) {
        comprobar(false, "No hay memoria para el objeto POLIAREA");
    }
}

std::unique_ptr<PoliArea> PoliArea::desdeNodos(const std::vector<Point3>& nodos) {
    auto p = std::make_unique<PoliArea>(1);
    auto linea = std::make_unique<PLinea>(static_cast<int>(nodos.size()));
    for (std::size_t i = 0; i < nodos.size(); ++i) linea->ponerNodo(static_cast<int>(i), nodos[i]);
    p->contornos[0] = std::move(linea);
    p->initFrame();
    return p;
}

PLinea* PoliArea::contour(int k) const {
    if (k < 0 || k >= numContornos()) return nullptr;
    return contornos[k].get();
}

bool PoliArea::initFrame() {
    // 1. The outer contour and its first two nodes must exist.
    afirmar(!contornos.empty() && contornos[0] && contornos[0]->numNodos() > 2 &&
            contornos[0]->nodo(0) && contornos[0]->nodo(1));
    const PLinea& c0 = *contornos[0];
    const Point3 p0 = *c0.nodo(0);

    // 2. Origin and x axis along the first edge.
    origen_ = p0;
    ejeX_ = normalizar(*c0.nodo(1) - p0);

    // 3-4. The normal, turned so that the outer contour runs counter-clockwise about it.
    const double tol = tolerancia();
    normal_ = orientarNormal(c0, origen_, normalCandidata(c0, p0, ejeX_, tol));

    // 5. y axis.
    ejeY_ = normal_.cruz(ejeX_);

    // 6-7. Planarity of every node of every contour; then missing contours or nodes, too few
    // nodes, repeated nodes.
    comprobarPlanaridad(contornos, origen_, normal_, tol);
    validarContornos(contornos);

    // 8. Bounding box of the outer contour in the local frame, measured from the origin.
    calcularCaja(c0);
    return true;
}

void PoliArea::calcularCaja(const PLinea& c0) {
    umin = vmin = umax = vmax = 0.0f;
    for (int i = 1; i < c0.numNodos(); ++i) {
        Vector3 d = *c0.nodo(i) - origen_;
        float u = static_cast<float>(d.punto(ejeX_));
        float v = static_cast<float>(d.punto(ejeY_));
        umin = std::min(umin, u);
        umax = std::max(umax, u);
        vmin = std::min(vmin, v);
        vmax = std::max(vmax, v);
    }
}

double PoliArea::area() const {
    afirmar(!contornos.empty() && contornos[0]);
    const double exterior = contornos[0]->signedArea(normal_);
    afirmar(exterior > 0.0);
    double a = exterior;
    for (int k = 1; k < numContornos(); ++k) {
        afirmar(contornos[k] != nullptr);
        a -= std::fabs(contornos[k]->signedArea(normal_));
    }
    return a;
}

double PoliArea::perimeter() const {
    double p = 0.0;
    for (const auto& c : contornos) {
        afirmar(c != nullptr);
        p += c->length();
    }
    return p;
}

double PoliArea::perimetroCerrado() const {
    double p = perimeter();
    for (const auto& c : contornos) {
        int n = c->numNodos();
        if (n > 1 && c->nodo(0) && c->nodo(n - 1)) p += (*c->nodo(0) - *c->nodo(n - 1)).norma();
    }
    return p;
}

bool PoliArea::contains(const Point3& p) const {
    afirmar(!contornos.empty() && contornos[0]);
    if (!contornos[0]->windingContains(p, normal_)) return false;
    for (int k = 1; k < numContornos(); ++k) {
        afirmar(contornos[k] != nullptr);
        if (contornos[k]->windingContains(p, normal_)) return false;
    }
    return true;
}

bool PoliArea::intersectRay(const Rayo3& rayo, Point3& punto, double& t) const {
    const double h = (rayo.origen - origen_).punto(normal_);
    if (h < 1e-10) return false; // the ray starts on or behind the face
    const double tol = tolerancia();
    const double largo = rayo.direccion.norma();
    afirmar(largo > 1.0 - tol && largo < 1.0 + tol);
    const double k = normal_.punto(rayo.direccion);
    if (k > -1e-10) return false; // parallel to the face or leaving it
    t = -h / k;
    const float tf = static_cast<float>(t);
    Point3 q = rayo.origen + rayo.direccion * tf;
    if (!contains(q)) return false;
    if (t < 1e-10) return false;
    punto = q;
    return true;
}

void PoliArea::gridCounts(double n, int& nu, int& nv) const {
    // Counts are clamped to a sane range so that a degenerate box never overflows an int.
    auto entero = [](double x) {
        if (!(x > 0.0)) return 0;
        return static_cast<int>(std::min(x, 1e9));
    };
    const double du = static_cast<double>(umax) - umin;
    const double dv = static_cast<double>(vmax) - vmin;
    const double s = std::sqrt(n / (du * dv));
    nu = entero(std::floor(s * du + 0.5));
    if (nu < 1) {
        nu = 1;
        nv = entero(n);
        return;
    }
    nv = entero(std::floor(s * dv + 0.5));
    if (nv < 1) {
        nv = 1;
        nu = entero(n);
    }
}

bool PoliArea::cellInside(Point3& p, int i, int ni, int j, int nj) const {
    std::unique_ptr<Point3> c = cellPoint(i, ni, j, nj);
    p = *c;
    return contains(p);
}

std::unique_ptr<Point3> PoliArea::cellPoint(int i, int ni, int j, int nj) const {
    // Cells are laid out from the origin (not from umin, vmin) over the box's extent.
    const float dv = vmax - vmin;
    const float du = umax - umin;
    const float v = static_cast<float>(2 * i + 1) / static_cast<float>(2 * ni) * dv;
    const float u = static_cast<float>(2 * j + 1) / static_cast<float>(2 * nj) * du;
    return std::make_unique<Point3>(origen_ + ejeY_ * v + ejeX_ * u);
}

void PoliArea::centre(Point3& out) const {
    // Mean of the first four nodes of the outer contour (of all of them when it has fewer).
    afirmar(!contornos.empty() && contornos[0] && contornos[0]->numNodos() > 0);
    const PLinea& c0 = *contornos[0];
    const int n = std::min(4, c0.numNodos());
    double x = 0, y = 0, z = 0;
    for (int i = 0; i < n; ++i) {
        afirmar(c0.nodo(i) != nullptr);
        x += c0.nodo(i)->x;
        y += c0.nodo(i)->y;
        z += c0.nodo(i)->z;
    }
    out = Point3(static_cast<float>(x / n), static_cast<float>(y / n), static_cast<float>(z / n));
}

void PoliArea::toGlobal(Vector3& out, float a, float b, float c) const {
    out = ejeX_ * a + ejeY_ * b + normal_ * c;
}

std::unique_ptr<Vector3> PoliArea::toGlobal(float a, float b, float c) const {
    auto v = std::make_unique<Vector3>();
    toGlobal(*v, a, b, c);
    return v;
}

void PoliArea::getNormal(Vector3& out) const {
    out = normal_;
}

std::unique_ptr<Vector3> PoliArea::getNormal() const {
    return std::make_unique<Vector3>(normal_);
}

std::vector<float> viewFactors(const std::vector<PoliArea*>& superficies) {
    const long n = static_cast<long>(superficies.size());
    std::vector<float> f = gGlobal2 ? reservarReales(n * n)
                                    : std::vector<float>(static_cast<std::size_t>(n * n), 0.0f);
    std::vector<Point3> centros(static_cast<std::size_t>(n));
    for (long k = 0; k < n; ++k) {
        superficies[k]->initFrame();
        f[k * n + k] = static_cast<float>(superficies[k]->area());
        superficies[k]->centre(centros[k]);
    }
    for (long i = 0; i < n; ++i) {
        superficies[i]->initFrame();
        Vector3 ni;
        superficies[i]->getNormal(ni);
        for (long j = i + 1; j < n; ++j) {
            Vector3 r = centros[j] - centros[i];
            const double d = r.norma();
            Vector3 nj;
            superficies[j]->getNormal(nj);
            const double a = r.punto(ni);
            const double b = r.punto(nj);
            if (a > 0.0 && b < 0.0) {
                // Each surface lies in front of the other; the areas are still on the diagonal.
                const float fij =
                    static_cast<float>(std::fabs(a * b / (3.1416 * d * d * d * d))) * f[j * n + j];
                f[i * n + j] = fij;
                f[j * n + i] = fij * f[i * n + i] / f[j * n + j];
            } else {
                f[i * n + j] = f[j * n + i] = 0.0f;
            }
        }
        f[i * n + i] = 0.0f;
    }
    return f;
}
