#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

class Meteo;

// Climate files already read, by the path the argument string names them with: a batch reads
// each shared climate once, before its designs run.
using ClimasLeidos = std::map<std::string, std::shared_ptr<const Meteo>>;

// What a run carries besides its argument string: switches that change no output file of the
// run itself.
struct OpcionesEjecucion {
    bool silencioso = false;              // no progress line on a terminal
    bool revisar = false;                 // warnings about the building on standard error
    std::string informe;                  // folder of the run's report; empty: no report
    const ClimasLeidos* climas = nullptr; // climates read beforehand (batches), or none
};

// The command line of the executable: options (getopt_long, short and long forms) before
// either the argument string of the host application (one argument, or several joined by
// blanks) or the five or six run arguments given separately.
struct Opciones {
    enum class Accion { Ejecutar, Ayuda, Version, Lote, Error };

    Accion accion = Accion::Ejecutar;
    OpcionesEjecucion ejecucion;

    // The run's argument string: the raw one, or the separate run arguments joined by commas.
    std::string cadena;
    bool posicional = false;
    bool sinArgumentos = false; // nothing at all after the executable's name

    // Batch: manifest ("-" for standard input), parallel runs (0: one per core), output
    // folder, shard K of N (0 of 0: the whole manifest), time limit per design (0: none).
    std::string manifiesto;
    int trabajos = 0;
    std::string directorio = "lote";
    int parte = 0, partes = 0;
    double limiteSegundos = 300.0;
    bool procesoPorDiseno = false; // each design in a fresh worker process

    std::string error; // the reason of Accion::Error, in UTF-8

    // Reads the arguments that follow the executable's name. Options end at the first argument
    // that does not begin with '-', after "--", and at any argument holding a comma, which is
    // always part of an argument string.
    static Opciones analizar(const std::vector<std::string>& argumentos);

    // The help text and the one-line usage hint, in UTF-8.
    static const char* textoAyuda();
    static const char* textoUso();
};
