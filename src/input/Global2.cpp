#include "input/Global2.h"

#include "input/LeerBDL.h"

Global2* gGlobal2 = nullptr;

Global2::Global2(const std::string& rutaErrorLog) : rutaErrorLog_(rutaErrorLog) {}

Global2::~Global2() {
    cerrarFicheros();
}

void Global2::leerParametros(const LeerBDL& bdl, const ValoresPorDefecto* defectos,
                             const std::string& rutaRes) {
    rutaResultados = rutaRes;
    leerEmplazamiento(bdl, defectos);
    if (esObjeto()) {
        errorLog_ = std::fopen(rutaErrorLog_.c_str(), "w");
        resultados_ = std::fopen(rutaResultados.c_str(), "w");
        if (!limitesPorOrientacion) anotar(false, "$");
    }
    leerPeriodo(bdl, defectos);
}

void Global2::anotar(bool condicion, const std::string& mensaje) {
    if (condicion || !esObjeto() || !errorLog_) return;
    std::fputs(mensaje.c_str(), errorLog_);
    std::fputc('\n', errorLog_);
}

void Global2::escribirEnLog(const std::string& texto) {
    if (esObjeto() && errorLog_) std::fputs(texto.c_str(), errorLog_);
}

void Global2::escribirVeredicto() {
    if (!activo_) return;
    activo_ = false;
    if (esObjeto()) {
        fallos_.escribirVeredicto(errorLog_, resultados_);
        if (errorLog_) {
            std::fputc('\n', errorLog_);
            for (std::size_t i = 0; i < sellosTiempo.size(); ++i)
                std::fprintf(errorLog_, "%g, %s\n", static_cast<double>(sellosTiempo[i]),
                             i < etiquetasSellos.size() ? etiquetasSellos[i].c_str() : "");
            float transcurrido =
                sellosTiempo.empty() ? 0.0f : sellosTiempo.back() - sellosTiempo.front();
            std::fprintf(errorLog_, "%g, Tiempo de c\xE1lculo del edificio objeto en segundos\n",
                         static_cast<double>(transcurrido));
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
