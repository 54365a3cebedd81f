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
#include "report/DocumentoJson.h"

namespace {

Json punto(const Space3& p) {
    return JsonInforme::punto(p.x, p.y, p.z);
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
        if (id >= 0 && id < c.numEnRegistros && c.puentesComprobados(id)) return true;
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
        Json j = JsonInforme::objeto(7);
        JsonInforme::anadir(j, "nombre", JsonInforme::texto(e->nombre));
        JsonInforme::anadir(j, "elemento", c.indice(e.get()));
        JsonInforme::anadir(j, "espacios", Json::array({z1, z2}));
        JsonInforme::anadir(j, "planta", JsonInforme::indiceONulo(c.plantaDeEspacio(z1)));
        JsonInforme::anadir(j, "segmento", Json::array({punto(nodo(p, 0)), punto(nodo(p, 3))}));
        JsonInforme::anadir(j, "longitud", JsonInforme::numero(e->anchura));
        JsonInforme::anadir(j, "altura", JsonInforme::numero(e->altura));
        a.push_back(std::move(j));
    }
    return a;
}

void InformePuentes::puentesTermicos(const ContextoInforme& c, DocumentoJson& d) {
    d.abrirLista("puentesTermicos");
    if (c.f.edificio) puentes(c, d);
    d.cerrarLista();
}

void InformePuentes::puentes(const ContextoInforme& c, DocumentoJson& d) {
    const bool conMinimo = c.f.datos && c.f.datos->conFRsiMinimo;
    for (const auto& b : c.f.edificio->puentes) {
        MontonJson::Zona zona;
        Json j = JsonInforme::objeto(13);
        JsonInforme::anadir(j, "tipo", JsonInforme::texto(b->nombreTipo));
        JsonInforme::anadir(j, "tipoIndice", b->tipo);
        JsonInforme::anadir(j, "ttl", JsonInforme::numero(b->ttl));
        JsonInforme::anadir(j, "fRsi", JsonInforme::numero(b->frsi));
        JsonInforme::anadir(j, "angulo", angulo(c, *b));
        JsonInforme::anadir(j, "longitud", JsonInforme::numero(b->longitud()));
        JsonInforme::anadir(j, "a", punto(b->A));
        JsonInforme::anadir(j, "b", punto(b->B));
        JsonInforme::anadir(j, "elementos", JsonInforme::indices(b->tocan));
        JsonInforme::anadir(j, "cargados", JsonInforme::indices(b->cargar));
        JsonInforme::anadir(j, "espacios", JsonInforme::indices(b->zonas));
        const int primero = b->tocan.empty() ? -1 : b->tocan.front();
        JsonInforme::anadir(
            j, "planta",
            JsonInforme::indiceONulo(primero >= 0 && primero < static_cast<int>(c.elementos.size())
                                         ? c.plantaDeEspacio(c.espacioDe(*c.elementos[primero]))
                                         : -1));
        JsonInforme::anadir(j, "cumple",
                            conMinimo && algunoComprobado(c, *b)
                                ? Json(b->frsi >= c.f.datos->fRsiMinEdificio)
                                : Json(nullptr));
        d.item(j);
    }
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
        Json j = JsonInforme::objeto(5);
        const bool conNombre =
            c.f.defectos && fila >= 0 && fila < static_cast<int>(c.f.defectos->puentes.size());
        JsonInforme::anadir(j, "tipo",
                            conNombre ? JsonInforme::texto(c.f.defectos->puentes[fila].nombre)
                                      : Json(""));
        JsonInforme::anadir(j, "fRsi", JsonInforme::numero(r->valor));
        JsonInforme::anadir(j, "fRsiMinimo", JsonInforme::numero(r->limite));
        JsonInforme::anadir(j, "cumple", r->cumple);
        JsonInforme::anadir(j, "texto", JsonInforme::texto(r->texto));
        a.push_back(std::move(j));
    }
    return a;
}
