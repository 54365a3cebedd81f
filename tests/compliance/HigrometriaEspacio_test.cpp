#include "compliance/HigrometriaEspacio.h"

#include <gtest/gtest.h>

#include "base/Valores.h"
#include "compliance/Tablas.h"

namespace {

// First month: Te = 5 degC, Ti = 20 degC, 80 % outside; a space of 50 m3.
HigrometriaEspacio minimo(float hr, float g, float n, float clase, const Tablas& t) {
    return minimoEspacio(hr, g, n, clase, 50.0f, 5.0f, 20.0f, 80.0f, t);
}

TEST(HigrometriaEspacio, ClaseDesdeLaTablaDeLimites) {
    Tablas t; // fRsi,min 0.64 / 0.78 / 0.90 for classes 3 / 4 / 5, zone E of DB-HE1
    t.fRsiMinimo[1] = 0.70f;
    const struct {
        float clase, fRsiMin, humedad;
    } casos[] = {{3.0f, 0.64f, 55.0f},
                 {4.0f, 0.70f, 62.0f},
                 {5.0f, 0.90f, 70.0f},
                 {kNoDado, 0.90f, 70.0f}}; // nothing given: class 5
    for (const auto& c : casos) {
        HigrometriaEspacio h = minimo(kNoDado, kNoDado, kNoDado, c.clase, t);
        EXPECT_FLOAT_EQ(h.fRsiMin, c.fRsiMin) << c.clase;
        EXPECT_FLOAT_EQ(h.humedadInterior, c.humedad) << c.clase;
    }
}

TEST(HigrometriaEspacio, HumedadOProduccionDeVapor) {
    Tablas t;
    // HR 50 -> 55 %: psat,min = 1.25 * 2337 * 0.55 = 1606.7 Pa, saturated at 14.086 degC;
    // (14.086 - 5) / 15 = 0.6057. The relative humidity wins over a class.
    HigrometriaEspacio h = minimo(50.0f, kNoDado, kNoDado, 3.0f, t);
    EXPECT_FLOAT_EQ(h.humedadInterior, 55.0f);
    EXPECT_NEAR(h.fRsiMin, 0.6057f, 5e-4f);
    // G = 0.2 kg/h, n = 1 /h, V = 50 m3: dp = 0.2/50 * 462 * (20 + 5 + 546.3)/2 = 527.9 Pa;
    // pi = 0.8 * 871.9 + 527.9 = 1225.4 Pa = 52.43 % of psat(20); psat,min = 1531.9 Pa ->
    // 13.352 degC -> 0.5568.
    h = minimo(kNoDado, 0.2f, 1.0f, kNoDado, t);
    EXPECT_NEAR(h.humedadInterior, 52.43f, 0.01f);
    EXPECT_NEAR(h.fRsiMin, 0.5568f, 5e-4f);
}

} // namespace
