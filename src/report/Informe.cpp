#include "report/Informe.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "base/ErrorFatal.h"
#include "base/TextoLatin1.h"
#include "building/Edificio.h"
#include "input/Global2.h"
#include "input/ListasFallos.h"
#include "report/CatalogoInforme.h"
#include "report/ContextoInforme.h"
#include "report/DocumentoJson.h"
#include "report/EscritorHtml.h"
#include "report/InformeEdificio.h"
#include "report/InformeElementos.h"
#include "report/InformePuentes.h"
#include "report/InformeResumen.h"

namespace {

const char* const kClavesParametros[6] = {"edificio",   "clima",   "zona",
                                          "resultados", "limites", "defectos"};

// Lines of a text, without their line ends; a line end at the very end opens no line.
std::vector<std::string> lineas(const std::string& texto) {
    std::vector<std::string> r;
    std::size_t desde = 0;
    while (desde < texto.size()) {
        std::size_t fin = texto.find('\n', desde);
        if (fin == std::string::npos) fin = texto.size();
        r.push_back(texto.substr(desde, fin - desde));
        desde = fin + 1;
    }
    return r;
}

Json ejecucion(const FuentesInforme& f) {
    Json parametros = JsonInforme::objeto(6);
    for (int k = 0; k < 6; ++k)
        parametros[kClavesParametros[k]] =
            JsonInforme::texto(k < static_cast<int>(f.parametros.size()) ? f.parametros[k] : "");
    Json etapas = Json::array();
    for (const EtapaInforme& e : f.etapas)
        etapas.push_back({{"nombre", e.nombre}, {"segundos", JsonInforme::numero(e.segundos)}});
    Json j = JsonInforme::objeto(9);
    JsonInforme::anadir(j, "argumentos", JsonInforme::texto(f.argumentos));
    JsonInforme::anadir(j, "parametros", std::move(parametros));
    JsonInforme::anadir(j, "versionMotor", ENVOLVENTE_VERSION);
    if (f.global && f.global->parametrosLeidos())
        JsonInforme::anadir(j, "regimen",
                            f.global->limitesPorOrientacion ? "orientacion" : "numeroZona");
    else
        JsonInforme::anadir(j, "regimen", nullptr);
    JsonInforme::anadir(j, "zonaClimatica",
                        JsonInforme::texto(f.parametros.size() > 2 ? f.parametros[2] : ""));
    JsonInforme::anadir(j, "inicio", f.inicio.empty() ? Json(nullptr) : Json(f.inicio));
    JsonInforme::anadir(j, "tiempos",
                        {{"total", JsonInforme::numero(f.total)}, {"etapas", std::move(etapas)}});
    JsonInforme::anadir(j, "codigoSalida", f.codigoSalida);
    return j;
}

Json error(const FuentesInforme& f) {
    if (!f.conError) return nullptr;
    Json j = JsonInforme::objeto(3);
    JsonInforme::anadir(j, "mensaje", JsonInforme::texto(f.mensajeError));
    JsonInforme::anadir(j, "textoError", JsonInforme::texto(ErrorFatal::kPrefijo + f.mensajeError));
    JsonInforme::anadir(j, "etapa", f.etapaError.empty() ? Json(nullptr) : Json(f.etapaError));
    return j;
}

// The element whose check recorded each failure text first, by list and normalised text.
using PrimerFallo = std::unordered_map<std::string, int>;

Json veredicto(const ContextoInforme& c) {
    if (c.f.conError || !c.f.global) return nullptr;
    const Global2& g = *c.f.global;
    PrimerFallo primero[ListasFallos::kNumListas];
    for (const ResultadoComprobacion& r : g.resultados().resultados())
        if (!r.cumple && r.lista >= 0 && r.lista < ListasFallos::kNumListas)
            primero[r.lista].emplace(normalizarNombre(r.texto), c.indice(r.elemento));
    Json fallos = Json::array(), texto = Json::array();
    const ListasFallos& l = g.listasFallos();
    int linea = 0;
    if (l.fallido())
        for (int k = 0; k < ListasFallos::kNumListas; ++k)
            for (const std::string& m : l.fallos(k)) {
                auto it = primero[k].find(normalizarNombre(m));
                Json f = JsonInforme::objeto(5);
                JsonInforme::anadir(f, "lista", k);
                JsonInforme::anadir(f, "etiqueta", JsonInforme::texto(ListasFallos::kEtiquetas[k]));
                JsonInforme::anadir(f, "texto", JsonInforme::texto(m.c_str()));
                JsonInforme::anadir(f, "linea", linea++);
                JsonInforme::anadir(
                    f, "elemento",
                    JsonInforme::indiceONulo(it == primero[k].end() ? -1 : it->second));
                fallos.push_back(std::move(f));
            }
    for (const std::string& s : lineas(l.textoResultados())) texto.push_back(JsonInforme::texto(s));
    Json j = JsonInforme::objeto(3);
    JsonInforme::anadir(j, "texto", l.veredicto());
    JsonInforme::anadir(j, "lineas", std::move(texto));
    JsonInforme::anadir(j, "fallos", std::move(fallos));
    return j;
}

Json registro(const FuentesInforme& f) {
    if (!f.global || !f.global->logAbierto()) return nullptr;
    Json a = Json::array();
    for (const std::string& s : lineas(f.global->textoLog())) a.push_back(JsonInforme::texto(s));
    return a;
}

} // namespace

std::string Informe::texto(const FuentesInforme& fuentes) {
    const ContextoInforme c(fuentes);
    std::string salida;
    // Room for about what a report takes per element and per thermal bridge.
    const std::size_t puentes = fuentes.edificio ? fuentes.edificio->puentes.size() : 0;
    salida.reserve(16384 + 2048 * c.elementos.size() + 256 * puentes);
    DocumentoJson d(salida);
    d.miembro("version", kVersion);
    d.miembro("ejecucion", ejecucion(fuentes));
    d.miembro("error", error(fuentes));
    d.miembro("edificio", InformeEdificio::edificio(c));
    d.miembro("limites", InformeEdificio::limites(c));
    d.miembro("clima", InformeEdificio::clima(c));
    d.miembro("plantas", InformeEdificio::plantas(c));
    InformeEdificio::espacios(c, d);
    CatalogoInforme catalogo;
    InformeElementos::elementos(c, catalogo, d);
    d.miembro("construcciones", catalogo.construcciones);
    d.miembro("perfilesIntersticiales", catalogo.perfiles);
    d.miembro("particiones", InformePuentes::particiones(c));
    InformePuentes::puentesTermicos(c, d);
    d.miembro("comprobacionesPuentes", InformePuentes::comprobacionesPuentes(c));
    d.miembro("resumenZonas", InformeResumen::resumenZonas(c));
    d.miembro("veredicto", veredicto(c));
    d.miembro("registro", registro(fuentes));
    d.cerrar();
    return salida;
}

Json Informe::construir(const FuentesInforme& fuentes) {
    return Json::parse(texto(fuentes));
}

bool Informe::escribir(const std::string& carpeta, const std::string& texto, std::string& motivo) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    const std::string rutaJson = (fs::path(carpeta) / "informe.json").string();
    std::FILE* f = std::fopen(rutaJson.c_str(), "wb");
    bool bien = f && std::fwrite(texto.data(), 1, texto.size(), f) == texto.size() &&
                std::fputc('\n', f) != EOF;
    if (f) bien = std::fclose(f) == 0 && bien;
    if (!bien) {
        motivo = "no se puede escribir " + rutaJson;
        return false;
    }
    const std::string rutaHtml = (fs::path(carpeta) / "informe.html").string();
    if (!EscritorHtml::escribir(rutaHtml, texto)) {
        motivo = "no se puede escribir " + rutaHtml;
        return false;
    }
    return true;
}
