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

namespace {

// A stated hygrometry: how it is stated and its values (null where not given).
Json higrometria(const std::string& origen, float hr, float g, float n, float clase) {
    Json j;
    j["origen"] = origen;
    j["clase"] = esNoDado(clase) ? Json(nullptr) : Json(static_cast<int>(std::lround(clase)));
    j["humedadRelativa"] = JsonInforme::numeroODado(hr);
    j["produccionVapor"] = JsonInforme::numeroODado(g);
    j["renovaciones"] = JsonInforme::numeroODado(n);
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
    Json j;
    j["tipo"] = JsonInforme::texto(ed.tipoEdificio);
    j["latitud"] = JsonInforme::numero(g.latitud);
    j["altitud"] = g.altitud == -99.0f ? Json(nullptr) : JsonInforme::numero(g.altitud);
    j["longitudReferencia"] = JsonInforme::numero(g.longitudReferencia);
    j["azimut"] = JsonInforme::numeroODado(ed.azimut);
    j["aislamientoPerimetral"] = {{"d", JsonInforme::numero(ed.dAislamientoPerimetral)},
                                  {"r", JsonInforme::numero(ed.rAislamientoPerimetral)}};
    j["higrometria"] = higrometria(g.origenHigrometria, g.higrometriaHR, g.higrometriaG,
                                   g.higrometriaN, g.claseHigrometria);
    float he = 0.0f, hi = 0.0f;
    peliculas(c, he, hi);
    j["hExterior"] = JsonInforme::numero(he);
    j["hInterior"] = JsonInforme::numero(hi);
    j["fRsiMinimo"] = c.f.datos && c.f.datos->conFRsiMinimo
                          ? JsonInforme::numero(c.f.datos->fRsiMinEdificio)
                          : Json(nullptr);
    j["particionesInternas"] = {{"sobrescribir", ed.particionesSobrescribir},
                                {"anadir", ed.particionesAnadir},
                                {"directo", ed.particionesDirecto}};
    return j;
}

Json InformeEdificio::limites(const ContextoInforme& c) {
    if (!c.f.datos || !c.f.datos->limitesCargados) return nullptr;
    const LimitesZona& l = c.f.datos->limites;
    Json j;
    j["fichero"] = JsonInforme::texto(l.fichero);
    j["zona"] = JsonInforme::texto(l.zona);
    j["uMuros"] = JsonInforme::numero(l.uMuros);
    j["uSuelos"] = JsonInforme::numero(l.uSuelos);
    j["uCubiertas"] = JsonInforme::numero(l.uCubiertas);
    j["uHuecos"] = JsonInforme::numero(l.uHuecos);
    j["uMedianeras"] = JsonInforme::numero(l.uMedianeras);
    j["uParticionesNoAcondicionadas"] = JsonInforme::numero(l.uParticionesNoAcondicionadas);
    j["permeabilidadHuecos"] = JsonInforme::numero(l.permeabilidadHuecos);
    j["fRsiMinimo"] = JsonInforme::numeros(l.fRsiMinimo, 3);
    const bool numerado = !l.porOrientacion;
    j["porcentajeVentanas"] =
        numerado ? JsonInforme::numeros(l.porcentajeVentanas, 3) : Json(nullptr);
    j["uPonderada"] = numerado ? JsonInforme::numero(l.uPonderada) : Json(nullptr);
    j["porcentajePonderado"] =
        numerado ? JsonInforme::numero(l.porcentajePonderado) : Json(nullptr);
    return j;
}

Json InformeEdificio::clima(const ContextoInforme& c) {
    if (!c.f.meteo || !c.f.Te || !c.f.HRe || !c.f.Ti || !c.f.HRi) return nullptr;
    Json j;
    j["fichero"] = JsonInforme::texto(c.f.parametros.size() > 1 ? c.f.parametros[1] : "");
    j["temperaturaExterior"] = doce(c.f.Te);
    j["humedadExterior"] = doce(c.f.HRe);
    j["temperaturaInterior"] = doce(c.f.Ti);
    j["humedadInterior"] = doce(c.f.HRi);
    j["temperaturaMediaAnual"] = JsonInforme::numero(c.f.meteo->temperaturaAnual);
    return j;
}

Json InformeEdificio::plantas(const ContextoInforme& c) {
    Json a = Json::array();
    if (!c.f.edificio) return a;
    for (const Planta& p : c.f.edificio->plantas) {
        Json poligono = Json::array();
        for (const Point3& v : p.verticesColocados)
            poligono.push_back(Json::array({JsonInforme::numero(v.x), JsonInforme::numero(v.y)}));
        Json j;
        j["nombre"] = JsonInforme::texto(p.nombre);
        j["z"] = JsonInforme::numero(p.z);
        j["alturaEspacios"] = JsonInforme::numero(p.alturaEspacio);
        j["multiplicador"] = JsonInforme::numero(p.multiplicador);
        j["poligono"] = std::move(poligono);
        a.push_back(std::move(j));
    }
    return a;
}

Json InformeEdificio::espacios(const ContextoInforme& c) {
    Json a = Json::array();
    if (!c.f.edificio) return a;
    for (int i = 0; i < c.f.edificio->numEspacios(); ++i) a.push_back(espacio(c, i));
    return a;
}

Json InformeEdificio::espacio(const ContextoInforme& c, int i) {
    const Espacio& s = c.f.edificio->espacios[i];
    const Zona* z = s.zona.get();
    const DatosComprobacion* d = c.f.datos;
    const bool conHigrometria =
        d && i < static_cast<int>(d->conHigrometria.size()) && d->conHigrometria[i];
    Json poligono = Json::array();
    for (const Point3& v : s.verticesColocados)
        poligono.push_back(Json::array(
            {JsonInforme::numero(v.x), JsonInforme::numero(v.y), JsonInforme::numero(v.z)}));
    Json j;
    j["nombre"] = JsonInforme::texto(s.nombre);
    j["planta"] = JsonInforme::indiceONulo(s.planta);
    j["poligono"] = std::move(poligono);
    j["altura"] = JsonInforme::numero(s.altura);
    j["area"] = JsonInforme::numero(s.area);
    j["volumen"] = JsonInforme::numero(s.area * s.altura);
    j["habitable"] = z ? z->habitable : false;
    j["acondicionado"] = z ? z->acondicionado : false;
    j["multiplicador"] = JsonInforme::numero(s.multiplicador);
    j["multiplicado"] = s.multiplicado;
    j["condicionesOperacionales"] =
        JsonInforme::texto(z && z->condiciones ? z->condiciones->nombre : "");
    j["condicionesSistemas"] = JsonInforme::texto(z && z->sistema ? z->sistema->nombre : "");
    j["higrometria"] = z ? higrometria(z->origenHigrometria, z->higrometriaHR, z->higrometriaG,
                                       z->higrometriaN, z->claseHigrometria)
                         : higrometria("defecto", kNoDado, kNoDado, kNoDado, kNoDado);
    j["humedadInterior"] =
        conHigrometria ? JsonInforme::numero(d->higrometria[i].humedadInterior) : Json(nullptr);
    j["fRsiMinimo"] =
        conHigrometria ? JsonInforme::numero(d->higrometria[i].fRsiMin) : Json(nullptr);
    j["factorReduccion"] = d && i < static_cast<int>(d->factorReduccion.size())
                               ? JsonInforme::numero(d->factorReduccion[i])
                               : Json(nullptr);
    return j;
}
