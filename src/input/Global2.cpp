#include "input/Global2.h"

#include <cmath>
#include <cstring>
#include <muParser.h>
#include <new>

#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"
#include "shell/Consola.h"
#include "shell/ErrorFatal.h"
#include "shell/Globales.h"

const char* const Global2::kEtiquetasListas[Global2::kNumListas] = {
    "\"REQUERIMIENTOS M\xCDNIMOS\"",
    "\"CONDENSACIONES SUPERFICIALES\"",
    "\"CONDENSACIONES INTERSTICIALES\"",
    "\"PERMEABILIDAD\"",
    "\"CONDENSACIONES SUPERFICIALES EN PUENTES TERMICOS\"",
};

namespace {
const int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const int kDiasAcumulados[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// Month flags from a list of month numbers 1-12 ("HEATING-PERIOD", "COOLING-PERIOD").
void leerMeses(const LeerBDL& bdl, const char* clave, int meses[12],
               std::initializer_list<int> porDefecto) {
    for (int m = 0; m < 12; ++m) meses[m] = 0;
    std::vector<float> lista;
    int n = bdl.dameLista(clave, lista);
    if (n < 0) {
        for (int m : porDefecto) meses[m - 1] = 1;
        return;
    }
    if (n == 1 && lista[0] == 0.0f) return;
    for (int i = 0; i < n && i < static_cast<int>(lista.size()); ++i) {
        float v = lista[i];
        if (!(v >= 1.0f && v < 13.0f)) continue; // also rejects NaN before the cast
        int m = static_cast<int>(v);
        if (m >= 1 && m <= 12) meses[m - 1] = 1;
    }
}
} // namespace

FuncionUsuario::FuncionUsuario() = default;
FuncionUsuario::~FuncionUsuario() = default;
FuncionUsuario::FuncionUsuario(FuncionUsuario&&) noexcept = default;
FuncionUsuario& FuncionUsuario::operator=(FuncionUsuario&&) noexcept = default;

Global2::Global2(const std::string& rutaErrorLog) : rutaErrorLog_(rutaErrorLog) {}

Global2::~Global2() {
    if (activo_ && esObjeto()) escribirVeredicto();
    cerrarFicheros();
}

bool Global2::esObjeto() const {
    return compararNombres(tipoEdificio, "OBJETO") == 0;
}

void Global2::leerParametros(const LeerBDL& bdl, const std::string& rutaRes) {
    rutaResultados = rutaRes;
    if (bdl.dameReal("LONGITUD-DE-REFERENCIA", longitudReferencia) < 0)
        longitudReferencia = gDefectos ? gDefectos->longitudReferencia : 15.0f;
    if (bdl.dameReal("LATITUDE", latitud) < 0) latitud = 40.0f;
    if (bdl.dameReal("ALTITUDE", altitud) < 0) altitud = -99.0f;
    limitesPorOrientacion = (longitudReferencia >= -30.0f && longitudReferencia <= 30.0f);
    if (bdl.dameCadena("BUILDING-TYPE", tipoEdificio) < 0) tipoEdificio = "OBJETO";
    if (esObjeto()) {
        errorLog_ = std::fopen(rutaErrorLog_.c_str(), "w");
        resultados_ = std::fopen(rutaResultados.c_str(), "w");
        if (!limitesPorOrientacion) anotar(false, "$");
    }
    if (bdl.dameReal("TIME-STEP", pasoTiempo) < 0) pasoTiempo = 3600.0f;
    if (!(pasoTiempo > 0.0f)) pasoTiempo = 3600.0f;

    bool horasDelFichero = bdl.dameEntero("NUM-HORAS", horas) >= 0;
    if (bdl.dameEntero("START-DAY", diaInicio) < 0)
        diaInicio = 1;
    else
        horasDelFichero = true, horas = -1;
    if (bdl.dameEntero("START-MONTH", mesInicio) < 0)
        mesInicio = 1;
    else
        horasDelFichero = true, horas = -1;
    if (bdl.dameEntero("END-DAY", diaFin) < 0)
        diaFin = 31;
    else
        horasDelFichero = true, horas = -1;
    if (bdl.dameEntero("END-MONTH", mesFin) < 0)
        mesFin = 12;
    else
        horasDelFichero = true, horas = -1;
    if (!horasDelFichero) {
        comprobar(gDefectos != nullptr, "Falta la clave NUM-HORAS");
        horas = gDefectos->exigir(gDefectos->numHoras, "NUM-HORAS");
    }
    comprobar(
        mesInicio >= 1 && mesInicio <= 12 && mesFin >= 1 && mesFin <= 12,
        "Periodo de c\xE1lculo mal definido: START-MONTH y END-MONTH deben estar entre 1 y 12");
    comprobar(diaInicio >= 1 && diaInicio <= kDiasMes[mesInicio - 1] && diaFin >= 1 &&
                  diaFin <= kDiasMes[mesFin - 1],
              "Periodo de c\xE1lculo mal definido: d\xED"
              "a fuera del mes");
    int diaAnioInicio = diaInicio + (mesInicio > 1 ? kDiasAcumulados[mesInicio - 2] : 0);
    int diaAnioFin = diaFin + (mesFin > 1 ? kDiasAcumulados[mesFin - 2] : 0);
    horaInicio = 24 * diaAnioInicio - 24;
    horaFin = 24 * diaAnioFin - 1;
    if (horas == -1) horas = horaFin - horaInicio + 1;
    comprobar(horas > 0 && horaInicio + horas <= 8760,
              "Periodo de c\xE1lculo mal definido: el n\xFAmero de horas debe estar entre 1 y "
              "las que quedan del a\xF1o");
    horaFin = horas + horaInicio - 1;
    numeroPasos = static_cast<float>(horas) * 3600.0f / pasoTiempo;

    leerMeses(bdl, "HEATING-PERIOD", mesesCalefaccion, {1, 2, 12});
    leerMeses(bdl, "COOLING-PERIOD", mesesRefrigeracion, {6, 7, 8, 9});

    calefaccionHoraria = reservarReales(horas);
    for (int h = 0; h < horas; ++h) calefaccionHoraria[h] = esMesCalefaccion(h) ? 1.0f : 0.0f;
}

// ---------------------------------------------------------------- error service

void Global2::comprobar(bool condicion, const std::string& mensaje) {
    if (condicion) return;
    Consola::mensajeError(mensaje);
    if (esObjeto()) escribirEnLog(mensaje);
    abortar(3);
}

void Global2::comprobarSinMensaje(bool condicion) {
    comprobar(condicion, "Error");
}

void Global2::anotar(bool condicion, const std::string& mensaje) {
    if (condicion || !esObjeto() || !errorLog_) return;
    std::fputs(mensaje.c_str(), errorLog_);
    std::fputc('\n', errorLog_);
}

void Global2::escribirEnLog(const std::string& texto) {
    if (esObjeto() && errorLog_) std::fputs(texto.c_str(), errorLog_);
}

void Global2::abortar(int codigo) {
    activo_ = false;
    cerrarFicheros();
    throw ErrorFatal(codigo, "");
}

void Global2::abortarConMensaje(const std::string& mensaje, int codigo) {
    escribirEnLog(mensaje);
    // No message box on this path, but a run never ends with code 3 in silence.
    Consola::mensajeError(mensaje);
    activo_ = false;
    cerrarFicheros();
    throw ErrorFatal(codigo, mensaje);
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

void Global2::escribirVeredicto() {
    if (fallido_) {
        if (errorLog_) std::fputs("NO CUMPLE", errorLog_);
        if (resultados_) {
            for (int l = 0; l < kNumListas; ++l)
                for (const std::string& m : fallos_[l])
                    std::fprintf(resultados_, "%s, %s\n", m.c_str(), kEtiquetasListas[l]);
            std::fputs("NO CUMPLE", resultados_);
        }
    } else {
        if (errorLog_) std::fputs("CUMPLE", errorLog_);
        if (resultados_) std::fputs("CUMPLE", resultados_);
    }
    if (!errorLog_) return;
    std::fputc('\n', errorLog_);
    for (std::size_t i = 0; i < sellosTiempo.size(); ++i)
        std::fprintf(errorLog_, "%g, %s\n", static_cast<double>(sellosTiempo[i]),
                     i < etiquetasSellos.size() ? etiquetasSellos[i].c_str() : "");
    float transcurrido = sellosTiempo.empty() ? 0.0f : sellosTiempo.back() - sellosTiempo.front();
    std::fprintf(errorLog_, "%g, Tiempo de c\xE1lculo del edificio objeto en segundos\n",
                 static_cast<double>(transcurrido));
}

// ---------------------------------------------------------------- failure lists

void Global2::registrarFallo(bool ok, const std::string& mensaje, int lista) {
    if (ok) return;
    fallido_ = true;
    if (lista < 0 || lista >= kNumListas) return;
    if (normalizados_[lista].insert(normalizarNombre(mensaje)).second)
        fallos_[lista].push_back(mensaje);
}

// ---------------------------------------------------------------- calendar

void Global2::mesYDia(int hora, int& horaDia, int& diaMes, int& mes) {
    if (hora >= 8760) hora -= 8760;
    if (hora < 0) hora += 8760;
    if (hora < 0 || hora >= 8760) hora = ((hora % 8760) + 8760) % 8760;
    int d = hora / 24;
    horaDia = hora - 24 * d;
    mes = 0;
    while (mes < 11 && d >= kDiasAcumulados[mes]) ++mes;
    diaMes = d - (mes > 0 ? kDiasAcumulados[mes - 1] : 0);
}

bool Global2::esMesCalefaccion(int hora) const {
    int hd, dm, m;
    mesYDia(hora + horaInicio, hd, dm, m);
    return mesesCalefaccion[m] != 0;
}

bool Global2::esMesRefrigeracion(int hora) const {
    int hd, dm, m;
    mesYDia(hora + horaInicio, hd, dm, m);
    return mesesRefrigeracion[m] != 0;
}

bool Global2::esHoraCalefaccion(int hora) const {
    if (modo_ == "PUNTA" || modo_ == "DEMANDA" || modo_ == "ORBEL") {
        if (hora < 0 || hora >= static_cast<int>(calefaccionHoraria.size())) return false;
        return calefaccionHoraria[hora] == 1.0f;
    }
    return esMesCalefaccion(hora);
}

// ---------------------------------------------------------------- utilities

std::string Global2::normalizarNombre(const std::string& a) {
    std::string r;
    r.reserve(a.size());
    for (unsigned char c : a) {
        switch (c) {
        case 0xE1:
        case 0xE0:
        case 0xE2:
        case 0xE4:
            c = 'a';
            break;
        case 0xE9:
        case 0xE8:
        case 0xEA:
        case 0xEB:
            c = 'e';
            break;
        case 0xED:
        case 0xEC:
        case 0xEE:
        case 0xEF:
            c = 'i';
            break;
        case 0xF3:
        case 0xF2:
        case 0xF4:
        case 0xF6:
            c = 'o';
            break;
        case 0xFA:
        case 0xF9:
        case 0xFB:
        case 0xFC:
            c = 'u';
            break;
        case 0xC1:
        case 0xC0:
        case 0xC2:
        case 0xC4:
            c = 'A';
            break;
        case 0xC9:
        case 0xC8:
        case 0xCA:
        case 0xCB:
            c = 'E';
            break;
        case 0xCD:
        case 0xCC:
        case 0xCE:
        case 0xCF:
            c = 'I';
            break;
        case 0xD3:
        case 0xD2:
        case 0xD4:
        case 0xD6:
            c = 'O';
            break;
        case 0xDA:
        case 0xD9:
        case 0xDB:
        case 0xDC:
            c = 'U';
            break;
        case 0xF1:
            c = 'n';
            break;
        case 0xD1:
            c = 'N';
            break;
        case 0xE7:
            c = 'c';
            break;
        case 0xC7:
            c = 'C';
            break;
        default:
            break;
        }
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        if (c == ' ' || c == '\n' || c == '\t' || c == '-' || c == '_' || c == '\\' || c == '/')
            continue;
        r.push_back(static_cast<char>(c));
    }
    return r;
}

int Global2::compararNombres(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    return normalizarNombre(a) == normalizarNombre(b) ? 0 : 1;
}

void Global2::entrecomillar(std::string& s) {
    s = "\"" + s + "\"";
}

int Global2::redondear(float x) {
    if (!(std::fabs(x) < 2.0e9f)) return x > 0 ? 2000000000 : (x < 0 ? -2000000000 : 0);
    int i = static_cast<int>(x);
    float fraccion = x - static_cast<float>(i);
    if (fraccion > 0.5f) return i + 1;
    if (fraccion < -0.5f) return i - 1;
    return i;
}

float Global2::redondearDecimales(float x, int n) {
    float escala = 1.0f;
    for (int k = 0; k < n; ++k) escala *= 10.0f;
    float producto = x * escala;
    return static_cast<float>(redondear(producto)) / escala;
}

void Global2::acotar(float& valor, float bajo, float alto) {
    if (valor < bajo) valor = bajo;
    if (valor > alto) valor = alto;
}

void Global2::densidadAire(float altitudDada) {
    if (altitud == -99.0f) altitud = altitudDada;
    float rocp = gDefectos ? gDefectos->exigir(gDefectos->rocp, "ROCP") : 0.0f;
    capacidadCalorificaAire = rocp * std::exp(-0.0001219755f * altitud);
}

std::vector<float> Global2::reservarReales(long n) {
    comprobar(n >= 0 && n <= 100000000L, "Sin Memoria");
    try {
        return std::vector<float>(static_cast<std::size_t>(n), 0.0f);
    } catch (const std::bad_alloc&) {
        comprobar(false, "Sin Memoria");
    }
    return {};
}

void Global2::matrizPorVector(const float* m, const float* v, float* r, int n) {
    for (int i = 0; i < n; ++i) {
        double s = 0.0;
        for (int j = 0; j < n; ++j) s += static_cast<double>(m[i * n + j]) * v[j];
        r[i] = static_cast<float>(s);
    }
}

void Global2::matrizPorVector(const double* m, const double* v, double* r, int n) {
    for (int i = 0; i < n; ++i) {
        double s = 0.0;
        for (int j = 0; j < n; ++j) s += m[i * n + j] * v[j];
        r[i] = s;
    }
}

void Global2::matrizPorMatriz(const float* a, const float* b, float* r, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double s = 0.0;
            for (int k = 0; k < n; ++k) s += static_cast<double>(a[i * n + k]) * b[k * n + j];
            r[i * n + j] = static_cast<float>(s);
        }
}

namespace {
// Gauss-Jordan with partial pivoting on [m | I]; false when the matrix is singular.
template <class T> bool gaussJordan(T* m, int n) {
    std::vector<T> a(static_cast<std::size_t>(n) * 2 * n, T(0));
    const int w = 2 * n;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) a[i * w + j] = m[i * n + j];
        a[i * w + n + i] = T(1);
    }
    for (int c = 0; c < n; ++c) {
        int p = c;
        for (int i = c + 1; i < n; ++i)
            if (std::fabs(a[i * w + c]) > std::fabs(a[p * w + c])) p = i;
        if (!(std::fabs(a[p * w + c]) > T(0))) return false;
        if (p != c)
            for (int j = 0; j < w; ++j) std::swap(a[p * w + j], a[c * w + j]);
        T piv = a[c * w + c];
        for (int j = 0; j < w; ++j) a[c * w + j] /= piv;
        for (int i = 0; i < n; ++i) {
            if (i == c) continue;
            T f = a[i * w + c];
            if (f == T(0)) continue;
            for (int j = 0; j < w; ++j) a[i * w + j] -= f * a[c * w + j];
        }
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m[i * n + j] = a[i * w + n + j];
    return true;
}
} // namespace

void Global2::invertirMatriz(float* m, int n) {
    comprobar(gaussJordan(m, n), "Matriz singular: no se puede invertir");
}

void Global2::invertirMatriz(double* m, int n) {
    comprobar(gaussJordan(m, n), "Matriz singular: no se puede invertir");
}

// ---------------------------------------------------------------- user functions

void Global2::definirFunciones(std::vector<FuncionUsuario> funciones) {
    funciones_ = std::move(funciones);
    for (FuncionUsuario& f : funciones_) {
        if (f.parser) continue;
        f.valores.assign(f.variables.size(), 0.0);
        f.parser = std::make_unique<mu::Parser>();
        try {
            for (std::size_t i = 0; i < f.variables.size(); ++i)
                f.parser->DefineVar(f.variables[i], &f.valores[i]);
            f.parser->SetExpr(f.expresion);
            f.parser->Eval();
        } catch (const mu::Parser::exception_type& e) {
            comprobar(false, "Error en la funci\xF3n " + f.nombre + ": " + e.GetMsg());
        }
    }
}

int Global2::buscarFuncion(const std::string& nombre) const {
    for (std::size_t i = 0; i < funciones_.size(); ++i)
        if (funciones_[i].nombre == nombre) return static_cast<int>(i);
    return -1;
}
