#pragma once

// Position of the sun for a site latitude and an hour of solar time, from the day of the year
// (365-day calendar): declination, sunrise and sunset, then the sun's direction cosines turned
// into azimuth and altitude. Keeps the declination and the sun-up flag of the last call.
class PosicionSolar {
public:
    // latitud in degrees (north positive), mes 1-12, dia of the month, hora 1-24 in solar time.
    // Out: azimuth (0 = south, positive towards west, +-180 = north), altitude and zenith, in
    // degrees. When the sun is down the direction is taken as horizontal due south: azimuth 0,
    // altitude 0, zenith 90.
    void calcular(float latitud, int mes, int dia, float hora, float& azimut, float& altitud,
                  float& cenit);

    // Day of the year, 1-based, of a month (1-12, out-of-range months are clamped) and day.
    static int diaDelAnio(int mes, int dia);

    double declinacion = 0.0;                    // degrees, of the last call
    double gradosARadianes = 0.0174532925199433; // degree-to-radian factor
    double pi = 3.141592654;
    int solArriba = 0; // 1 when the sun was up at the last call
};
