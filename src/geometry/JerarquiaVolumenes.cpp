#include "geometry/JerarquiaVolumenes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "geometry/PoliArea.h"

namespace {

constexpr int kHojaMaxima = 4;
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
        if (p.finAristas == p.primeraArista) continue;
        poligonos_.push_back(p);
        for (int e = 0; e < 3; ++e) cajas.push_back(bmin[e] - kHolgura);
        for (int e = 0; e < 3; ++e) cajas.push_back(bmax[e] + kHolgura);
        for (int e = 0; e < 3; ++e) centros.push_back(0.5f * (bmin[e] + bmax[e]));
    }
    if (!poligonos_.empty()) {
        nodos_.reserve(2 * poligonos_.size() / kHojaMaxima + 2);
        construir(0, static_cast<int>(poligonos_.size()), cajas, centros);
    }
}

// Builds the subtree over polygons [inicio, fin) (reordering them, with their boxes and centres)
// by splitting at the median of the centres along the widest axis of the centres' box. Returns
// the index of the subtree's root.
int JerarquiaVolumenes::construir(int inicio, int fin, std::vector<float>& cajas,
                                  std::vector<float>& centros) {
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
    if (fin - inicio <= kHojaMaxima) {
        nodo.segundo = inicio;
        nodo.cuenta = fin - inicio;
        nodo.eje = 0;
        nodos_[indice] = nodo;
        return indice;
    }
    int eje = 0;
    for (int e = 1; e < 3; ++e)
        if (cmax[e] - cmin[e] > cmax[eje] - cmin[eje]) eje = e;

    // Sort the range by centre along the axis through an index permutation, then apply it.
    std::vector<int> orden(static_cast<std::size_t>(fin - inicio));
    std::iota(orden.begin(), orden.end(), inicio);
    const int medio = (fin - inicio) / 2;
    std::nth_element(orden.begin(), orden.begin() + medio, orden.end(),
                     [&](int a, int b) { return centros[3 * a + eje] < centros[3 * b + eje]; });
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

    construir(inicio, inicio + medio, cajas, centros);
    nodo.segundo = construir(inicio + medio, fin, cajas, centros);
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
    float inv[3];
    for (int e = 0; e < 3; ++e) inv[e] = d[e] != 0.0f ? 1.0f / d[e] : std::copysign(1e30f, d[e]);
    int pila[128];
    int tope = 0;
    pila[tope++] = 0;
    while (tope > 0) {
        const Nodo& nodo = nodos_[pila[--tope]];
        float t0 = tmin, t1 = tmax;
        bool fuera = false;
        for (int e = 0; e < 3 && !fuera; ++e) {
            float a = (nodo.bmin[e] - o[e]) * inv[e];
            float b = (nodo.bmax[e] - o[e]) * inv[e];
            if (a > b) std::swap(a, b);
            t0 = std::max(t0, a);
            t1 = std::min(t1, b);
            fuera = t0 > t1;
        }
        if (fuera) continue;
        if (nodo.cuenta > 0) {
            for (int k = nodo.segundo; k < nodo.segundo + nodo.cuenta; ++k) {
                const Poligono& p = poligonos_[k];
                if (p.id != excluido && cruza(p, o, d, tmin, tmax)) return true;
            }
            continue;
        }
        // Visit the nearer child first: a blocker near the origin ends the search sooner.
        const int primero = static_cast<int>(&nodo - nodos_.data()) + 1;
        if (tope + 2 > 128) return false; // unreachable for a balanced tree of < 2^60 polygons
        if (d[nodo.eje] >= 0.0f) {
            pila[tope++] = nodo.segundo;
            pila[tope++] = primero;
        } else {
            pila[tope++] = primero;
            pila[tope++] = nodo.segundo;
        }
    }
    return false;
}
