#include "report/InformePuentes.h"

#include <map>

#include "building/Edificio.h"
#include "building/PuentesTermicos.h"
#include "compliance/DatosComprobacion.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"
#include "report/ContextoInforme.h"

namespace {

Json punto(const Space3& p) {
    return Json::array(
        {JsonInforme::numero(p.x), JsonInforme::numero(p.y), JsonInforme::numero(p.z)});
}

Json indices(const std::vector<int>& v) {
    Json a = Json::array();
    for (int i : v) a.push_back(i);
    return a;
}

// Node k of a polygon's outer contour, or the origin when it has none.
Point3 nodo(const PoliArea* p, int k) {
    if (!p || p->contornos.empty() || !p->contornos[0] || k >= p->contornos[0]->numNodos() ||
        !p->contornos[0]->nodo(k))
        return Point3();
    return *p->contornos[0]->nodo(k);
}

// The angle between the first two elements charged with the bridge, as its classification
// measured it (180 when fewer than two are charged); null for a bridge of one element.
Json angulo(const ContextoInforme& c, const ElementContour& b) {
    if (b.numTocan() < 2) return nullptr;
    if (b.cargar.size() < 2) return JsonInforme::numero(180.0f);
    const std::vector<Elemento*>& regs = c.f.edificio->registros();
    return JsonInforme::numero(PuentesTermicos::angulo(*regs[b.cargar[0]], *regs[b.cargar[1]], b));
}

// Whether some element charged with the bridge had its thermal bridges checked.
bool algunoComprobado(const ContextoInforme& c, const ElementContour& b) {
    for (int id : b.cargar)
        if (id >= 0 && id < c.numEnRegistros)
            for (const ResultadoComprobacion* r : c.resultadosDe(id))
                if (r->tipo == TipoComprobacion::PuenteTermico) return true;
    return false;
}

} // namespace

Json InformePuentes::particiones(const ContextoInforme& c) {
    Json a = Json::array();
    if (!c.f.edificio) return a;
    for (const auto& e : c.f.edificio->elementos) {
        if (e->codigo != kParticion || e->lados.size() < 2) continue;
        const int z1 = -e->lados[0] - 1, z2 = -e->lados[1] - 1;
        // The second polygon holds A, A up, B up, B.
        const PoliArea* p = e->poligono2 ? e->poligono2.get() : e->poligono.get();
        Json j;
        j["nombre"] = JsonInforme::texto(e->nombre);
        j["elemento"] = c.indice(e.get());
        j["espacios"] = Json::array({z1, z2});
        j["planta"] = JsonInforme::indiceONulo(c.plantaDeEspacio(z1));
        j["segmento"] = Json::array({punto(nodo(p, 0)), punto(nodo(p, 3))});
        j["longitud"] = JsonInforme::numero(e->anchura);
        j["altura"] = JsonInforme::numero(e->altura);
        a.push_back(std::move(j));
    }
    return a;
}

Json InformePuentes::puentesTermicos(const ContextoInforme& c) {
    Json a = Json::array();
    if (!c.f.edificio) return a;
    const bool conMinimo = c.f.datos && c.f.datos->conFRsiMinimo;
    for (const auto& b : c.f.edificio->puentes) {
        Json j;
        j["tipo"] = JsonInforme::texto(b->nombreTipo);
        j["tipoIndice"] = b->tipo;
        j["ttl"] = JsonInforme::numero(b->ttl);
        j["fRsi"] = JsonInforme::numero(b->frsi);
        j["angulo"] = angulo(c, *b);
        j["longitud"] = JsonInforme::numero(b->longitud());
        j["a"] = punto(b->A);
        j["b"] = punto(b->B);
        j["elementos"] = indices(b->tocan);
        j["cargados"] = indices(b->cargar);
        j["espacios"] = indices(b->zonas);
        const int primero = b->tocan.empty() ? -1 : b->tocan.front();
        j["planta"] =
            JsonInforme::indiceONulo(primero >= 0 && primero < static_cast<int>(c.elementos.size())
                                         ? c.plantaDeEspacio(c.espacioDe(*c.elementos[primero]))
                                         : -1);
        j["cumple"] = conMinimo && algunoComprobado(c, *b)
                          ? Json(b->frsi >= c.f.datos->fRsiMinEdificio)
                          : Json(nullptr);
        a.push_back(std::move(j));
    }
    return a;
}

// One entry per bridge type that was checked, in table order: the result that failed first, or
// the first one.
Json InformePuentes::comprobacionesPuentes(const ContextoInforme& c) {
    Json a = Json::array();
    if (!c.f.global) return a;
    std::map<int, const ResultadoComprobacion*> porTipo;
    for (const ResultadoComprobacion& r : c.f.global->resultados().resultados()) {
        if (r.tipo != TipoComprobacion::PuenteTermico) continue;
        auto it = porTipo.find(r.fila);
        if (it == porTipo.end())
            porTipo.emplace(r.fila, &r);
        else if (it->second->cumple && !r.cumple)
            it->second = &r;
    }
    for (const auto& [fila, r] : porTipo) {
        Json j;
        const bool conNombre =
            c.f.defectos && fila >= 0 && fila < static_cast<int>(c.f.defectos->puentes.size());
        j["tipo"] = conNombre ? JsonInforme::texto(c.f.defectos->puentes[fila].nombre) : Json("");
        j["fRsi"] = JsonInforme::numero(r->valor);
        j["fRsiMinimo"] = JsonInforme::numero(r->limite);
        j["cumple"] = r->cumple;
        j["texto"] = JsonInforme::texto(r->texto);
        a.push_back(std::move(j));
    }
    return a;
}
