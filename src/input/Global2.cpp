#include "input/Global2.h"

#include "base/Formato.h"
#include "input/LeerBDL.h"

Global2* gGlobal2 = nullptr;

namespace {
// A time-stamp line of the error log: the value with "%g", ", " and its label.
std::string formatearSello(float valor, const char* etiqueta) {
    return formatear("%g, %s\n", static_cast<double>(valor), etiqueta);
}
} // namespace

Global2::Global2(const std::string& rutaErrorLog) : rutaErrorLog_(rutaErrorLog) {}

Global2::~Global2() {
    cerrarFicheros();
}

void Global2::leerParametros(const LeerBDL& bdl, const ValoresPorDefecto* defectos,
                             const std::string& rutaRes) {
    rutaResultados = rutaRes;
    leerEmplazamiento(bdl, defectos);
    parametrosLeidos_ = true;
    if (esObjeto()) {
        errorLog_ = std::fopen(rutaErrorLog_.c_str(), "w");
        resultados_ = std::fopen(rutaResultados.c_str(), "w");
        logAbierto_ = errorLog_ != nullptr;
        if (!limitesPorOrientacion) anotar(false, "$");
    }
    leerPeriodo(bdl, defectos);
}

void Global2::escribirLog(const char* texto) {
    std::fputs(texto, errorLog_);
    if (copiarLog_) textoLog_ += texto;
}

void Global2::anotar(bool condicion, const std::string& mensaje) {
    if (condicion || !esObjeto() || !errorLog_) return;
    escribirLog(mensaje.c_str());
    escribirLog("\n");
}

void Global2::escribirEnLog(const std::string& texto) {
    if (esObjeto() && errorLog_) escribirLog(texto.c_str());
}

void Global2::registrar(ResultadoComprobacion&& r) {
    fallos_.registrarFallo(r.cumple, r.texto, r.lista);
    registro_.guardar(std::move(r));
}

void Global2::registrarFallo(bool ok, const std::string& mensaje, int lista) {
    ResultadoComprobacion r;
    r.cumple = ok;
    r.texto = mensaje;
    r.lista = lista;
    registrar(std::move(r));
}

void Global2::escribirVeredicto() {
    if (!activo_) return;
    activo_ = false;
    if (esObjeto()) {
        if (resultados_) std::fputs(fallos_.textoResultados().c_str(), resultados_);
        if (errorLog_) {
            escribirLog(fallos_.veredicto());
            escribirLog("\n");
            for (std::size_t i = 0; i < sellosTiempo.size(); ++i)
                escribirLog(formatearSello(sellosTiempo[i], i < etiquetasSellos.size()
                                                                ? etiquetasSellos[i].c_str()
                                                                : "")
                                .c_str());
            float transcurrido =
                sellosTiempo.empty() ? 0.0f : sellosTiempo.back() - sellosTiempo.front();
            escribirLog(
                formatearSello(transcurrido, "Tiempo de c\xE1lculo del edificio objeto en segundos")
                    .c_str());
        }
    }
    cerrarFicheros();
}

void Global2::cerrarSinVeredicto(const std::string& mensaje) {
    if (activo_) escribirEnLog(mensaje);
    activo_ = false;
    cerrarFicheros();
}

void Global2::cerrarFicheros() {
    if (errorLog_) std::fclose(errorLog_);
    if (resultados_) std::fclose(resultados_);
    errorLog_ = nullptr;
    resultados_ = nullptr;
}
