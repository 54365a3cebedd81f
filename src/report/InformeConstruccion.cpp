#include "report/InformeConstruccion.h"

#include <cmath>
#include <cstring>

#include "base/Valores.h"
#include "envelope/Underground.h"
#include "envelope/Ventana.h"
#include "envelope/VidrioComplejo.h"
#include "envelope/VidrioSimple.h"
#include "input/ValoresPorDefecto.h"

namespace {

Json capa(const Capa& c) {
    const bool conPropiedades = std::strcmp(c.tipo, "RESISTANCE") != 0;
    Json j;
    j["material"] = JsonInforme::texto(c.material);
    j["tipo"] = c.tipo;
    j["espesor"] = JsonInforme::numero(c.espesor);
    j["conductividad"] = conPropiedades ? JsonInforme::numero(c.conductividad) : Json(nullptr);
    j["resistencia"] = JsonInforme::numero(c.resistenciaTermica());
    j["resistenciaAnadida"] = JsonInforme::numero(c.resistenciaAnadida);
    j["densidad"] = conPropiedades ? JsonInforme::numero(c.densidad) : Json(nullptr);
    j["calorEspecifico"] = conPropiedades ? JsonInforme::numero(c.calorEspecifico) : Json(nullptr);
    j["factorDifusion"] =
        c.factorDifusion >= 0.0f ? JsonInforme::numero(c.factorDifusion) : Json(nullptr);
    j["sd"] = JsonInforme::numero(c.vapor);
    return j;
}

const char* posicionTerreno(const Underground& u) {
    if (u.esMuro) return "muro";
    if (u.esSuperior) return "techo";
    return "solera";
}

const char* metodoTerreno(Underground::MetodoTerreno m) {
    switch (m) {
    case Underground::MetodoTerreno::SoleraConAislamiento:
        return "soleraConAislamiento";
    case Underground::MetodoTerreno::SoleraSinAislamiento:
        return "soleraSinAislamiento";
    case Underground::MetodoTerreno::SoleraEnterrada:
        return "soleraEnterrada";
    case Underground::MetodoTerreno::MuroEnterrado:
        return "muroEnterrado";
    case Underground::MetodoTerreno::UPropia:
        return "uPropia";
    case Underground::MetodoTerreno::SinBorde:
        return "sinBorde";
    }
    return "sinBorde";
}

} // namespace

Json InformeConstruccion::construccion(const Elemento& e) {
    const Elemento1D* m = dynamic_cast<const Elemento1D*>(&e);
    if (!m || dynamic_cast<const Ventana*>(&e)) return nullptr;
    Json j;
    j["nombre"] = m->construccion.empty() ? Json(nullptr) : JsonInforme::texto(m->construccion);
    j["tipo"] = JsonInforme::texto(m->tipoConstruccion);
    j["uDada"] = JsonInforme::numeroODado(m->uDada);
    Json capas = Json::array();
    for (const Capa& c : m->capas) capas.push_back(capa(c));
    j["capas"] = std::move(capas);
    j["uCapas"] = JsonInforme::numero(m->U);
    j["masa"] = JsonInforme::numero(m->masa);
    return j;
}

Json InformeConstruccion::filasPuentes(const Elemento& e, const ValoresPorDefecto* defectos) {
    Json a = Json::array();
    const int numTipos = static_cast<int>(e.puentes.size()) - 1;
    for (int t = 0; t <= numTipos; ++t) {
        const FilaPuente& f = e.puentes[t];
        if (!(f.longitud > 0.0f)) continue;
        Json j;
        if (t < numTipos && defectos && t < static_cast<int>(defectos->puentes.size()))
            j["tipo"] = JsonInforme::texto(defectos->puentes[t].nombre);
        else
            j["tipo"] = nullptr;
        j["ttl"] = JsonInforme::numero(f.ttl);
        j["fRsi"] = JsonInforme::numero(f.frsi);
        j["longitud"] = JsonInforme::numero(f.longitud);
        a.push_back(std::move(j));
    }
    return a;
}

int InformeConstruccion::clasePermeabilidad(float p) {
    if (p <= 3.0f) return 4;
    if (p <= 9.0f) return 3;
    if (p <= 27.0f) return 2;
    if (p <= 50.0f) return 1;
    return 0;
}

Json InformeConstruccion::ventana(const Elemento& e) {
    const Ventana* v = dynamic_cast<const Ventana*>(&e);
    if (!v) return nullptr;
    const VidrioSimple* simple = dynamic_cast<const VidrioSimple*>(v->vidrio.get());
    Json j;
    j["puerta"] = v->esPuerta();
    j["motivoPuerta"] =
        !v->esPuerta() ? Json(nullptr) : Json(v->fraccionMarco > 0.5f ? "marco" : "infiltracion");
    j["anchura"] = JsonInforme::numero(v->ancho);
    j["altura"] = JsonInforme::numero(v->alto);
    j["area"] = JsonInforme::numero(v->A);
    j["areaVidrio"] = JsonInforme::numero(v->areaVidrio);
    j["areaMarco"] = JsonInforme::numero(v->areaMarco);
    j["anchoMarco"] = JsonInforme::numero(v->marco ? v->marco->ancho : 0.0f);
    j["fraccionMarco"] = JsonInforme::numero(v->fraccionMarco);
    j["vidrio"] = JsonInforme::texto(v->nombreVidrio);
    j["tipoVidrio"] = simple ? "simple" : "complejo";
    const float ug = v->vidrio ? v->vidrio->U() : 0.0f;
    j["uVidrio"] = JsonInforme::numero(ug);
    j["uMarco"] = JsonInforme::numero(v->UMarco);
    j["uw"] = JsonInforme::numero(
        v->A != 0.0f ? v->UA() / v->A : v->fraccionMarco * v->UMarco + v->fraccionVidrio * ug);
    j["absortividadMarco"] = JsonInforme::numero(v->marco ? v->marco->absortancia : 0.0f);
    j["factorSombra"] = simple ? JsonInforme::numero(simple->coefSombra) : Json(nullptr);
    j["separador"] = v->espaciador ? JsonInforme::texto(v->espaciador->tipo) : Json(nullptr);
    j["permeabilidad"] = JsonInforme::numero(v->permeabilidad());
    j["clasePermeabilidad"] = clasePermeabilidad(v->permeabilidad());
    return j;
}

Json InformeConstruccion::terreno(const Elemento& e, float uPerimetral) {
    const Underground* u = dynamic_cast<const Underground*>(&e);
    if (!u) return nullptr;
    const Underground::MetodoTerreno metodo = u->metodo();
    // The resistance the formula leaves to the slab's own layers: on the ground without
    // insulation data it is computed with a negligible insulation resistance.
    float r = u->RLeido;
    if (metodo == Underground::MetodoTerreno::SoleraSinAislamiento)
        r = Underground::kResistenciaDespreciable;
    const double bPrima = u->bPrima();
    Json j;
    j["posicion"] = posicionTerreno(*u);
    j["metodo"] = metodoTerreno(metodo);
    j["area"] = JsonInforme::numero(u->areaSuelo);
    j["perimetro"] = JsonInforme::numero(u->perimetro);
    j["bPrima"] = std::isfinite(bPrima) ? JsonInforme::numero(bPrima) : Json(nullptr);
    j["profundidad"] = JsonInforme::numero(u->z);
    j["altura"] = JsonInforme::numero(u->alto);
    j["resistenciaEquivalente"] = JsonInforme::numero(u->resistenciaRestante(r));
    Json ais;
    ais["d"] = JsonInforme::numero(u->D);
    ais["r"] = JsonInforme::numero(u->R);
    const int k = u->capaAislamiento;
    const bool conCapa = k >= 0 && k < static_cast<int>(u->capas.size());
    ais["rAnadida"] = JsonInforme::numero(conCapa ? u->capas[k].resistenciaAnadida : 0.0f);
    ais["capa"] = JsonInforme::indiceONulo(conCapa ? k : -1);
    j["aislamientoPerimetral"] = std::move(ais);
    j["ug"] = JsonInforme::numero(u->Ug());
    j["uPerimetral"] = JsonInforme::numero(uPerimetral);
    return j;
}
