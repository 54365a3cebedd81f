#include "report/InformeElementos.h"

#include <cmath>

#include "base/Valores.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "climate/Excitacion.h"
#include "compliance/DatosComprobacion.h"
#include "envelope/Elemento1D.h"
#include "geometry/PoliArea.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"
#include "report/CatalogoInforme.h"
#include "report/ContextoInforme.h"
#include "report/DocumentoJson.h"
#include "report/InformeCondensacion.h"
#include "report/InformeConstruccion.h"

namespace {

constexpr double kGrados = 57.29577951308232; // degrees per radian

const char* const kTiposBdl[] = {"EXTERIOR-WALL", "ROOF",       "INTERIOR-WALL", "UNDERGROUND-WALL",
                                 "TROMBE-WALL",   "COOL-PANEL", "WINDOW"};
const char* const kCategorias[] = {"muro", "particion", "cubierta", "suelo", "hueco"};
const char* const kOctantes[] = {"N", "NE", "E", "SE", "S", "SO", "O", "NO"};

Json punto(const Space3& p) {
    return JsonInforme::punto(p.x, p.y, p.z);
}

Json contorno(const PoliArea* p) {
    Json a = Json::array();
    if (!p || p->contornos.empty() || !p->contornos[0]) return a;
    a.get_ref<Json::array_t&>().reserve(p->contornos[0]->nodos.size());
    for (const auto& n : p->contornos[0]->nodos)
        if (n) a.push_back(punto(*n));
    return a;
}

// Compass direction of the outward normal, degrees clockwise from north.
double azimutNormal(const Vector3& n) {
    double a = std::atan2(static_cast<double>(n.x), static_cast<double>(n.y)) * kGrados;
    if (a < 0.0) a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

Json orientacion(const Vector3& n) {
    if (std::fabs(n.z) > std::cos(1.0 / kGrados)) return nullptr; // horizontal element
    int octante = static_cast<int>(std::floor((azimutNormal(n) + 22.5) / 45.0)) % 8;
    return kOctantes[octante];
}

const char* tipoDeResultado(TipoComprobacion t) {
    switch (t) {
    case TipoComprobacion::Transmitancia:
        return "transmitancia";
    case TipoComprobacion::TransmitanciaHueco:
        return "transmitanciaHueco";
    case TipoComprobacion::Permeabilidad:
        return "permeabilidad";
    case TipoComprobacion::AislamientoPerimetral:
        return "aislamientoPerimetral";
    case TipoComprobacion::VentanaTechumbre:
        return "ventanaTechumbre";
    case TipoComprobacion::CondensacionSuperficial:
        return "condensacionSuperficial";
    case TipoComprobacion::CondensacionIntersticial:
        return "condensacionIntersticial";
    default:
        return "transmitancia";
    }
}

Json comprobacion(const ResultadoComprobacion& r) {
    Json j = JsonInforme::objeto(8);
    JsonInforme::anadir(j, "tipo", tipoDeResultado(r.tipo));
    JsonInforme::anadir(j, "valor", JsonInforme::numero(r.valor));
    JsonInforme::anadir(j, "limite", JsonInforme::numero(r.limite));
    JsonInforme::anadir(j, "redondeo", r.redondeo >= 0 ? Json(r.redondeo) : Json(nullptr));
    JsonInforme::anadir(j, "cumple", r.cumple);
    JsonInforme::anadir(j, "lista", r.lista);
    JsonInforme::anadir(j, "texto", JsonInforme::texto(r.texto));
    JsonInforme::anadir(j, "espacio", JsonInforme::indiceONulo(r.espacio));
    return j;
}

// The film coefficients an element's U is computed with: (hi, hi) between two spaces, else
// (he, hi).
bool peliculasDe(const ContextoInforme& c, const Elemento& e, float& hOut, float& hIn) {
    if (!c.f.datos || !c.f.datos->conPeliculas) return false;
    hIn = c.f.datos->hi;
    hOut = e.entreEspacios() ? c.f.datos->hi : c.f.datos->he;
    return true;
}

} // namespace

bool InformeElementos::esResultadoU(const ResultadoComprobacion& r) {
    return r.tipo == TipoComprobacion::Transmitancia ||
           r.tipo == TipoComprobacion::TransmitanciaHueco ||
           r.tipo == TipoComprobacion::VentanaTechumbre;
}

void InformeElementos::elementos(const ContextoInforme& c, CatalogoInforme& catalogo,
                                 DocumentoJson& d) {
    d.abrirLista("elementos");
    for (int i = 0; i < static_cast<int>(c.elementos.size()); ++i) {
        MontonJson::Zona zona;
        d.item(elemento(c, i, catalogo));
    }
    d.cerrarLista();
}

Json InformeElementos::elemento(const ContextoInforme& c, int i, CatalogoInforme& catalogo) {
    const Elemento& e = *c.elementos[i];
    Json j = JsonInforme::objeto(36);
    identidad(c, i, j);
    geometria(e, j);
    JsonInforme::anadir(j, "comprobarRequisitos", e.comprobarRequisitos);
    const Elemento1D* capas = dynamic_cast<const Elemento1D*>(&e);
    const int construccion =
        capas && !InformeConstruccion::esHueco(e) ? catalogo.construccion(*capas) : -1;
    JsonInforme::anadir(j, "construccion", JsonInforme::indiceONulo(construccion));
    transmitancia(c, i, j);
    veredicto(c, i, j);
    JsonInforme::anadir(j, "puentesTermicos", InformeConstruccion::filasPuentes(e, c.f.defectos));
    JsonInforme::anadir(j, "ventana", InformeConstruccion::ventana(e));
    float uPerimetral = ResultadoComprobacion::kSinValor;
    for (const ResultadoComprobacion* r : c.resultadosDe(i))
        if (r->tipo == TipoComprobacion::AislamientoPerimetral) uPerimetral = r->valor;
    JsonInforme::anadir(j, "terreno", InformeConstruccion::terreno(e, uPerimetral));
    const ResultadoComprobacion* inter = InformeCondensacion::resultadoIntersticial(c, i);
    const int perfil =
        inter && capas && construccion >= 0 ? catalogo.perfil(c, *capas, construccion, *inter) : -1;
    JsonInforme::anadir(j, "condensacion", InformeCondensacion::condensacion(c, i, inter, perfil));
    JsonInforme::anadir(j, "soleamiento", soleamiento(c, e));
    return j;
}

void InformeElementos::identidad(const ContextoInforme& c, int i, Json& j) {
    const Elemento& e = *c.elementos[i];
    JsonInforme::anadir(j, "nombre", JsonInforme::texto(e.nombre));
    JsonInforme::anadir(j, "indiceMotor", JsonInforme::indiceONulo(i < c.numEnRegistros ? i : -1));
    JsonInforme::anadir(j, "tipo", e.tipo);
    JsonInforme::anadir(j, "tipoBDL",
                        e.codigo >= 0 && e.codigo <= kWindow ? Json(kTiposBdl[e.codigo])
                                                             : Json(nullptr));
    JsonInforme::anadir(j, "tipoMuro", JsonInforme::texto(e.tipoMuro));
    int categoria = -1;
    if (c.f.datos) {
        auto it = c.f.datos->elementos.find(&e);
        if (it != c.f.datos->elementos.end()) categoria = it->second.categoria;
    }
    JsonInforme::anadir(j, "categoria",
                        categoria >= 0 && categoria <= 4 ? Json(kCategorias[categoria])
                                                         : Json(nullptr));
    const int espacio = c.espacioDe(e);
    int contiguo = -1;
    if (e.entreEspacios()) {
        const int a = -e.lados[0] - 1, b = -e.lados[1] - 1;
        contiguo = a == espacio ? b : a;
    }
    JsonInforme::anadir(j, "espacio", espacio);
    JsonInforme::anadir(j, "espacioContiguo", JsonInforme::indiceONulo(contiguo));
    JsonInforme::anadir(j, "planta", JsonInforme::indiceONulo(c.plantaDeEspacio(espacio)));
    JsonInforme::anadir(j, "elementoSoporte",
                        JsonInforme::indiceONulo(e.soporte ? c.indice(e.soporte) : -1));
}

void InformeElementos::geometria(const Elemento& e, Json& j) {
    const PoliArea* p = e.poligono.get();
    const Vector3 n = p ? p->normal() : Vector3();
    JsonInforme::anadir(j, "poligono", contorno(p));
    JsonInforme::anadir(j, "normal", punto(n));
    JsonInforme::anadir(j, "areaBruta", JsonInforme::numero(p ? p->area() : 0.0));
    JsonInforme::anadir(j, "areaNeta", JsonInforme::numero(e.area()));
    JsonInforme::anadir(j, "perimetro", JsonInforme::numero(p ? p->perimetroCerrado() : 0.0));
    JsonInforme::anadir(j, "inclinacion", JsonInforme::numero(Zona::inclinacionGrados(n)));
    JsonInforme::anadir(j, "azimut", JsonInforme::numero(azimutNormal(n)));
    JsonInforme::anadir(j, "orientacion", orientacion(n));
}

// The U of the element with its films and, when it was compared with a limit, the U as printed,
// the limit and the margin.
void InformeElementos::transmitancia(const ContextoInforme& c, int i, Json& j) {
    const Elemento& e = *c.elementos[i];
    const ResultadoComprobacion* u = nullptr;
    for (const ResultadoComprobacion* r : c.resultadosDe(i))
        if (!u && esResultadoU(*r)) u = r;
    float hOut = ResultadoComprobacion::kSinValor, hIn = hOut, valorU = hOut;
    if (u) {
        hOut = u->hExterior;
        hIn = u->hInterior;
        valorU = u->H / u->area;
    } else if (e.area() > 0.0f && peliculasDe(c, e, hOut, hIn)) {
        float H = 0.0f;
        e.calcularH(H, hOut, hIn);
        valorU = H / e.area();
    }
    JsonInforme::anadir(j, "hExterior", JsonInforme::numero(hOut));
    JsonInforme::anadir(j, "hInterior", JsonInforme::numero(hIn));
    JsonInforme::anadir(j, "u", JsonInforme::numero(valorU));
    JsonInforme::anadir(
        j, "factorReduccion",
        JsonInforme::numero(u ? u->factorReduccion : ResultadoComprobacion::kSinValor));
    if (!u) {
        for (const char* clave : {"uImpreso", "limite", "margen"})
            JsonInforme::anadir(j, clave, nullptr);
        return;
    }
    const Json impreso = JsonInforme::dosDecimales(u->valor);
    JsonInforme::anadir(j, "uImpreso", impreso);
    Json limite = JsonInforme::objeto(5);
    JsonInforme::anadir(limite, "valor", JsonInforme::numero(u->limite));
    JsonInforme::anadir(limite, "clave", u->clave ? u->clave : "ventana-techumbre");
    JsonInforme::anadir(limite, "categoria", u->categoriaLimite ? u->categoriaLimite : "huecos");
    JsonInforme::anadir(limite, "zona",
                        c.f.datos ? JsonInforme::texto(c.f.datos->limites.zona) : Json(""));
    JsonInforme::anadir(limite, "regimen",
                        c.f.global && !c.f.global->limitesPorOrientacion ? "numeroZona"
                                                                         : "orientacion");
    JsonInforme::anadir(j, "limite", limite);
    // The margin between two numbers of few decimals, without the float's last digits.
    const double margen =
        static_cast<double>(u->limite) - (impreso.is_null() ? 0.0 : impreso.get<double>());
    JsonInforme::anadir(j, "margen",
                        impreso.is_null() ? Json(nullptr)
                                          : JsonInforme::numero(std::round(margen * 1e4) / 1e4));
}

// Every comparison made for the element (but the thermal-bridge types), its verdict and, when
// there is none, why.
void InformeElementos::veredicto(const ContextoInforme& c, int i, Json& j) {
    const Elemento& e = *c.elementos[i];
    Json lista = Json::array();
    Json cumple = nullptr;
    for (const ResultadoComprobacion* r : c.resultadosDe(i)) {
        if (r->tipo == TipoComprobacion::PuenteTermico) continue;
        lista.push_back(comprobacion(*r));
        cumple = (cumple.is_null() || cumple.get<bool>()) && r->cumple;
    }
    const char* motivo = nullptr;
    if (cumple.is_null()) {
        motivo = "errorFatal";
        if (i >= c.numEnRegistros) {
            motivo = "retiradoPorParticiones";
        } else if (c.f.datos) {
            auto it = c.f.datos->elementos.find(&e);
            if (it != c.f.datos->elementos.end() && it->second.motivo)
                motivo = it->second.motivo;
            else if (c.comprobacionTerminada())
                motivo = "espacioNoHabitable";
        }
    }
    JsonInforme::anadir(j, "cumple", cumple);
    JsonInforme::anadir(j, "motivoSinComprobar", motivo ? Json(motivo) : Json(nullptr));
    JsonInforme::anadir(j, "comprobaciones", std::move(lista));
    JsonInforme::anadir(j, "puentesComprobados", c.puentesComprobados(i));
}

// Sky-view factor of an exterior surface past the building's own surfaces: the one the solar
// excitation computed, else the plain sum over the visibility of its sky patches.
Json InformeElementos::soleamiento(const ContextoInforme& c, const Elemento& e) {
    const Excitacion* x = c.f.excitacion;
    const int s = c.superficieExterior(e.poligono.get());
    if (!x || s < 0) return nullptr;
    const std::size_t fin = static_cast<std::size_t>(s + 1) * Excitacion::kParches;
    if (x->visibilidades().size() < fin) return nullptr;
    const bool calculado = (x->modo == 1 || x->metodoDirecto() == 1) &&
                           static_cast<std::size_t>(s) < x->factoresVisionCielo().size();
    const float factor =
        calculado ? x->factoresVisionCielo()[s]
                  : Excitacion::factorVisionCielo(&x->visibilidades()[s * Excitacion::kParches],
                                                  e.poligono->normal());
    Json j = JsonInforme::objeto(2);
    JsonInforme::anadir(j, "factorVistaCielo", JsonInforme::numero(factor));
    JsonInforme::anadir(j, "irradiacionMensual", nullptr);
    return j;
}
