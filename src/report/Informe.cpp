#include "report/Informe.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "base/TextoLatin1.h"
#include "input/Global2.h"
#include "input/ListasFallos.h"
#include "report/ContextoInforme.h"
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
    Json parametros;
    for (int k = 0; k < 6; ++k)
        parametros[kClavesParametros[k]] =
            JsonInforme::texto(k < static_cast<int>(f.parametros.size()) ? f.parametros[k] : "");
    Json etapas = Json::array();
    for (const EtapaInforme& e : f.etapas)
        etapas.push_back({{"nombre", e.nombre}, {"segundos", JsonInforme::numero(e.segundos)}});
    Json j;
    j["argumentos"] = JsonInforme::texto(f.argumentos);
    j["parametros"] = std::move(parametros);
    j["versionMotor"] = ENVOLVENTE_VERSION;
    if (f.global && f.global->parametrosLeidos())
        j["regimen"] = f.global->limitesPorOrientacion ? "orientacion" : "numeroZona";
    else
        j["regimen"] = nullptr;
    j["zonaClimatica"] = JsonInforme::texto(f.parametros.size() > 2 ? f.parametros[2] : "");
    j["inicio"] = f.inicio.empty() ? Json(nullptr) : Json(f.inicio);
    j["tiempos"] = {{"total", JsonInforme::numero(f.total)}, {"etapas", std::move(etapas)}};
    j["codigoSalida"] = f.codigoSalida;
    return j;
}

Json error(const FuentesInforme& f) {
    if (!f.conError) return nullptr;
    Json j;
    j["mensaje"] = JsonInforme::texto(f.mensajeError);
    j["textoError"] = JsonInforme::texto(Informe::kPrefijoError + f.mensajeError);
    j["etapa"] = f.etapaError.empty() ? Json(nullptr) : Json(f.etapaError);
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
                Json f;
                f["lista"] = k;
                f["etiqueta"] = JsonInforme::texto(ListasFallos::kEtiquetas[k]);
                f["texto"] = JsonInforme::texto(m.c_str());
                f["linea"] = linea++;
                f["elemento"] = JsonInforme::indiceONulo(it == primero[k].end() ? -1 : it->second);
                fallos.push_back(std::move(f));
            }
    for (const std::string& s : lineas(l.textoResultados())) texto.push_back(JsonInforme::texto(s));
    Json j;
    j["texto"] = l.veredicto();
    j["lineas"] = std::move(texto);
    j["fallos"] = std::move(fallos);
    return j;
}

Json registro(const FuentesInforme& f) {
    if (!f.global || !f.global->logAbierto()) return nullptr;
    Json a = Json::array();
    for (const std::string& s : lineas(f.global->textoLog())) a.push_back(JsonInforme::texto(s));
    return a;
}

} // namespace

Json Informe::construir(const FuentesInforme& fuentes) {
    const ContextoInforme c(fuentes);
    Json j;
    j["version"] = kVersion;
    j["ejecucion"] = ejecucion(fuentes);
    j["error"] = error(fuentes);
    j["edificio"] = InformeEdificio::edificio(c);
    j["limites"] = InformeEdificio::limites(c);
    j["clima"] = InformeEdificio::clima(c);
    j["plantas"] = InformeEdificio::plantas(c);
    j["espacios"] = InformeEdificio::espacios(c);
    j["elementos"] = InformeElementos::elementos(c);
    j["particiones"] = InformePuentes::particiones(c);
    j["puentesTermicos"] = InformePuentes::puentesTermicos(c);
    j["comprobacionesPuentes"] = InformePuentes::comprobacionesPuentes(c);
    j["resumenZonas"] = InformeResumen::resumenZonas(c);
    j["veredicto"] = veredicto(c);
    j["registro"] = registro(fuentes);
    return j;
}

bool Informe::escribir(const std::string& carpeta, const Json& informe, std::string& motivo) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    const std::string texto = informe.dump();
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
