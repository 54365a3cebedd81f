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
    Json j = JsonInforme::objeto(10);
    JsonInforme::anadir(j, "material", JsonInforme::texto(c.material));
    JsonInforme::anadir(j, "tipo", c.tipo);
    JsonInforme::anadir(j, "espesor", JsonInforme::numero(c.espesor));
    JsonInforme::anadir(j, "conductividad",
                        conPropiedades ? JsonInforme::numero(c.conductividad) : Json(nullptr));
    JsonInforme::anadir(j, "resistencia", JsonInforme::numero(c.resistenciaTermica()));
    JsonInforme::anadir(j, "resistenciaAnadida", JsonInforme::numero(c.resistenciaAnadida));
    JsonInforme::anadir(j, "densidad",
                        conPropiedades ? JsonInforme::numero(c.densidad) : Json(nullptr));
    JsonInforme::anadir(j, "calorEspecifico",
                        conPropiedades ? JsonInforme::numero(c.calorEspecifico) : Json(nullptr));
    JsonInforme::anadir(j, "factorDifusion",
                        c.factorDifusion >= 0.0f ? JsonInforme::numero(c.factorDifusion)
                                                 : Json(nullptr));
    JsonInforme::anadir(j, "sd", JsonInforme::numero(c.vapor));
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

bool InformeConstruccion::esHueco(const Elemento& e) {
    return dynamic_cast<const Ventana*>(&e) != nullptr;
}

Json InformeConstruccion::construccion(const Elemento& e) {
    const Elemento1D* m = dynamic_cast<const Elemento1D*>(&e);
    if (!m || dynamic_cast<const Ventana*>(&e)) return nullptr;
    Json j = JsonInforme::objeto(6);
    JsonInforme::anadir(
        j, "nombre", m->construccion.empty() ? Json(nullptr) : JsonInforme::texto(m->construccion));
    JsonInforme::anadir(j, "tipo", JsonInforme::texto(m->tipoConstruccion));
    JsonInforme::anadir(j, "uDada", JsonInforme::numeroODado(m->uDada));
    Json capas = Json::array();
    for (const Capa& c : m->capas) capas.push_back(capa(c));
    JsonInforme::anadir(j, "capas", std::move(capas));
    JsonInforme::anadir(j, "uCapas", JsonInforme::numero(m->U));
    JsonInforme::anadir(j, "masa", JsonInforme::numero(m->masa));
    return j;
}

Json InformeConstruccion::filasPuentes(const Elemento& e, const ValoresPorDefecto* defectos) {
    Json a = Json::array();
    const int numTipos = static_cast<int>(e.puentes.size()) - 1;
    for (int t = 0; t <= numTipos; ++t) {
        const FilaPuente& f = e.puentes[t];
        if (!(f.longitud > 0.0f)) continue;
        Json j = JsonInforme::objeto(5);
        if (t < numTipos && defectos && t < static_cast<int>(defectos->puentes.size()))
            JsonInforme::anadir(j, "tipo", JsonInforme::texto(defectos->puentes[t].nombre));
        else
            JsonInforme::anadir(j, "tipo", nullptr);
        JsonInforme::anadir(j, "ttl", JsonInforme::numero(f.ttl));
        JsonInforme::anadir(j, "fRsi", JsonInforme::numero(f.frsi));
        JsonInforme::anadir(j, "longitud", JsonInforme::numero(f.longitud));
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
    Json j = JsonInforme::objeto(19);
    JsonInforme::anadir(j, "puerta", v->esPuerta());
    JsonInforme::anadir(j, "motivoPuerta",
                        !v->esPuerta() ? Json(nullptr)
                                       : Json(v->fraccionMarco > 0.5f ? "marco" : "infiltracion"));
    JsonInforme::anadir(j, "anchura", JsonInforme::numero(v->ancho));
    JsonInforme::anadir(j, "altura", JsonInforme::numero(v->alto));
    JsonInforme::anadir(j, "area", JsonInforme::numero(v->A));
    JsonInforme::anadir(j, "areaVidrio", JsonInforme::numero(v->areaVidrio));
    JsonInforme::anadir(j, "areaMarco", JsonInforme::numero(v->areaMarco));
    JsonInforme::anadir(j, "anchoMarco", JsonInforme::numero(v->marco ? v->marco->ancho : 0.0f));
    JsonInforme::anadir(j, "fraccionMarco", JsonInforme::numero(v->fraccionMarco));
    JsonInforme::anadir(j, "vidrio", JsonInforme::texto(v->nombreVidrio));
    JsonInforme::anadir(j, "tipoVidrio", simple ? "simple" : "complejo");
    const float ug = v->vidrio ? v->vidrio->U() : 0.0f;
    JsonInforme::anadir(j, "uVidrio", JsonInforme::numero(ug));
    JsonInforme::anadir(j, "uMarco", JsonInforme::numero(v->UMarco));
    JsonInforme::anadir(j, "uw", JsonInforme::numero(v->uw()));
    JsonInforme::anadir(j, "absortividadMarco",
                        JsonInforme::numero(v->marco ? v->marco->absortancia : 0.0f));
    JsonInforme::anadir(j, "factorSombra",
                        simple ? JsonInforme::numero(simple->coefSombra) : Json(nullptr));
    JsonInforme::anadir(j, "separador",
                        v->espaciador ? JsonInforme::texto(v->espaciador->tipo) : Json(nullptr));
    JsonInforme::anadir(j, "permeabilidad", JsonInforme::numero(v->permeabilidad()));
    JsonInforme::anadir(j, "clasePermeabilidad", clasePermeabilidad(v->permeabilidad()));
    return j;
}

Json InformeConstruccion::terreno(const Elemento& e, float uPerimetral) {
    const Underground* u = dynamic_cast<const Underground*>(&e);
    if (!u) return nullptr;
    const Underground::MetodoTerreno metodo = u->metodo();
    const float r = u->resistenciaAislamiento();
    const double bPrima = u->bPrima();
    Json j = JsonInforme::objeto(11);
    JsonInforme::anadir(j, "posicion", posicionTerreno(*u));
    JsonInforme::anadir(j, "metodo", metodoTerreno(metodo));
    JsonInforme::anadir(j, "area", JsonInforme::numero(u->areaSuelo));
    JsonInforme::anadir(j, "perimetro", JsonInforme::numero(u->perimetro));
    JsonInforme::anadir(j, "bPrima",
                        std::isfinite(bPrima) ? JsonInforme::numero(bPrima) : Json(nullptr));
    JsonInforme::anadir(j, "profundidad", JsonInforme::numero(u->z));
    JsonInforme::anadir(j, "altura", JsonInforme::numero(u->alto));
    JsonInforme::anadir(j, "resistenciaEquivalente",
                        JsonInforme::numero(u->resistenciaRestante(r)));
    Json ais = JsonInforme::objeto(4);
    JsonInforme::anadir(ais, "d", JsonInforme::numero(u->D));
    JsonInforme::anadir(ais, "r", JsonInforme::numero(u->R));
    const int k = u->capaAislamiento;
    const bool conCapa = k >= 0 && k < static_cast<int>(u->capas.size());
    JsonInforme::anadir(ais, "rAnadida",
                        JsonInforme::numero(conCapa ? u->capas[k].resistenciaAnadida : 0.0f));
    JsonInforme::anadir(ais, "capa", JsonInforme::indiceONulo(conCapa ? k : -1));
    JsonInforme::anadir(j, "aislamientoPerimetral", std::move(ais));
    JsonInforme::anadir(j, "ug", JsonInforme::numero(u->Ug()));
    JsonInforme::anadir(j, "uPerimetral", JsonInforme::numero(uPerimetral));
    return j;
}
