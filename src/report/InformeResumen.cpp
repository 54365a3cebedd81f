#include "report/InformeResumen.h"

#include "compliance/DatosComprobacion.h"
#include "report/ContextoInforme.h"

namespace {

const char* const kClases[3] = {"monolitico", "hermetico", "hermeticoBajaEmisividad"};

Json lista(const ResumenZonas::ListaU& l) {
    Json j = JsonInforme::objeto(5);
    JsonInforme::anadir(j, "valores", JsonInforme::numeros(l.valores));
    JsonInforme::anadir(j, "maximo", JsonInforme::numero(l.maximo));
    JsonInforme::anadir(j, "limite", JsonInforme::numero(l.limite));
    JsonInforme::anadir(j, "cumple", l.cumple);
    JsonInforme::anadir(j, "texto", JsonInforme::texto(l.texto));
    return j;
}

Json vidrio(const ResumenZonas::ClaseVidrio& v, int k) {
    const Json nulo = nullptr;
    Json j = JsonInforme::objeto(8);
    JsonInforme::anadir(j, "clase", kClases[k]);
    JsonInforme::anadir(j, "area", JsonInforme::numero(v.area));
    JsonInforme::anadir(j, "porcentaje", v.presente ? JsonInforme::numero(v.porcentaje) : nulo);
    JsonInforme::anadir(j, "cuota", v.presente ? JsonInforme::numero(v.cuota) : nulo);
    JsonInforme::anadir(j, "porcentajeMaximo", v.presente ? JsonInforme::numero(v.maximo) : nulo);
    JsonInforme::anadir(j, "limite", JsonInforme::numero(v.limite));
    JsonInforme::anadir(j, "cumple", v.presente ? Json(v.cumple) : nulo);
    JsonInforme::anadir(j, "texto", v.presente ? JsonInforme::texto(v.texto) : nulo);
    return j;
}

} // namespace

Json InformeResumen::resumenZonas(const ContextoInforme& c) {
    if (!c.f.datos || !c.f.datos->resumen) return nullptr;
    const ResumenZonas::Resumen& r = *c.f.datos->resumen;
    Json j = JsonInforme::objeto(7);
    JsonInforme::anadir(j, "muros", lista(r.muros));
    JsonInforme::anadir(j, "techumbres", lista(r.techumbres));
    JsonInforme::anadir(j, "pisos", lista(r.pisos));
    JsonInforme::anadir(j, "areas",
                        {{"muros", JsonInforme::numero(r.areaMuros)},
                         {"bloque", JsonInforme::numero(r.areaBloque)},
                         {"ventanas", JsonInforme::numero(r.areaVentanas)},
                         {"envolvente", JsonInforme::numero(r.areaEnvolvente)},
                         {"sumaUA", JsonInforme::numero(r.sumaH)}});
    JsonInforme::anadir(j, "uPonderada",
                        {{"valor", JsonInforme::numero(r.uPonderada)},
                         {"maximo", JsonInforme::numero(r.uPonderadaMaxima)},
                         {"dentroDeLimites", r.dentroDeLimites},
                         {"aplicada", r.aplicada},
                         {"reclasificado", r.reclasificado}});
    Json vidrios = Json::array();
    for (int k = 0; k < 3; ++k) vidrios.push_back(vidrio(r.vidrios[k], k));
    JsonInforme::anadir(j, "vidrios", std::move(vidrios));
    Json lineas = Json::array();
    for (const std::string& l : r.lineas) lineas.push_back(JsonInforme::texto(l));
    JsonInforme::anadir(j, "lineas", std::move(lineas));
    return j;
}
