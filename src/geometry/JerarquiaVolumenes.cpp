#include "geometry/JerarquiaVolumenes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "geometry/PoliArea.h"

namespace {

// A node with at most kHojaMinima polygons is always a leaf; up to kHojaMaxima it is a leaf when
// splitting does not pay.
constexpr int kHojaMinima = 2;
constexpr int kHojaMaxima = 8;
constexpr int kCubos = 12;
// Below this depth splits follow the heuristic; deeper ones are median splits, so that the tree
// is never deeper than kProfundidadSah + log2(n) (< kPila).
constexpr int kProfundidadSah = 40;
constexpr int kPila = 128;
// Boxes of polygons lying in a coordinate plane are padded so that they keep some thickness.
constexpr float kHolgura = 1e-4f;

} // namespace

JerarquiaVolumenes::JerarquiaVolumenes(const std::vector<PoliArea*>& poligonos) {
    std::vector<float> cajas;   // 6 per polygon: min xyz, max xyz
    std::vector<float> centros; // 3 per polygon
    for (std::size_t i = 0; i < poligonos.size(); ++i) {
        const PoliArea* pa = poligonos[i];
        if (!pa) continue;
        Poligono p;
        const Vector3& n = pa->normal();
        p.n[0] = n.x;
        p.n[1] = n.y;
        p.n[2] = n.z;
        p.d = static_cast<float>(n.punto(pa->origen()));
        const float an[3] = {std::fabs(n.x), std::fabs(n.y), std::fabs(n.z)};
        const int drop = an[0] >= an[1] && an[0] >= an[2] ? 0 : (an[1] >= an[2] ? 1 : 2);
        p.eu = static_cast<std::uint8_t>((drop + 1) % 3);
        p.ev = static_cast<std::uint8_t>((drop + 2) % 3);
        p.primeraArista = static_cast<int>(aristas_.size());
        p.id = static_cast<int>(i);
        float bmin[3] = {1e30f, 1e30f, 1e30f}, bmax[3] = {-1e30f, -1e30f, -1e30f};
        for (int k = 0; k < pa->numContornos(); ++k) {
            const PLinea* c = pa->contour(k);
            if (!c) continue;
            const int m = c->numNodos();
            for (int j = 0; j < m; ++j) {
                const Point3* a = c->nodo(j);
                const Point3* b = c->nodo((j + 1) % m);
                if (!a || !b) continue;
                const float ca[3] = {a->x, a->y, a->z};
                const float cb[3] = {b->x, b->y, b->z};
                aristas_.push_back({ca[p.eu], ca[p.ev], cb[p.eu], cb[p.ev]});
                for (int e = 0; e < 3; ++e) {
                    bmin[e] = std::min(bmin[e], ca[e]);
                    bmax[e] = std::max(bmax[e], ca[e]);
                }
            }
        }
        p.finAristas = static_cast<int>(aristas_.size());
        bool finito = std::isfinite(p.d);
        for (int e = 0; e < 3; ++e) finito = finito && std::isfinite(bmax[e] - bmin[e]);
        if (p.finAristas == p.primeraArista || !finito) {
            // Nothing to hit (no edges, or coordinates that are not numbers).
            aristas_.resize(static_cast<std::size_t>(p.primeraArista));
            continue;
        }
        poligonos_.push_back(p);
        for (int e = 0; e < 3; ++e) cajas.push_back(bmin[e] - kHolgura);
        for (int e = 0; e < 3; ++e) cajas.push_back(bmax[e] + kHolgura);
        for (int e = 0; e < 3; ++e) centros.push_back(0.5f * (bmin[e] + bmax[e]));
    }
    if (!poligonos_.empty()) {
        nodos_.reserve(2 * poligonos_.size() / kHojaMaxima + 2);
        construir(0, static_cast<int>(poligonos_.size()), cajas, centros, 0);
    }
}

// Builds the subtree over polygons [inicio, fin) (reordering them, with their boxes and centres)
// and returns the index of its root. The split is chosen by the surface-area heuristic over
// kCubos bins of the centres along each axis: the cheapest partition in expected ray tests.
int JerarquiaVolumenes::construir(int inicio, int fin, std::vector<float>& cajas,
                                  std::vector<float>& centros, int profundidad) {
    const int indice = static_cast<int>(nodos_.size());
    nodos_.push_back(Nodo());
    Nodo nodo;
    float cmin[3] = {1e30f, 1e30f, 1e30f}, cmax[3] = {-1e30f, -1e30f, -1e30f};
    for (int e = 0; e < 3; ++e) {
        nodo.bmin[e] = 1e30f;
        nodo.bmax[e] = -1e30f;
    }
    for (int i = inicio; i < fin; ++i) {
        for (int e = 0; e < 3; ++e) {
            nodo.bmin[e] = std::min(nodo.bmin[e], cajas[6 * i + e]);
            nodo.bmax[e] = std::max(nodo.bmax[e], cajas[6 * i + 3 + e]);
            cmin[e] = std::min(cmin[e], centros[3 * i + e]);
            cmax[e] = std::max(cmax[e], centros[3 * i + e]);
        }
    }
    const int cuenta = fin - inicio;
    auto hoja = [&]() {
        nodo.segundo = inicio;
        nodo.cuenta = cuenta;
        nodo.eje = 0;
        nodos_[indice] = nodo;
        return indice;
    };
    if (cuenta <= kHojaMinima) return hoja();

    // Surface-area heuristic over binned centres.
    struct Cubo {
        float bmin[3] = {1e30f, 1e30f, 1e30f}, bmax[3] = {-1e30f, -1e30f, -1e30f};
        int n = 0;
    };
    auto areaCaja = [](const float* a, const float* b) {
        const float dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
        return dx * dy + dy * dz + dz * dx;
    };
    auto cuboDe = [&](int i, int e) {
        const float ancho = cmax[e] - cmin[e];
        int k = static_cast<int>((centros[3 * i + e] - cmin[e]) / ancho * kCubos);
        return std::min(std::max(k, 0), kCubos - 1);
    };
    int mejorEje = -1, mejorCorte = 0;
    float mejorCoste = 1e30f;
    for (int e = 0; e < 3; ++e) {
        if (!(cmax[e] - cmin[e] > 1e-6f)) continue;
        Cubo cubos[kCubos];
        for (int i = inicio; i < fin; ++i) {
            Cubo& c = cubos[cuboDe(i, e)];
            ++c.n;
            for (int a = 0; a < 3; ++a) {
                c.bmin[a] = std::min(c.bmin[a], cajas[6 * i + a]);
                c.bmax[a] = std::max(c.bmax[a], cajas[6 * i + 3 + a]);
            }
        }
        // Sweep from the right to get the area and count of every right-hand side.
        float areaDerecha[kCubos];
        int nDerecha[kCubos];
        Cubo acum;
        for (int k = kCubos - 1; k > 0; --k) {
            acum.n += cubos[k].n;
            for (int a = 0; a < 3; ++a) {
                acum.bmin[a] = std::min(acum.bmin[a], cubos[k].bmin[a]);
                acum.bmax[a] = std::max(acum.bmax[a], cubos[k].bmax[a]);
            }
            areaDerecha[k] = acum.n ? areaCaja(acum.bmin, acum.bmax) : 0.0f;
            nDerecha[k] = acum.n;
        }
        Cubo izq;
        for (int k = 0; k < kCubos - 1; ++k) {
            izq.n += cubos[k].n;
            for (int a = 0; a < 3; ++a) {
                izq.bmin[a] = std::min(izq.bmin[a], cubos[k].bmin[a]);
                izq.bmax[a] = std::max(izq.bmax[a], cubos[k].bmax[a]);
            }
            if (izq.n == 0 || nDerecha[k + 1] == 0) continue;
            const float coste =
                izq.n * areaCaja(izq.bmin, izq.bmax) + nDerecha[k + 1] * areaDerecha[k + 1];
            if (coste < mejorCoste) {
                mejorCoste = coste;
                mejorEje = e;
                mejorCorte = k;
            }
        }
    }
    const float costeHoja = cuenta * areaCaja(nodo.bmin, nodo.bmax);
    int medio;
    int eje;
    std::vector<int> orden(static_cast<std::size_t>(cuenta));
    std::iota(orden.begin(), orden.end(), inicio);
    if (profundidad >= kProfundidadSah && cuenta > kHojaMaxima) {
        // Deep in an unbalanced tree: median splits bound the depth (and the query stack).
        eje = 0;
        for (int e = 1; e < 3; ++e)
            if (cmax[e] - cmin[e] > cmax[eje] - cmin[eje]) eje = e;
        medio = cuenta / 2;
        std::nth_element(orden.begin(), orden.begin() + medio, orden.end(),
                         [&](int a, int b) { return centros[3 * a + eje] < centros[3 * b + eje]; });
    } else if (mejorEje >= 0 && (mejorCoste < costeHoja || cuenta > kHojaMaxima)) {
        eje = mejorEje;
        auto mitad = std::stable_partition(orden.begin(), orden.end(),
                                           [&](int i) { return cuboDe(i, eje) <= mejorCorte; });
        medio = static_cast<int>(mitad - orden.begin());
    } else if (cuenta <= kHojaMaxima) {
        return hoja();
    } else {
        // All centres coincide: split the list in two halves.
        eje = 0;
        medio = cuenta / 2;
    }

    std::vector<Poligono> p2;
    std::vector<float> c2, m2;
    p2.reserve(orden.size());
    for (int k : orden) {
        p2.push_back(poligonos_[k]);
        c2.insert(c2.end(), cajas.begin() + 6 * k, cajas.begin() + 6 * k + 6);
        m2.insert(m2.end(), centros.begin() + 3 * k, centros.begin() + 3 * k + 3);
    }
    std::copy(p2.begin(), p2.end(), poligonos_.begin() + inicio);
    std::copy(c2.begin(), c2.end(), cajas.begin() + 6 * inicio);
    std::copy(m2.begin(), m2.end(), centros.begin() + 3 * inicio);

    construir(inicio, inicio + medio, cajas, centros, profundidad + 1);
    nodo.segundo = construir(inicio + medio, fin, cajas, centros, profundidad + 1);
    nodo.cuenta = 0;
    nodo.eje = eje;
    nodos_[indice] = nodo;
    return indice;
}

bool JerarquiaVolumenes::cruza(const Poligono& p, const float o[3], const float d[3], float tmin,
                               float tmax) const {
    const float den = p.n[0] * d[0] + p.n[1] * d[1] + p.n[2] * d[2];
    if (std::fabs(den) < 1e-9f) return false; // parallel to the plane
    const float t = (p.d - (p.n[0] * o[0] + p.n[1] * o[1] + p.n[2] * o[2])) / den;
    if (!(t > tmin && t < tmax)) return false;
    const float pu = o[p.eu] + t * d[p.eu];
    const float pv = o[p.ev] + t * d[p.ev];
    bool dentro = false;
    for (int k = p.primeraArista; k < p.finAristas; ++k) {
        const Arista& a = aristas_[k];
        if ((a.v0 > pv) != (a.v1 > pv)) {
            const float x = a.u0 + (pv - a.v0) * (a.u1 - a.u0) / (a.v1 - a.v0);
            if (pu < x) dentro = !dentro;
        }
    }
    return dentro;
}

bool JerarquiaVolumenes::ocluido(const Point3& origen, const Vector3& dir, float tmin, float tmax,
                                 int excluido) const {
    if (nodos_.empty()) return false;
    const float o[3] = {origen.x, origen.y, origen.z};
    const float d[3] = {dir.x, dir.y, dir.z};
    float inv[3], oi[3];
    for (int e = 0; e < 3; ++e) {
        inv[e] = d[e] != 0.0f ? 1.0f / d[e] : std::copysign(1e30f, d[e]);
        oi[e] = o[e] * inv[e];
    }
    // Entry parameter of the ray into a node's box, or a negative value when it misses.
    auto entrada = [&](const Nodo& nodo) {
        const float ax = nodo.bmin[0] * inv[0] - oi[0], bx = nodo.bmax[0] * inv[0] - oi[0];
        const float ay = nodo.bmin[1] * inv[1] - oi[1], by = nodo.bmax[1] * inv[1] - oi[1];
        const float az = nodo.bmin[2] * inv[2] - oi[2], bz = nodo.bmax[2] * inv[2] - oi[2];
        const float t0 = std::max(std::max(tmin, std::min(ax, bx)),
                                  std::max(std::min(ay, by), std::min(az, bz)));
        const float t1 = std::min(std::min(tmax, std::max(ax, bx)),
                                  std::min(std::max(ay, by), std::max(az, bz)));
        return t0 <= t1 ? t0 : -1.0f;
    };
    if (entrada(nodos_[0]) < 0.0f) return false;
    int pila[kPila];
    int tope = 0;
    pila[tope++] = 0;
    while (tope > 0) {
        const int actual = pila[--tope];
        const Nodo& nodo = nodos_[actual];
        if (nodo.cuenta > 0) {
            for (int k = nodo.segundo; k < nodo.segundo + nodo.cuenta; ++k) {
                const Poligono& p = poligonos_[k];
                if (p.id != excluido && cruza(p, o, d, tmin, tmax)) return true;
            }
            continue;
        }
        // Push the children that the ray enters, the nearer one on top: a blocker near the
        // origin ends the search sooner.
        const int a = actual + 1;
        const int b = nodo.segundo;
        const float ta = entrada(nodos_[a]);
        const float tb = entrada(nodos_[b]);
        if (ta >= 0.0f && tb >= 0.0f) {
            if (ta <= tb) {
                pila[tope++] = b;
                pila[tope++] = a;
            } else {
                pila[tope++] = a;
                pila[tope++] = b;
            }
        } else if (ta >= 0.0f) {
            pila[tope++] = a;
        } else if (tb >= 0.0f) {
            pila[tope++] = b;
        }
    }
    return false;
}
