#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace mu {
class Parser;
}
class LeerBDL;

// A value that the input did not give is held as this marker; anything below -1e8 counts as
// "not given".
constexpr float kNoDado = -1e10f;
inline bool esNoDado(float v) {
    return v < -1e8f;
}

// One FUNCTION object of the building file, compiled for evaluation.
struct FuncionUsuario {
    std::string nombre;
    std::string expresion;
    std::vector<std::string> variables;
    std::vector<double> valores; // storage bound to the parser's variables, one per name
    std::unique_ptr<mu::Parser> parser;
    FuncionUsuario();
    ~FuncionUsuario();
    FuncionUsuario(FuncionUsuario&&) noexcept;
    FuncionUsuario& operator=(FuncionUsuario&&) noexcept;
};

// The run's hub: calculation parameters, building kind, error log and results file, the five
// failure lists, the user-function table and the small utilities every part of the engine uses.
// Its error service reports fatal errors and unwinds through ErrorFatal.
class Global2 {
public:
    static constexpr int kNumListas = 5;
    static const char* const kEtiquetasListas[kNumListas]; // Latin-1, with their double quotes

    explicit Global2(const std::string& rutaErrorLog);
    virtual ~Global2();
    Global2(const Global2&) = delete;
    Global2& operator=(const Global2&) = delete;

    void ponerModo(const char* m) { modo_ = m ? m : ""; }
    const std::string& modo() const { return modo_; }

    // Reads the calculation parameters from the building reader and, for a building of kind
    // "OBJETO", opens (truncates) the error log and the results file.
    void leerParametros(const LeerBDL& bdl, const std::string& rutaResultados);

    // --- error service ---
    // Fatal when the condition is false: message to standard error, to the error log (kind
    // "OBJETO"), files closed, ErrorFatal(3) thrown. Returns only when the condition is true.
    void comprobar(bool condicion, const std::string& mensaje);
    void comprobarSinMensaje(bool condicion);
    // Non-fatal note: when the condition is false and the kind is "OBJETO", the message and a
    // line end are appended to the error log.
    void anotar(bool condicion, const std::string& mensaje);
    // Writes text to the error log without a line end (kind "OBJETO" only).
    void escribirEnLog(const std::string& texto);
    // Closes the files (kind "OBJETO") and unwinds with the exit code; no verdict is written.
    [[noreturn]] void abortar(int codigo);
    // The fatal path that skips the message box: the text goes to the error log (no line end)
    // and, as every fatal message, to standard error; then abortar(codigo).
    [[noreturn]] void abortarConMensaje(const std::string& mensaje, int codigo = 3);
    // For an unexpected failure caught at the entry point: the message goes to the error log,
    // the files are closed and no verdict will be written.
    void cerrarSinVeredicto(const std::string& mensaje);

    // --- failure lists ---
    void registrarFallo(bool ok, const std::string& mensaje, int lista);
    const std::vector<std::string>& fallos(int lista) const { return fallos_[lista]; }
    bool fallido() const { return fallido_; }

    // --- calendar ---
    bool esHoraCalefaccion(int hora) const;
    bool noEsHoraCalefaccion(int hora) const { return !esHoraCalefaccion(hora); }
    bool esMesCalefaccion(int hora) const;
    bool esMesRefrigeracion(int hora) const;
    // Splits an hour of the year; the day of month and the month come out 0-based
    // (month 0 = January), the month being an index into the month flags.
    static void mesYDia(int horaAnio, int& horaDia, int& diaMes, int& mes);

    // --- utilities ---
    // 0 when equal after Latin-1 accent folding, upper-casing and removing blanks, line feeds,
    // tabs, hyphens, underscores, backslashes and slashes; non-zero otherwise.
    static int compararNombres(const std::string& a, const std::string& b);
    static std::string normalizarNombre(const std::string& a);
    static void entrecomillar(std::string& s);
    static int redondear(float x);
    static float redondearDecimales(float x, int n);
    static void acotar(float& valor, float bajo, float alto);
    int siguienteA() { return ++contadorA; }
    int siguienteB() { return ++contadorB; }
    void densidadAire(float altitudDada);
    std::vector<float> reservarReales(long n);

    // Matrix utilities (row-major). The inversions stop the run on a singular matrix.
    static void matrizPorVector(const float* m, const float* v, float* r, int n);
    static void matrizPorVector(const double* m, const double* v, double* r, int n);
    static void matrizPorMatriz(const float* a, const float* b, float* r, int n);
    void invertirMatriz(float* m, int n);
    void invertirMatriz(double* m, int n);

    // --- user functions (filled by the building model) ---
    void definirFunciones(std::vector<FuncionUsuario> funciones);
    int buscarFuncion(const std::string& nombre) const; // index or -1
    std::vector<FuncionUsuario>& funciones() { return funciones_; }

    // Whether the kind of the building is "OBJETO" (files are written only then).
    bool esObjeto() const;

    // --- calculation parameters (public: read by every part of the engine) ---
    float capacidadCalorificaAire = 0.0f;
    std::string tipoEdificio = "OBJETO"; // "BUILDING-TYPE"
    float longitudReferencia = 15.0f;
    float latitud = 40.0f;
    float altitud = -99.0f;
    bool limitesPorOrientacion = true;
    float toleranciaGeometrica = 0.01f;
    float higrometriaHR = kNoDado;
    float higrometriaG = kNoDado;
    float higrometriaN = kNoDado;
    float claseHigrometria = kNoDado;
    int mesesCalefaccion[12] = {};
    int mesesRefrigeracion[12] = {};
    std::vector<float> calefaccionHoraria;
    float pasoTiempo = 3600.0f;
    float numeroPasos = 0.0f;
    int horas = 0;
    int horaInicio = 0, horaFin = 0;
    int diaInicio = 1, mesInicio = 1, diaFin = 31, mesFin = 12;
    float stefanBoltzmann = 5.67e-8f;
    int contadorA = -1, contadorB = -1;
    std::vector<float> sellosTiempo;
    std::vector<std::string> etiquetasSellos;
    std::string rutaResultados;
    const std::string& rutaErrorLog() const { return rutaErrorLog_; }

private:
    void cerrarFicheros();
    void escribirVeredicto();

    bool activo_ = true;
    bool fallido_ = false;
    std::string rutaErrorLog_;
    std::FILE* errorLog_ = nullptr;
    std::FILE* resultados_ = nullptr;
    std::string modo_ = "DEMANDA";
    std::vector<std::string> fallos_[kNumListas];
    std::unordered_set<std::string> normalizados_[kNumListas];
    std::vector<FuncionUsuario> funciones_;
};
