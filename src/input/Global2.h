#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "input/Avisos.h"
#include "input/FuncionesUsuario.h"
#include "input/ListasFallos.h"
#include "input/ParametrosCalculo.h"
#include "input/PilaObjetos.h"
#include "input/RegistroResultados.h"

class LeerBDL;
class ValoresPorDefecto;

// The run's hub: the calculation parameters (which it is), the error log and the results file,
// the failure lists, the function table of the user formulas and the counters of generated
// objects. The run driver creates it first and writes the verdict through it at the end.
class Global2 : public ParametrosCalculo {
public:
    explicit Global2(const std::string& rutaErrorLog);
    // Closes the files if they are still open; writes nothing.
    virtual ~Global2();
    Global2(const Global2&) = delete;
    Global2& operator=(const Global2&) = delete;

    void ponerModo(const char* m) { ParametrosCalculo::ponerModo(m ? m : ""); }

    // Reads the calculation parameters from the building reader (the defaults give what it
    // lacks) and, for a building of kind "OBJETO", opens (truncates) the error log and the
    // results file, beginning the log with "$" in the zone-number regime. In a review nothing
    // is opened.
    void leerParametros(const LeerBDL& bdl, const ValoresPorDefecto* defectos,
                        const std::string& rutaResultados);
    // Whether the calculation parameters were read (the regime is known from then on).
    bool parametrosLeidos() const { return parametrosLeidos_; }

    // --- review of the building (option --revisar): no file is written, findings are kept ---
    void ponerRevision(bool si) { revision_ = si; }
    bool enRevision() const { return revision_; }
    Avisos& avisos() { return avisos_; }
    // The objects being built, for the place of a fatal error.
    PilaObjetos& pilaObjetos() { return pila_; }
    // One line each for standard error (Latin-1) on what keeps a run from leaving its files or
    // its verdict: a building whose kind is not "OBJETO" (with the key, value and place that
    // decided it), a results file or error log that could not be opened or written.
    const std::vector<std::string>& notasSinVeredicto() const { return notas_; }

    // --- error log ---
    // Non-fatal note: when the condition is false and the kind is "OBJETO", the message and a
    // line end are appended to the error log.
    void anotar(bool condicion, const std::string& mensaje);
    // Writes text to the error log without a line end (kind "OBJETO" only).
    void escribirEnLog(const std::string& texto);
    // From now on, everything written to the error log is also kept in memory (for the report).
    void copiarLog() { copiarLog_ = true; }
    // What was written to the error log since copiarLog, and whether the log was ever opened.
    const std::string& textoLog() const { return textoLog_; }
    bool logAbierto() const { return logAbierto_; }

    // --- end of the run ---
    // The normal end (kind "OBJETO"): the verdict to both files, the time stamps and the
    // calculation-time line to the error log; then both files are closed.
    void escribirVeredicto();
    // The end after a fatal error: the message (if any) ends the error log without a line end,
    // the files are closed and no verdict will be written.
    void cerrarSinVeredicto(const std::string& mensaje);

    // --- results and failure lists ---
    // The result of one check: a failing one joins its failure list; every one is kept when
    // the results are being kept (resultados().activar()).
    void registrar(ResultadoComprobacion&& r);
    // A result made of nothing but its verdict, text and list.
    void registrarFallo(bool ok, const std::string& mensaje, int lista);
    RegistroResultados& resultados() { return registro_; }
    const RegistroResultados& resultados() const { return registro_; }
    const std::vector<std::string>& fallos(int lista) const { return fallos_.fallos(lista); }
    bool fallido() const { return fallos_.fallido(); }
    const ListasFallos& listasFallos() const { return fallos_; }

    // --- counters of generated objects (the first call returns 0) ---
    int siguienteA() { return ++contadorA; }
    int siguienteB() { return ++contadorB; }

    // --- user functions (filled by the building model) ---
    void definirFunciones(std::vector<FuncionUsuario> funciones) {
        funciones_.definir(std::move(funciones));
    }
    int buscarFuncion(const std::string& nombre) const { return funciones_.buscar(nombre); }
    std::vector<FuncionUsuario>& funciones() { return funciones_.todas(); }

    int contadorA = -1, contadorB = -1;
    std::vector<float> sellosTiempo; // no operation of the engine adds stamps
    std::vector<std::string> etiquetasSellos;
    std::string rutaResultados;
    const std::string& rutaErrorLog() const { return rutaErrorLog_; }

private:
    void cerrarFicheros();
    void abrirFicheros();
    // Every write to the error log goes through here (the text up to its first zero byte).
    void escribirLog(const char* texto);
    void anotarTipoEdificio(const LeerBDL& bdl);
    // Closes a file; a write that failed on the way is noted.
    void cerrar(std::FILE*& f, const std::string& fichero, const char* consecuencia);

    bool activo_ = true; // false once the run has ended, with or without a verdict
    bool revision_ = false;
    Avisos avisos_;
    PilaObjetos pila_;
    std::vector<std::string> notas_;
    std::string rutaErrorLog_;
    std::FILE* errorLog_ = nullptr;
    std::FILE* resultados_ = nullptr;
    ListasFallos fallos_;
    RegistroResultados registro_;
    FuncionesUsuario funciones_;
    bool parametrosLeidos_ = false;
    bool copiarLog_ = false, logAbierto_ = false;
    std::string textoLog_;
};

// The hub of the current run, set by the run driver.
extern Global2* gGlobal2;
