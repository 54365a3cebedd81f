#pragma once
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "shell/Manifiesto.h"

// What became of one design of a batch: a row of the batch's summary.
struct ResultadoDiseno {
    std::string id;
    int codigo = 0;        // exit code of the run, or one of Lote's codes below
    std::string veredicto; // "CUMPLE", "NO CUMPLE", or empty when the run gave no verdict
    int fallos = -1;       // failure lines before the verdict; -1 without a verdict
    double segundos = 0.0; // wall time of the design's process
    std::string carpeta;   // DIR/<id>
};

struct OpcionesLote {
    int trabajos = 1;                      // designs run at the same time
    std::string directorio = "lote";       // DIR
    double limiteSegundos = 300.0;         // a design running longer is killed; 0: no limit
    int disenosPorTrabajador = 100;        // designs a worker runs before it is replaced; 1: each
                                           // design in a fresh process of its own
    bool progreso = false;                 // progress bar on standard error
    std::string nombreResumen = "resumen"; // DIR/<name>.csv and DIR/<name>.jsonl
};

// The batch runner. The designs run in worker processes forked from this one, at most
// `trabajos` of them, each running one design at a time inside its folder DIR/<id>/ with
// standard output and error going to DIR/<id>/salida.txt. A worker that crashes or passes the
// time limit is lost with the design it was running, which is reported as such; the next
// design gets a new worker, so a fatal error, a crash or a hang of one design stops no other.
// The summary is written row by row as designs end, and in the manifest's order at the end.
class Lote {
public:
    // Runs one design inside a worker process, in its folder; `resultados` is the path of its
    // results file. Returns the exit code of the run.
    using Ejecutor = std::function<int(const Diseno& diseno, const std::string& resultados)>;

    static constexpr int kTiempoAgotado = 124; // killed at the time limit
    static constexpr int kSinArrancar = 125;   // its folder or its process could not be made
    static constexpr int kSenal = 128;         // 128 + n: ended by signal n
    static const char* const kResultados;      // "resultados.txt"
    static const char* const kSalida;          // "salida.txt"

    Lote(OpcionesLote opciones, Ejecutor ejecutor);
    ~Lote();
    Lote(const Lote&) = delete;
    Lote& operator=(const Lote&) = delete;

    // Runs the designs and writes the summary; the results in the designs' order. A summary
    // that cannot be written is a fatal error (ErrorFatal).
    std::vector<ResultadoDiseno> ejecutar(const std::vector<Diseno>& disenos);

    // 0 when every design ran to its end (whatever its verdict), 1 otherwise.
    static int codigoSalida(const std::vector<ResultadoDiseno>& resultados);
    // Verdict and failure lines of a results file.
    static void leerVeredicto(const std::string& ruta, ResultadoDiseno& r);

private:
    using Reloj = std::chrono::steady_clock;
    // A worker process and the design it is running.
    struct Trabajador {
        pid_t pid = 0;        // 0: no process
        int ordenes = -1;     // write end: the index of each design to run
        int respuestas = -1;  // read end: the exit code of each run; end of file when it dies
        bool ocupado = false; // running the design `indice`
        std::size_t indice = 0;
        Reloj::time_point inicio;
        bool agotado = false; // killed at the time limit
    };

    void encargar(Trabajador& t, std::size_t indice);
    bool arrancar(Trabajador& t);
    [[noreturn]] void trabajar(int ordenes, int respuestas);
    int ejecutarEnCarpeta(const Diseno& d, const std::string& carpeta);
    void atender(Trabajador& t);
    void despedir(Trabajador& t, bool matar);
    void terminar(std::size_t indice, Reloj::time_point inicio, int codigo);
    void vigilarPlazos();
    void esperar();
    std::size_t ocupados() const;
    void abrirResumen();
    void anotarResumen(const ResultadoDiseno& r);
    void cerrarResumen();
    void mostrarProgreso(bool final);
    std::string carpetaDe(const Diseno& d) const;

    OpcionesLote op_;
    Ejecutor ejecutor_;
    const std::vector<Diseno>* disenos_ = nullptr;
    std::vector<ResultadoDiseno> resultados_;
    std::vector<Trabajador> trabajadores_;
    std::size_t terminados_ = 0, fallidos_ = 0;
    Reloj::time_point inicio_, ultimoProgreso_;
    std::FILE* csv_ = nullptr;
    std::FILE* jsonl_ = nullptr;
};
