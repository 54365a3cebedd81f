#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Global2;
class ValoresPorDefecto;

// Test helpers: a temporary directory per test, files written into it, and a run hub published
// as gGlobal2 for in-process tests of the engine's parts.
class DirectorioTemporal {
public:
    DirectorioTemporal();
    ~DirectorioTemporal();
    const std::string& ruta() const { return ruta_; }
    // Path of a file inside the directory (with the separator).
    std::string fichero(const std::string& nombre) const { return ruta_ + "/" + nombre; }
    // Writes the bytes to a file of the directory and returns its path.
    std::string escribir(const std::string& nombre, const std::string& contenido) const;

private:
    std::string ruta_;
};

std::string leerFichero(const std::string& ruta);

// The message of the fatal error (ErrorFatal) that the action raises; "(ninguno)" when it raises
// none.
std::string mensajeFatal(const std::function<void()>& accion);
bool existe(const std::string& ruta);
// A climate file of the text format: a title, latitude 40.4 and 8,760 hours at a constant 10 degC
// with a humidity ratio of 0.005 (about 66 %).
std::string climaConstante();

// Publishes a fresh Global2 (and, optionally, defaults) as the run globals for one test;
// restores the previous ones on destruction. The error log goes to the given path.
class HubDePrueba {
public:
    explicit HubDePrueba(const std::string& rutaErrorLog = "/dev/null");
    ~HubDePrueba();
    Global2& global() { return *global_; }
    // Installs a defaults object (ownership taken) as gDefectos.
    void ponerDefectos(std::unique_ptr<ValoresPorDefecto> d);

private:
    std::unique_ptr<Global2> global_;
    std::unique_ptr<ValoresPorDefecto> defectos_;
    Global2* globalPrevio_;
    ValoresPorDefecto* defectosPrevios_;
};

// Result of running the built executable.
struct ResultadoEjecucion {
    int codigo = -1;
    std::string salida, salidaError; // standard output and standard error
};
// Runs build/envolvente with the argument string (split on blanks into argv as a shell would
// not: the string is passed as one argument) in the working directory.
ResultadoEjecucion ejecutarMotor(const std::string& argumentos, const std::string& directorio);
// The same with options before the argument string ("--revisar").
ResultadoEjecucion ejecutarMotor(const std::vector<std::string>& opciones,
                                 const std::string& argumentos, const std::string& directorio);
