#include "geometry/JerarquiaVolumenes.h"

#include <algorithm>
#include <array>
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

// A box that grows with what it takes in (and, for a bin, the polygons it holds).
struct Cubo {
    float bmin[3] = {1e30f, 1e30f, 1e30f}, bmax[3] = {-1e30f, -1e30f, -1e30f};
    int n = 0;
    void anadir(const Cubo& c) {
        n += c.n;
        for (int a = 0; a < 3; ++a) {
            bmin[a] = std::min(bmin[a], c.bmin[a]);
            bmax[a] = std::max(bmax[a], c.bmax[a]);
        }
    }
};

// Half the surface area of a box.
float areaCaja(const float* a, const float* b) {
    const float dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
    return dx * dy + dy * dz + dz * dx;
}

// The best split found by the surface-area heuristic: bins 0 .. corte of axis `eje` go left.
struct CorteSah {
    int eje = -1, corte = 0;
    float coste = 1e30f;
};

// How a node is split: the new order of its polygons, the size of the left half, the axis.
struct Division {
    std::vector<int> orden;
    int medio = 0;
    int eje = 0;
};

// The polygons [inicio, fin) of a node under construction: the box of their boxes and the box
// of their centres. The split is chosen by the surface-area heuristic over kCubos bins of the
// centres along each axis: the cheapest partition in expected ray tests.
struct Tramo {
    int inicio, fin;
    const std::vector<float>& cajas;   // 6 per polygon: min xyz, max xyz
    const std::vector<float>& centros; // 3 per polygon
    float bmin[3], bmax[3];
    float cmin[3] = {1e30f, 1e30f, 1e30f}, cmax[3] = {-1e30f, -1e30f, -1e30f};

    Tramo(int i, int f, const std::vector<float>& cj, const std::vector<float>& ct)
        : inicio(i), fin(f), cajas(cj), centros(ct) {
        for (int e = 0; e < 3; ++e) {
            bmin[e] = 1e30f;
            bmax[e] = -1e30f;
        }
        for (int k = inicio; k < fin; ++k) {
            for (int e = 0; e < 3; ++e) {
                bmin[e] = std::min(bmin[e], cajas[6 * k + e]);
                bmax[e] = std::max(bmax[e], cajas[6 * k + 3 + e]);
                cmin[e] = std::min(cmin[e], centros[3 * k + e]);
                cmax[e] = std::max(cmax[e], centros[3 * k + e]);
            }
        }
    }

    int cuenta() const { return fin - inicio; }

    // The bin of polygon i's centre along axis e.
    int cuboDe(int i, int e) const {
        const float ancho = cmax[e] - cmin[e];
        int k = static_cast<int>((centros[3 * i + e] - cmin[e]) / ancho * kCubos);
        return std::min(std::max(k, 0), kCubos - 1);
    }

    // The polygons binned along axis e.
    std::array<Cubo, kCubos> cubos(int e) const {
        std::array<Cubo, kCubos> res;
        for (int i = inicio; i < fin; ++i) {
            Cubo& c = res[cuboDe(i, e)];
            ++c.n;
            for (int a = 0; a < 3; ++a) {
                c.bmin[a] = std::min(c.bmin[a], cajas[6 * i + a]);
                c.bmax[a] = std::max(c.bmax[a], cajas[6 * i + 3 + a]);
            }
        }
        return res;
    }

    // Every split between bins along axis e against the best so far.
    void probarEje(int e, CorteSah& mejor) const {
        const std::array<Cubo, kCubos> cs = cubos(e);
        // Sweep from the right to get the area and count of every right-hand side.
        float areaDerecha[kCubos];
        int nDerecha[kCubos];
        Cubo acum;
        for (int k = kCubos - 1; k > 0; --k) {
            acum.anadir(cs[k]);
            areaDerecha[k] = acum.n ? areaCaja(acum.bmin, acum.bmax) : 0.0f;
            nDerecha[k] = acum.n;
        }
        Cubo izq;
        for (int k = 0; k < kCubos - 1; ++k) {
            izq.anadir(cs[k]);
            if (izq.n == 0 || nDerecha[k + 1] == 0) continue;
            const float coste =
                izq.n * areaCaja(izq.bmin, izq.bmax) + nDerecha[k + 1] * areaDerecha[k + 1];
            if (coste < mejor.coste) {
                mejor.coste = coste;
                mejor.eje = e;
                mejor.corte = k;
            }
        }
    }

    CorteSah mejorCorte() const {
        CorteSah mejor;
        for (int e = 0; e < 3; ++e)
            if (cmax[e] - cmin[e] > 1e-6f) probarEje(e, mejor);
        return mejor;
    }

    // Whether the node is split, and how. Deep in an unbalanced tree, median splits along the
    // longest axis of the centres bound the depth (and the query stack); otherwise the
    // heuristic's split when it pays or the node is too big for a leaf; when all centres
    // coincide, the list in two halves.
    bool dividir(int profundidad, Division& d) const {
        const int n = cuenta();
        if (n <= kHojaMinima) return false;
        const CorteSah mejor = mejorCorte();
        const float costeHoja = n * areaCaja(bmin, bmax);
        d.orden.resize(static_cast<std::size_t>(n));
        std::iota(d.orden.begin(), d.orden.end(), inicio);
        if (profundidad >= kProfundidadSah && n > kHojaMaxima) {
            d.eje = 0;
            for (int e = 1; e < 3; ++e)
                if (cmax[e] - cmin[e] > cmax[d.eje] - cmin[d.eje]) d.eje = e;
            d.medio = n / 2;
            const int eje = d.eje;
            std::nth_element(
                d.orden.begin(), d.orden.begin() + d.medio, d.orden.end(),
                [&](int a, int b) { return centros[3 * a + eje] < centros[3 * b + eje]; });
        } else if (mejor.eje >= 0 && (mejor.coste < costeHoja || n > kHojaMaxima)) {
            d.eje = mejor.eje;
            auto mitad = std::stable_partition(d.orden.begin(), d.orden.end(), [&](int i) {
                return cuboDe(i, mejor.eje) <= mejor.corte;
            });
            d.medio = static_cast<int>(mitad - d.orden.begin());
        } else if (n <= kHojaMaxima) {
            return false;
        } else {
            d.eje = 0;
            d.medio = n / 2;
        }
        return true;
    }
};

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
// and returns the index of its root; the first child follows its parent.
int JerarquiaVolumenes::construir(int inicio, int fin, std::vector<float>& cajas,
                                  std::vector<float>& centros, int profundidad) {
    const int indice = static_cast<int>(nodos_.size());
    nodos_.push_back(Nodo());
    const Tramo tramo(inicio, fin, cajas, centros);
    Nodo nodo;
    std::copy(tramo.bmin, tramo.bmin + 3, nodo.bmin);
    std::copy(tramo.bmax, tramo.bmax + 3, nodo.bmax);
    nodo.segundo = inicio;
    nodo.cuenta = fin - inicio;
    nodo.eje = 0;
    Division division;
    if (tramo.dividir(profundidad, division)) {
        reordenar(inicio, division.orden, cajas, centros);
        construir(inicio, inicio + division.medio, cajas, centros, profundidad + 1);
        nodo.segundo = construir(inicio + division.medio, fin, cajas, centros, profundidad + 1);
        nodo.cuenta = 0;
        nodo.eje = division.eje;
    }
    nodos_[indice] = nodo;
    return indice;
}

// Polygons, boxes and centres from `inicio` on take the order `orden` (absolute indices).
void JerarquiaVolumenes::reordenar(int inicio, const std::vector<int>& orden,
                                   std::vector<float>& cajas, std::vector<float>& centros) {
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
