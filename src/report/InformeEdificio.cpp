#include "report/InformeEdificio.h"

#include <cmath>

#include "base/Valores.h"
#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "climate/Meteo.h"
#include "compliance/DatosComprobacion.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"
#include "report/ContextoInforme.h"
#include "report/DocumentoJson.h"

namespace {

// A stated hygrometry: how it is stated and its values (null where not given).
Json higrometria(const std::string& origen, float hr, float g, float n, float clase) {
    Json j = JsonInforme::objeto(5);
    JsonInforme::anadir(j, "origen", origen);
    JsonInforme::anadir(
        j, "clase", esNoDado(clase) ? Json(nullptr) : Json(static_cast<int>(std::lround(clase))));
    JsonInforme::anadir(j, "humedadRelativa", JsonInforme::numeroODado(hr));
    JsonInforme::anadir(j, "produccionVapor", JsonInforme::numeroODado(g));
    JsonInforme::anadir(j, "renovaciones", JsonInforme::numeroODado(n));
    return j;
}

float valorOCero(const Opcional<float>& o) {
    return o.presente ? o.valor : 0.0f;
}

// The film coefficients of the checks: those the check used, else the defaults file's.
void peliculas(const ContextoInforme& c, float& he, float& hi) {
    if (c.f.datos && c.f.datos->conPeliculas) {
        he = c.f.datos->he;
        hi = c.f.datos->hi;
    } else if (c.f.defectos) {
        he = valorOCero(c.f.defectos->hcext) + c.f.defectos->hrext;
        hi = valorOCero(c.f.defectos->hcint) + valorOCero(c.f.defectos->hrint);
    } else {
        he = hi = 0.0f;
    }
}

Json doce(const float* v) {
    return JsonInforme::numeros(v, 12);
}

} // namespace

Json InformeEdificio::edificio(const ContextoInforme& c) {
    if (!c.f.edificio || !c.f.global) return nullptr;
    const Edificio& ed = *c.f.edificio;
    const Global2& g = *c.f.global;
    Json j = JsonInforme::objeto(11);
    JsonInforme::anadir(j, "tipo", JsonInforme::texto(ed.tipoEdificio));
    JsonInforme::anadir(j, "latitud", JsonInforme::numero(g.latitud));
    JsonInforme::anadir(j, "altitud",
                        g.altitud == -99.0f ? Json(nullptr) : JsonInforme::numero(g.altitud));
    JsonInforme::anadir(j, "longitudReferencia", JsonInforme::numero(g.longitudReferencia));
    JsonInforme::anadir(j, "azimut", JsonInforme::numeroODado(ed.azimut));
    JsonInforme::anadir(j, "aislamientoPerimetral",
                        {{"d", JsonInforme::numero(ed.dAislamientoPerimetral)},
                         {"r", JsonInforme::numero(ed.rAislamientoPerimetral)}});
    JsonInforme::anadir(j, "higrometria",
                        higrometria(g.origenHigrometria, g.higrometriaHR, g.higrometriaG,
                                    g.higrometriaN, g.claseHigrometria));
    float he = 0.0f, hi = 0.0f;
    peliculas(c, he, hi);
    JsonInforme::anadir(j, "hExterior", JsonInforme::numero(he));
    JsonInforme::anadir(j, "hInterior", JsonInforme::numero(hi));
    JsonInforme::anadir(j, "fRsiMinimo",
                        c.f.datos && c.f.datos->conFRsiMinimo
                            ? JsonInforme::numero(c.f.datos->fRsiMinEdificio)
                            : Json(nullptr));
    JsonInforme::anadir(j, "particionesInternas",
                        {{"sobrescribir", ed.particionesSobrescribir},
                         {"anadir", ed.particionesAnadir},
                         {"directo", ed.particionesDirecto}});
    return j;
}

Json InformeEdificio::limites(const ContextoInforme& c) {
    if (!c.f.datos || !c.f.datos->limitesCargados) return nullptr;
    const LimitesZona& l = c.f.datos->limites;
    Json j = JsonInforme::objeto(13);
    JsonInforme::anadir(j, "fichero", JsonInforme::texto(l.fichero));
    JsonInforme::anadir(j, "zona", JsonInforme::texto(l.zona));
    JsonInforme::anadir(j, "uMuros", JsonInforme::numero(l.uMuros));
    JsonInforme::anadir(j, "uSuelos", JsonInforme::numero(l.uSuelos));
    JsonInforme::anadir(j, "uCubiertas", JsonInforme::numero(l.uCubiertas));
    JsonInforme::anadir(j, "uHuecos", JsonInforme::numero(l.uHuecos));
    JsonInforme::anadir(j, "uMedianeras", JsonInforme::numero(l.uMedianeras));
    JsonInforme::anadir(j, "uParticionesNoAcondicionadas",
                        JsonInforme::numero(l.uParticionesNoAcondicionadas));
    JsonInforme::anadir(j, "permeabilidadHuecos", JsonInforme::numero(l.permeabilidadHuecos));
    JsonInforme::anadir(j, "fRsiMinimo", JsonInforme::numeros(l.fRsiMinimo, 3));
    const bool numerado = !l.porOrientacion;
    JsonInforme::anadir(j, "porcentajeVentanas",
                        numerado ? JsonInforme::numeros(l.porcentajeVentanas, 3) : Json(nullptr));
    JsonInforme::anadir(j, "uPonderada",
                        numerado ? JsonInforme::numero(l.uPonderada) : Json(nullptr));
    JsonInforme::anadir(j, "porcentajePonderado",
                        numerado ? JsonInforme::numero(l.porcentajePonderado) : Json(nullptr));
    return j;
}

Json InformeEdificio::clima(const ContextoInforme& c) {
    if (!c.f.meteo || !c.f.Te || !c.f.HRe || !c.f.Ti || !c.f.HRi) return nullptr;
    Json j = JsonInforme::objeto(6);
    JsonInforme::anadir(j, "fichero",
                        JsonInforme::texto(c.f.parametros.size() > 1 ? c.f.parametros[1] : ""));
    JsonInforme::anadir(j, "temperaturaExterior", doce(c.f.Te));
    JsonInforme::anadir(j, "humedadExterior", doce(c.f.HRe));
    JsonInforme::anadir(j, "temperaturaInterior", doce(c.f.Ti));
    JsonInforme::anadir(j, "humedadInterior", doce(c.f.HRi));
    JsonInforme::anadir(j, "temperaturaMediaAnual",
                        JsonInforme::numero(c.f.meteo->temperaturaAnual));
    return j;
}

Json InformeEdificio::plantas(const ContextoInforme& c) {
    Json a = Json::array();
    if (!c.f.edificio) return a;
    for (const Planta& p : c.f.edificio->plantas) {
        Json poligono = Json::array();
        for (const Point3& v : p.verticesColocados)
            poligono.push_back(JsonInforme::punto(v.x, v.y));
        Json j = JsonInforme::objeto(5);
        JsonInforme::anadir(j, "nombre", JsonInforme::texto(p.nombre));
        JsonInforme::anadir(j, "z", JsonInforme::numero(p.z));
        JsonInforme::anadir(j, "alturaEspacios", JsonInforme::numero(p.alturaEspacio));
        JsonInforme::anadir(j, "multiplicador", JsonInforme::numero(p.multiplicador));
        JsonInforme::anadir(j, "poligono", std::move(poligono));
        a.push_back(std::move(j));
    }
    return a;
}

void InformeEdificio::espacios(const ContextoInforme& c, DocumentoJson& d) {
    d.abrirLista("espacios");
    const int n = c.f.edificio ? c.f.edificio->numEspacios() : 0;
    for (int i = 0; i < n; ++i) {
        MontonJson::Zona zona;
        d.item(espacio(c, i));
    }
    d.cerrarLista();
}

Json InformeEdificio::espacio(const ContextoInforme& c, int i) {
    const Espacio& s = c.f.edificio->espacios[i];
    const Zona* z = s.zona.get();
    const DatosComprobacion* d = c.f.datos;
    const bool conHigrometria =
        d && i < static_cast<int>(d->conHigrometria.size()) && d->conHigrometria[i];
    Json poligono = Json::array();
    for (const Point3& v : s.verticesColocados)
        poligono.push_back(JsonInforme::punto(v.x, v.y, v.z));
    Json j = JsonInforme::objeto(16);
    JsonInforme::anadir(j, "nombre", JsonInforme::texto(s.nombre));
    JsonInforme::anadir(j, "planta", JsonInforme::indiceONulo(s.planta));
    JsonInforme::anadir(j, "poligono", std::move(poligono));
    JsonInforme::anadir(j, "altura", JsonInforme::numero(s.altura));
    JsonInforme::anadir(j, "area", JsonInforme::numero(s.area));
    JsonInforme::anadir(j, "volumen", JsonInforme::numero(s.area * s.altura));
    JsonInforme::anadir(j, "habitable", z ? z->habitable : false);
    JsonInforme::anadir(j, "acondicionado", z ? z->acondicionado : false);
    JsonInforme::anadir(j, "multiplicador", JsonInforme::numero(s.multiplicador));
    JsonInforme::anadir(j, "multiplicado", s.multiplicado);
    JsonInforme::anadir(j, "condicionesOperacionales",
                        JsonInforme::texto(z && z->condiciones ? z->condiciones->nombre : ""));
    JsonInforme::anadir(j, "condicionesSistemas",
                        JsonInforme::texto(z && z->sistema ? z->sistema->nombre : ""));
    JsonInforme::anadir(j, "higrometria",
                        z ? higrometria(z->origenHigrometria, z->higrometriaHR, z->higrometriaG,
                                        z->higrometriaN, z->claseHigrometria)
                          : higrometria("defecto", kNoDado, kNoDado, kNoDado, kNoDado));
    JsonInforme::anadir(j, "humedadInterior",
                        conHigrometria ? JsonInforme::numero(d->higrometria[i].humedadInterior)
                                       : Json(nullptr));
    JsonInforme::anadir(j, "fRsiMinimo",
                        conHigrometria ? JsonInforme::numero(d->higrometria[i].fRsiMin)
                                       : Json(nullptr));
    JsonInforme::anadir(j, "factorReduccion",
                        d && i < static_cast<int>(d->factorReduccion.size())
                            ? JsonInforme::numero(d->factorReduccion[i])
                            : Json(nullptr));
    return j;
}
