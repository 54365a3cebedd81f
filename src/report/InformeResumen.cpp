#include "report/InformeResumen.h"

#include "compliance/DatosComprobacion.h"
#include "report/ContextoInforme.h"

namespace {

const char* const kClases[3] = {"monolitico", "hermetico", "hermeticoBajaEmisividad"};

Json lista(const ResumenZonas::ListaU& l) {
    Json j;
    j["valores"] = JsonInforme::numeros(l.valores);
    j["maximo"] = JsonInforme::numero(l.maximo);
    j["limite"] = JsonInforme::numero(l.limite);
    j["cumple"] = l.cumple;
    j["texto"] = JsonInforme::texto(l.texto);
    return j;
}

Json vidrio(const ResumenZonas::ClaseVidrio& v, int k) {
    const Json nulo = nullptr;
    Json j;
    j["clase"] = kClases[k];
    j["area"] = JsonInforme::numero(v.area);
    j["porcentaje"] = v.presente ? JsonInforme::numero(v.porcentaje) : nulo;
    j["cuota"] = v.presente ? JsonInforme::numero(v.cuota) : nulo;
    j["porcentajeMaximo"] = v.presente ? JsonInforme::numero(v.maximo) : nulo;
    j["limite"] = JsonInforme::numero(v.limite);
    j["cumple"] = v.presente ? Json(v.cumple) : nulo;
    j["texto"] = v.presente ? JsonInforme::texto(v.texto) : nulo;
    return j;
}

} // namespace

Json InformeResumen::resumenZonas(const ContextoInforme& c) {
    if (!c.f.datos || !c.f.datos->resumen) return nullptr;
    const ResumenZonas::Resumen& r = *c.f.datos->resumen;
    Json j;
    j["muros"] = lista(r.muros);
    j["techumbres"] = lista(r.techumbres);
    j["pisos"] = lista(r.pisos);
    j["areas"] = {{"muros", JsonInforme::numero(r.areaMuros)},
                  {"bloque", JsonInforme::numero(r.areaBloque)},
                  {"ventanas", JsonInforme::numero(r.areaVentanas)},
                  {"envolvente", JsonInforme::numero(r.areaEnvolvente)},
                  {"sumaUA", JsonInforme::numero(r.sumaH)}};
    j["uPonderada"] = {{"valor", JsonInforme::numero(r.uPonderada)},
                       {"maximo", JsonInforme::numero(r.uPonderadaMaxima)},
                       {"dentroDeLimites", r.dentroDeLimites},
                       {"aplicada", r.aplicada},
                       {"reclasificado", r.reclasificado}};
    Json vidrios = Json::array();
    for (int k = 0; k < 3; ++k) vidrios.push_back(vidrio(r.vidrios[k], k));
    j["vidrios"] = std::move(vidrios);
    Json lineas = Json::array();
    for (const std::string& l : r.lineas) lineas.push_back(JsonInforme::texto(l));
    j["lineas"] = std::move(lineas);
    return j;
}
