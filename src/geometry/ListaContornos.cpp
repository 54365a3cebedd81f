#include "geometry/ListaContornos.h"

#include <cmath>

#include "base/ErrorFatal.h"
#include "geometry/PoliArea.h"
#include "input/Global2.h"

namespace {
const char* const kMensajeCapacidad =
    "Error Grave de Definici\xF3n Geom\xE9trica. Provoca que: El numero maximo de puentes termicos "
    "se ha sobrepasado";

// A piece of an edge waiting to be merged.
struct Pieza {
    Point3 a, b;
    const Point3* nodoA;
    const Point3* nodoB;
};
} // namespace

ListaContornos::ListaContornos(long capacidad, double celda)
    : capacidad_(capacidad), indice_(celda, 2.0 * ElementContour::kTolerancia) {}

void ListaContornos::anadir(std::unique_ptr<ElementContour> c) {
    indice_.insertar(numero(), c->A, c->B);
    contornos.push_back(std::move(c));
    if (static_cast<long>(contornos.size()) == capacidad_) comprobar(false, kMensajeCapacidad);
}

void ListaContornos::fusionar(const Point3& a, const Point3& b, int elemento, const Point3* nodoA,
                              const Point3* nodoB) {
    // Depth first, the piece at the edge's end A first: the order of a recursive merge.
    std::vector<Pieza> pendientes{Pieza{a, b, nodoA, nodoB}};
    while (!pendientes.empty()) {
        Pieza p = pendientes.back();
        pendientes.pop_back();
        ElementContour s(p.a, p.b);
        indice_.candidatos(p.a, p.b, candidatos_);
        bool fusionado = false;
        for (int id : candidatos_) {
            ElementContour& e = *contornos[id];
            ElementContour::Corte corte = s.partir(e);
            if (!corte.solapa) continue;
            fusionado = true;
            if (corte.igual()) {
                e.anadirTocante(elemento);
                break;
            }
            std::vector<int> previos = e.tocan;
            if (!(corte.comunA.x == e.A.x && corte.comunA.y == e.A.y && corte.comunA.z == e.A.z))
                e.nodoA = nullptr;
            if (!(corte.comunB.x == e.B.x && corte.comunB.y == e.B.y && corte.comunB.z == e.B.z))
                e.nodoB = nullptr;
            e.A = corte.comunA;
            e.B = corte.comunB;
            e.anadirTocante(elemento);
            for (int k = 0; k < corte.numRestosOtro; ++k) {
                auto resto = std::make_unique<ElementContour>(corte.otroA[k], corte.otroB[k]);
                resto->tocan = previos;
                anadir(std::move(resto));
            }
            for (int k = corte.numRestos - 1; k >= 0; --k)
                pendientes.push_back(Pieza{corte.restoA[k], corte.restoB[k], nullptr, nullptr});
            break;
        }
        if (!fusionado) {
            auto nuevo = std::make_unique<ElementContour>(p.a, p.b);
            nuevo->nodoA = p.nodoA;
            nuevo->nodoB = p.nodoB;
            nuevo->anadirTocante(elemento);
            anadir(std::move(nuevo));
        }
    }
}

void ListaContornos::aristas(const PoliArea& p,
                             std::vector<std::pair<const Point3*, const Point3*>>& a) {
    a.clear();
    if (p.numContornos() < 1 || !p.contornos[0]) return;
    const PLinea& c = *p.contornos[0];
    int n = c.numNodos();
    for (int k = 1; k < n; ++k)
        if (c.nodo(k - 1) && c.nodo(k)) a.emplace_back(c.nodo(k - 1), c.nodo(k));
    if (n > 1 && c.nodo(n - 1) && c.nodo(0)) a.emplace_back(c.nodo(n - 1), c.nodo(0));
}

void ListaContornos::fusionarPoligono(const PoliArea& p, int elemento) {
    std::vector<std::pair<const Point3*, const Point3*>> a;
    aristas(p, a);
    for (const auto& par : a) fusionar(*par.first, *par.second, elemento, par.first, par.second);
}

void ListaContornos::solapados(const Point3& a, const Point3& b, std::vector<int>& indices) const {
    indices.clear();
    ElementContour s(a, b);
    indice_.candidatos(a, b, candidatos_);
    for (int id : candidatos_)
        if (s.solapa(*contornos[id])) indices.push_back(id);
}

double ListaContornos::longitudMediaAristas(const std::vector<const PoliArea*>& poligonos) {
    double suma = 0.0;
    long n = 0;
    std::vector<std::pair<const Point3*, const Point3*>> a;
    for (const PoliArea* p : poligonos) {
        if (!p) continue;
        aristas(*p, a);
        for (const auto& par : a) {
            double l = (*par.first - *par.second).norma();
            if (std::isfinite(l)) {
                suma += l;
                ++n;
            }
        }
    }
    return n > 0 ? suma / static_cast<double>(n) : 1.0;
}
