#include "input/Global2.h"

#include <cerrno>
#include <cstring>

#include "base/Formato.h"
#include "input/LeerBDL.h"
#include "input/TextoBDL.h"

Global2* gGlobal2 = nullptr;

namespace {

const char* const kResultados = "el fichero de resultados";
const char* const kSinVeredicto = "la ejecuci\xF3n termina sin veredicto";

// A time-stamp line of the error log: the value with "%g", ", " and its label.
std::string formatearSello(float valor, const char* etiqueta) {
    return formatear("%g, %s\n", static_cast<double>(valor), etiqueta);
}

// The reason of a failed file operation, in the user's words for the usual ones.
std::string motivo(int e) {
    switch (e) {
    case ENOENT:
        return "no existe la carpeta";
    case EACCES:
    case EPERM:
        return "permiso denegado";
    case ENOSPC:
        return "no queda espacio en el disco";
    case EROFS:
        return "sistema de ficheros de solo lectura";
    case EISDIR:
        return "es una carpeta";
    case EDQUOT:
        return "cuota de disco agotada";
    default:
        return std::strerror(e);
    }
}

// The blank-separated word of the text that holds position p.
std::string palabraEn(const LeerBDL& bdl, int p) {
    int a = p, b = p;
    TextoBDL::palabra(bdl.texto(), bdl.longitud(), p, a, b);
    return std::string(bdl.texto() + a, bdl.texto() + b);
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
    if (!esObjeto()) anotarTipoEdificio(bdl);
    if (esObjeto() && !revision_) {
        abrirFicheros();
        if (!limitesPorOrientacion) anotar(false, "$");
    }
    leerPeriodo(bdl, defectos);
}

void Global2::abrirFicheros() {
    errorLog_ = std::fopen(rutaErrorLog_.c_str(), "w");
    logAbierto_ = errorLog_ != nullptr;
    if (!errorLog_)
        notas_.push_back("envolvente: aviso: no se puede abrir Error.log (" + rutaErrorLog_ +
                         "): " + motivo(errno) + "; ni las notas ni el veredicto quedan en \xE9l");
    resultados_ = std::fopen(rutaResultados.c_str(), "w");
    if (!resultados_)
        notas_.push_back(std::string("envolvente: aviso: no se puede abrir ") + kResultados + " " +
                         rutaResultados + " (argumento 4): " + motivo(errno) + "; " +
                         kSinVeredicto);
}

// The kind is not "OBJETO": a run opens no file and writes no verdict. Said with the key, the
// value and the place that decided it (the key may have been found inside a longer one).
void Global2::anotarTipoEdificio(const LeerBDL& bdl) {
    const int p = bdl.texto() ? bdl.buscar("BUILDING-TYPE", 0) : 0;
    const Lugar l = p > 0 ? bdl.lugar(p) : Lugar();
    std::string palabra = p > 0 ? palabraEn(bdl, p) : "BUILDING-TYPE";
    std::string texto = "BUILDING-TYPE = " + tipoEdificio;
    if (palabra != "BUILDING-TYPE")
        texto += " (le\xED"
                 "do dentro de " +
                 palabra + ")";
    texto += ": el edificio no es de tipo OBJETO, as\xED que ";
    if (revision_) {
        Aviso a;
        a.lugar = l;
        a.clase = Aviso::Clase::SinVeredicto;
        a.texto = texto + "una ejecuci\xF3n normal no escribir\xED"
                          "a Error.log, el fichero de "
                          "resultados ni veredicto";
        avisos_.anadir(std::move(a));
        return;
    }
    notas_.push_back((l.conocido() ? l.texto() : std::string("envolvente")) + ": aviso: " + texto +
                     "no se escriben Error.log ni el fichero de resultados y " + kSinVeredicto);
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
    cerrar(errorLog_, "Error.log (" + rutaErrorLog_ + ")", "lo que falte no queda en \xE9l");
    cerrar(resultados_, std::string(kResultados) + " " + rutaResultados,
           "el veredicto no ha quedado escrito");
}

void Global2::cerrar(std::FILE*& f, const std::string& fichero, const char* consecuencia) {
    if (!f) return;
    bool fallo = std::ferror(f) != 0;
    int e = errno;
    if (std::fclose(f) != 0) {
        fallo = true;
        e = errno;
    }
    f = nullptr;
    if (fallo)
        notas_.push_back("envolvente: aviso: no se ha podido escribir " + fichero + ": " +
                         motivo(e) + "; " + consecuencia);
}
