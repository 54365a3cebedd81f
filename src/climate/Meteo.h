#pragma once
#include <string>
#include <vector>

// The climate object: one year of hourly outdoor data and its monthly means.
class Meteo {
public:
    Meteo();
    virtual ~Meteo();
    // Reads the climate file: the DOE-2 packed binary format for a name ending exactly in ".bin",
    // the text format otherwise.
    void leerClima(const std::string& fichero);
    // Monthly mean temperature and relative humidity, annual mean temperature.
    void valoresMensuales();

    float temperaturaMensual[12] = {};
    float humedadMensual[12] = {};
    float temperaturaAnual = 0.0f;
};
