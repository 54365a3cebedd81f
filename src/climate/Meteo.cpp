// Stand-in until the climate reader is built: a mild constant climate.
#include "climate/Meteo.h"

Meteo::Meteo() = default;
Meteo::~Meteo() = default;
void Meteo::leerClima(const std::string&) {}
void Meteo::valoresMensuales() {
    for (int m = 0; m < 12; ++m) {
        temperaturaMensual[m] = 10.0f;
        humedadMensual[m] = 70.0f;
    }
    temperaturaAnual = 10.0f;
}
