#include "climate/PosicionSolar.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
struct Sol {
    float azimut = -1, altitud = -1, cenit = -1;
};
Sol posicion(PosicionSolar& p, float lat, int mes, int dia, float hora) {
    Sol s;
    p.calcular(lat, mes, dia, hora, s.azimut, s.altitud, s.cenit);
    return s;
}
} // namespace

TEST(PosicionSolar, SolsticiosA40Y70Grados) {
    PosicionSolar p;
    // N = 172: declination 23.45 sin(2 pi 456 / 365) = 23.45; zenith 40 - 23.45 = 16.55.
    Sol s = posicion(p, 40.0f, 6, 21, 12.0f);
    EXPECT_EQ(p.solArriba, 1);
    EXPECT_NEAR(s.azimut, 0.0f, 1e-3f);
    EXPECT_NEAR(s.cenit, 16.55f, 0.05f);
    // Morning east (negative), afternoon west.
    EXPECT_NEAR(posicion(p, 40.0f, 6, 21, 9.0f).azimut, -posicion(p, 40, 6, 21, 15).azimut, 1e-3f);
    // 21 December: sunrise after 7 h solar time; a sun below the horizon is horizontal south.
    s = posicion(p, 40.0f, 12, 21, 6.0f);
    EXPECT_EQ(p.solArriba, 0);
    EXPECT_TRUE(s.cenit == 90.0f && s.azimut == 0.0f);
    // 70 degrees north in June: up all day; at solar midnight due north, 23.45 - 20 = 3.45 high.
    for (int h = 1; h <= 24; ++h)
        EXPECT_LT(posicion(p, 70.0f, 6, 21, static_cast<float>(h)).cenit, 90.0f) << h;
    s = posicion(p, 70.0f, 6, 21, 24.0f);
    EXPECT_NEAR(std::fabs(s.azimut), 180.0f, 1e-3f);
    EXPECT_NEAR(s.altitud, 3.45f, 0.05f);
}
