#pragma once
#include <string>
#include <vector>

#include "base/Calendario.h"

// The climate object: one year of hourly outdoor data for the building's site and its monthly
// means. Hour 0 is 00:00-01:00 on 1 January, hour 8759 the last hour of 31 December (365 days,
// no leap day).
//
// Every hourly series starts at zero. A climate file that cannot be opened, or that ends early,
// leaves the hours it does not supply at zero (nothing is reported; the monthly means are then
// taken over those zeros), and a text line that does not hold its thirteen numbers leaves its
// hour at zero too. horasLeidas counts the hours the file did supply.
class Meteo {
public:
    static constexpr int kHoras = Calendario::kHorasAnio;

    Meteo();
    virtual ~Meteo();
    // Reads the climate file: the DOE-2 packed binary format for a name ending exactly in ".bin",
    // the text format otherwise.
    void leerClima(const std::string& fichero);
    // Monthly mean temperature and relative humidity, annual mean temperature.
    void valoresMensuales();

    float temperaturaMensual[12] = {}; // degC, January first
    float humedadMensual[12] = {};     // %, January first
    float temperaturaAnual = 0.0f;     // degC

    float latitud = 0.0f;     // degrees, north positive
    float longitud = 0.0f;    // degrees, the binary header's value negated (binary format only)
    float zonaHoraria = 0.0f; // time-zone number of the binary header (binary format only)
    int mesRegistro = 0, diaRegistro = 0, horaRegistro = 0; // integers of the last text record
    int horasLeidas = 0;                                    // hours supplied by the file

    // The eight hourly series, kHoras values each.
    std::vector<float> temperatura;      // dry bulb, degC
    std::vector<float> humedad;          // relative humidity, % (0-100)
    std::vector<float> radiacionDirecta; // direct irradiance on the horizontal, W/m2
    std::vector<float> radiacionDifusa;  // diffuse irradiance on the horizontal, W/m2
    std::vector<float> cenit;            // solar zenith angle, degrees
    std::vector<float> azimut;           // solar azimuth, degrees, 0 south, positive west
    std::vector<float> velocidadViento;  // m/s
    std::vector<float> direccionViento;  // degrees

private:
    void leerTexto(const std::string& fichero);
    void leerBinario(const std::string& fichero);
};
