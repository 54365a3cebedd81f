#include "climate/PosicionSolar.h"

#include <cmath>

#include "base/Calendario.h"

int PosicionSolar::diaDelAnio(int mes, int dia) {
    if (mes < 1) mes = 1;
    if (mes > 12) mes = 12;
    return dia + Calendario::kDiasAntesDelMes[mes - 1];
}

void PosicionSolar::calcular(float latitud, int mes, int dia, float hora, float& azimut,
                             float& altitud, float& cenit) {
    const double rad = gradosARadianes;
    int n = diaDelAnio(mes, dia);
    declinacion = 23.45 * std::sin(2.0 * pi * (284 + n) / 365.0);
    double lat = latitud * rad;
    double dec = declinacion * rad;

    // Sunrise and sunset in solar hours; polar day and polar night have no crossing.
    double orto, ocaso;
    double x = -std::tan(lat) * std::tan(dec);
    if (x <= -1.0) {
        orto = -1.0;
        ocaso = 25.0;
    } else if (x >= 1.0) {
        orto = ocaso = -1.0;
    } else {
        double ws = std::acos(x);
        orto = 12.0 - ws * 12.0 / pi;
        ocaso = 24.0 - orto;
    }

    // Direction cosines of the sun: up, towards the west, towards the south.
    double arriba = 0.0, esteOeste = 0.0, norteSur = 0.0;
    solArriba = (orto * 1.0001 < hora && ocaso * 0.99999 > hora) ? 1 : 0;
    if (solArriba) {
        double w = (hora - 12.0) * 15.0 * rad;
        arriba = std::cos(w) * std::cos(dec) * std::cos(lat) + std::sin(lat) * std::sin(dec);
        esteOeste = std::sin(w) * std::cos(dec);
        double s = arriba * arriba + esteOeste * esteOeste;
        norteSur = std::fabs(s) <= 1.0 ? std::sqrt(1.0 - s) : 0.0;
        // The sun is north of the east-west line when the hour angle is wide enough.
        if (std::cos(w) < std::tan(dec) / std::tan(lat)) norteSur = -norteSur;
        if (latitud < 0.0f) norteSur = -norteSur;
    }

    if (arriba > 0.9999) arriba = 0.9999;
    double alt = std::atan(arriba / std::sqrt(1.0 - arriba * arriba));
    double s = esteOeste / std::cos(alt);
    double az;
    if (std::fabs(std::fabs(s) - 1.0) >= 0.001 && std::fabs(s) < 1.0) {
        az = std::atan(s / std::sqrt(1.0 - s * s));
    } else {
        az = (hora < 12.0f ? -90.0 : 90.0) * rad;
    }
    if (norteSur < 0.0) az = az < 0.0 ? -pi - az : pi - az;

    azimut = static_cast<float>(az / rad);
    altitud = static_cast<float>(alt / rad);
    cenit = 90.0f - altitud;
}
