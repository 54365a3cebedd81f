#pragma once
#include <string>
#include <vector>

class Global2;
class ValoresPorDefecto;
class Edificio;
class Excitacion;
class Meteo;
struct DatosComprobacion;

// A stage of the run and how long it took.
struct EtapaInforme {
    std::string nombre;
    double segundos = 0.0;
};

// What a report is made of: the run's arguments and times, and its objects as far as the run
// got to make them (null where it did not). Texts in Latin-1 as the engine holds them.
struct FuentesInforme {
    std::string argumentos;              // the raw argument string
    std::vector<std::string> parametros; // the six run arguments
    std::string inicio;                  // ISO 8601 UTC, empty when not recorded
    std::vector<EtapaInforme> etapas;
    double total = 0.0;
    int codigoSalida = 0;
    bool conError = false;
    std::string mensajeError, etapaError; // the fatal message; the stage that was running

    const Global2* global = nullptr;
    const ValoresPorDefecto* defectos = nullptr;
    const Edificio* edificio = nullptr;
    const Excitacion* excitacion = nullptr;
    const Meteo* meteo = nullptr;
    const DatosComprobacion* datos = nullptr;
    // The monthly values handed to the check (null until the climate was read).
    const float* Te = nullptr;
    const float* HRe = nullptr;
    const float* Ti = nullptr;
    const float* HRi = nullptr;
};
