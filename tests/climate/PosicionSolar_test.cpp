#include "climate/PosicionSolar.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(PosicionSolar, DiaDelAnio) {
    EXPECT_EQ(PosicionSolar::diaDelAnio(1, 1), 1);
    EXPECT_EQ(PosicionSolar::diaDelAnio(6, 21), 172);
    EXPECT_EQ(PosicionSolar::diaDelAnio(3, 1), 60); // no leap day
    EXPECT_EQ(PosicionSolar::diaDelAnio(12, 31), 365);
}

TEST(PosicionSolar, MediodiaDelSolsticioDeVeranoA40Grados) {
    PosicionSolar p;
    Sol s = posicion(p, 40.0f, 6, 21, 12.0f);
    // N = 172: declination 23.45 sin(2 pi 456 / 365) = 23.45; zenith 40 - 23.45 = 16.55.
    EXPECT_NEAR(p.declinacion, 23.45, 0.01);
    EXPECT_EQ(p.solArriba, 1);
    EXPECT_NEAR(s.azimut, 0.0f, 1e-3f);
    EXPECT_NEAR(s.cenit, 16.55f, 0.05f);
    EXPECT_FLOAT_EQ(s.altitud + s.cenit, 90.0f);
}

TEST(PosicionSolar, SolBajoElHorizonteEsSurHorizontal) {
    PosicionSolar p;
    // 21 December at 40 degrees: sunrise after 7 h solar time.
    Sol s = posicion(p, 40.0f, 12, 21, 6.0f);
    EXPECT_EQ(p.solArriba, 0);
    EXPECT_FLOAT_EQ(s.cenit, 90.0f);
    EXPECT_FLOAT_EQ(s.azimut, 0.0f);
    EXPECT_EQ(posicion(p, 40.0f, 12, 21, 8.0f).cenit < 90.0f, true);
    EXPECT_EQ(p.solArriba, 1);
    // Midnight is always dark at mid-latitudes.
    posicion(p, 40.0f, 6, 21, 24.0f);
    EXPECT_EQ(p.solArriba, 0);
}

TEST(PosicionSolar, MananaAlEsteTardeAlOesteSimetricas) {
    PosicionSolar p;
    Sol m = posicion(p, 40.0f, 3, 15, 9.0f);
    Sol t = posicion(p, 40.0f, 3, 15, 15.0f);
    EXPECT_LT(m.azimut, 0.0f);
    EXPECT_NEAR(m.azimut, -t.azimut, 1e-3f);
    EXPECT_NEAR(m.cenit, t.cenit, 1e-3f);
    // Early on a summer morning the sun rises north of east.
    Sol alba = posicion(p, 40.0f, 6, 21, 6.0f);
    EXPECT_EQ(p.solArriba, 1);
    EXPECT_LT(alba.azimut, -90.0f);
    EXPECT_GT(alba.azimut, -180.0f);
    Sol ocaso = posicion(p, 40.0f, 6, 21, 18.0f);
    EXPECT_NEAR(ocaso.azimut, -alba.azimut, 1e-3f);
}

TEST(PosicionSolar, SolDeMedianocheA70Grados) {
    PosicionSolar p;
    for (int h = 1; h <= 24; ++h) {
        Sol s = posicion(p, 70.0f, 6, 21, static_cast<float>(h));
        EXPECT_EQ(p.solArriba, 1) << h;
        EXPECT_LT(s.cenit, 90.0f) << h;
    }
    // At solar midnight the sun stands due north, 23.45 - 20 = 3.45 degrees high.
    Sol s = posicion(p, 70.0f, 6, 21, 24.0f);
    EXPECT_NEAR(std::fabs(s.azimut), 180.0f, 1e-3f);
    EXPECT_NEAR(s.altitud, 3.45f, 0.05f);
    // Polar night in December: never up.
    for (int h = 1; h <= 24; ++h) {
        posicion(p, 70.0f, 12, 21, static_cast<float>(h));
        EXPECT_EQ(p.solArriba, 0) << h;
    }
}

TEST(PosicionSolar, HemisferioSurVeElSolAlNorte) {
    PosicionSolar p;
    Sol s = posicion(p, -40.0f, 12, 21, 12.0f);
    EXPECT_NEAR(std::fabs(s.azimut), 180.0f, 1e-3f);
    EXPECT_NEAR(s.cenit, 16.55f, 0.05f);
}

TEST(PosicionSolar, EntradasExtremasDanNumeros) {
    PosicionSolar p;
    for (float lat : {-90.0f, -23.45f, 0.0f, 23.45f, 89.9f, 90.0f}) {
        for (int mes : {0, 1, 6, 13}) {
            for (float h : {0.0f, 6.5f, 12.0f, 24.0f}) {
                Sol s = posicion(p, lat, mes, 15, h);
                EXPECT_TRUE(std::isfinite(s.azimut) && std::isfinite(s.cenit))
                    << lat << " " << mes << " " << h;
            }
        }
    }
}
