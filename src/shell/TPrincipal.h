#pragma once
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "report/Informe.h"

#include "input/Avisos.h"
#include "input/PilaObjetos.h"
#include "shell/Opciones.h"

class Directorios;
class Global2;
class LeerBDL;
class ValoresPorDefecto;
class Excitacion;
class ListaSchedule;
class Edificio;
class Meteo;
struct DatosComprobacion;
class RevisionClaves;

// The run's progress display and its run driver. On a terminal it shows a caption, a label and a
// progress bar on standard error; otherwise (a host application reading standard error) it shows
// nothing, so that standard error carries only fatal messages.
class TPrincipal {
public:
    explicit TPrincipal(std::string ejecutable);
    ~TPrincipal();

    void PonerArgumentos(const std::string& bdl, const std::string& clima, const std::string& zona,
                         const std::string& resultados, const std::string& limites,
                         const std::string& defectos);
    // No progress display, even on a terminal.
    void ocultarProgreso() { visible_ = false; }
    // Climate files read beforehand: a run whose climate file is among them takes that reading
    // instead of reading the file again (the results are the same).
    void ponerClimasLeidos(const ClimasLeidos* climas) { climas_ = climas; }
    // A review instead of a calculation (option --revisar): the inputs are checked, the building
    // and its library files read and the geometry placed, and the findings kept as warnings; no
    // file is written and there is no verdict.
    void ponerRevision(bool si) { revisar_ = si; }
    // What the hub knew when the run ended, kept after it is gone: the warnings of a review,
    // the notes on files or a verdict that could not be written, and the objects being built
    // when a fatal error stopped the run.
    const std::vector<Aviso>& avisos() const { return avisos_; }
    const std::vector<std::string>& notas() const { return notas_; }
    const std::vector<PilaObjetos::MarcoCopiado>& marcosDelFallo() const { return marcos_; }
    // Runs one complete calculation: read, build, check, report. A fatal error unwinds as
    // ErrorFatal before the verdict is written.
    void Calcular();
    // Releases what a failed run left, without writing a verdict; the message, if any, ends the
    // error log.
    void liberar(const std::string& mensaje = "");

    // Asks for the run's report, DIR/informe.json and DIR/informe.html (argumentos: the raw
    // argument string). The run then keeps its results and times, and writes the report after
    // the verdict, or after a fatal error with terminarConError.
    void ponerInforme(const std::string& carpeta, const std::string& argumentos);
    // The end of a failed run: the message ends the error log, the files are closed without a
    // verdict, the report (when asked for) is written with the error and what was reached, and
    // everything is released.
    void terminarConError(const std::string& mensaje);

    std::string FicheroBDL, FicheroClima, ZonaClimatica, FicheroResultados, FicheroLimites,
        FicheroDefectos = "defectos.inp";
    int Ticks = 0;

private:
    // The steps of Calcular, in their order.
    void registrarDirectorios();
    void comprobarEntradas();
    void leerEntradas();
    void construirEdificio();
    void leerClima();
    void comprobarRequisitos();
    void escribirVeredicto();
    void destruir();
    void revisar();
    void recogerDelHub();

    void avanzar(int etapa, const char* texto);
    // Report: the stage that starts (null: the last one ends) and the writing of the report.
    void etapa(const char* nombre);
    void escribirInforme(bool conError, const std::string& mensaje);

    std::string ejecutable_;
    Directorios* directorios_ = nullptr;
    std::string catalogo_; // the construction catalogue of the library directory
    std::string caption_, label_;
    bool visible_ = false;
    const ClimasLeidos* climas_ = nullptr;
    std::unique_ptr<Global2> global_;
    std::unique_ptr<LeerBDL> bdl_;
    std::unique_ptr<ValoresPorDefecto> defectos_;
    std::unique_ptr<Excitacion> excitacion_;
    std::unique_ptr<ListaSchedule> schedules_;
    std::unique_ptr<Edificio> edificio_;
    std::shared_ptr<const Meteo> clima_; // read by this run, or by its batch beforehand
    bool revisar_ = false;
    std::unique_ptr<RevisionClaves> vigia_;
    std::vector<Aviso> avisos_;
    std::vector<std::string> notas_;
    std::vector<PilaObjetos::MarcoCopiado> marcos_;
    // Monthly exterior temperature and humidity of the climate, interior temperature and
    // humidity (the check overwrites the interior humidities).
    float Te_[12] = {}, HRe_[12] = {}, Ti_[12] = {}, HRi_[12] = {};

    // --- the report ---
    using Reloj = std::chrono::steady_clock;
    std::string carpetaInforme_, argumentosInforme_;
    std::vector<std::string> parametros_; // the six run arguments as given
    std::unique_ptr<DatosComprobacion> datos_;
    Reloj::time_point inicio_, inicioEtapa_;
    std::string fechaInicio_, etapaActual_;
    std::vector<EtapaInforme> etapas_;
    float HRiEntregada_[12] = {}; // the interior humidities handed to the check
};
