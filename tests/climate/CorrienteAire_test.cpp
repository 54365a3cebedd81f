#include "climate/CorrienteAire.h"

#include <cmath>
#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"

namespace {
constexpr float kP = 101325.0f;
using CA = CorrienteAire;
} // namespace

TEST(CorrienteAire, PresionYTemperaturaDeSaturacion) {
    EXPECT_FLOAT_EQ(CA::presionSaturacion(0.0f), 610.5f);
    // 610.5 exp(17.269 * 20 / 257.3) = 2336.9 Pa
    EXPECT_NEAR(CA::presionSaturacion(20.0f), 2336.9f, 0.5f);
    // Ice: 610.5 exp(21.875 * -10 / 255.5) = 259.3 Pa; the water formula would give 285.6 Pa.
    EXPECT_NEAR(CA::presionSaturacion(-10.0f), 259.3f, 0.3f);
    for (float t : {-40.0f, -0.5f, 20.0f, 95.0f})
        EXPECT_NEAR(CA::temperaturaSaturacion(CA::presionSaturacion(t)), t, 1e-3f) << t;
}

TEST(CorrienteAire, LosSettersAcotanSinAvisar) {
    CA a;
    EXPECT_NEAR(a.dame("hr"), 50.0f, 1e-3f); // the default state: 25 degC, 50 %
    a.ponThrP(150.0f, 50.0f, kP);
    EXPECT_FLOAT_EQ(a.T, 99.0f);
    // 0 % is stored as the smallest humidity ratio; ponTwP keeps an explicit zero.
    a.ponThrP(20.0f, 0.0f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0001f);
    a.ponTwP(20.0f, -0.01f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0f);
    // Over-saturated: lowered to wsat(20) = 0.62198 * 2336.9 / (101325 - 2336.9) = 0.014684.
    a.ponTwP(20.0f, 0.05f, kP);
    EXPECT_NEAR(a.w, 0.014684f, 2e-6f);
    EXPECT_NEAR(a.dame("hr"), 100.0f, 1e-3f);
    a.ponTthP(20.0f, 30.0f, kP); // a wet bulb above the dry bulb: saturated
    EXPECT_NEAR(a.dame("hr"), 100.0f, 0.01f);
}

TEST(CorrienteAire, CodigosDeDame) {
    CA a;
    a.ponTwP(20.0f, 0.01f, kP);
    // (1805 * 20 + 2501000) * 0.01 + 1006 * 20 = 45491 J/kg
    EXPECT_NEAR(a.dame("h"), 45491.0f, 0.5f);
    // 101325 / (293.15 * 287.055 * (1 + 1.6078 * 0.01)) = 1.18504 kg/m3
    EXPECT_NEAR(a.dame("ro"), 1.18504f, 1e-4f);
    // 101325 * 0.01 / (0.62198 + 0.01) = 1603.3 Pa, 68.6 % of 2336.9 Pa
    EXPECT_NEAR(a.dame("pv"), 1603.3f, 0.2f);
    EXPECT_NEAR(a.dame("hr"), 100.0f * 1603.3f / 2336.9f, 0.02f);
    // 20 degC, 50 %: dew point 9.3 degC; psychrometric charts give a wet bulb of 13.7 degC,
    // and setting the state back from it returns the same humidity ratio.
    a.ponThrP(20.0f, 50.0f, kP);
    EXPECT_NEAR(a.dame("tr"), 9.3f, 0.1f);
    CA b;
    b.ponTthP(20.0f, a.dame("th"), kP);
    EXPECT_NEAR(a.dame("th"), 13.7f, 0.2f);
    EXPECT_NEAR(b.w, a.w, 2e-6f);
    // Wet bulb never below the dew point, nor above the dry bulb (0 degC below freezing).
    for (float t = -30.0f; t <= 60.0f; t += 7.5f)
        for (float hr : {1.0f, 35.0f, 100.0f}) {
            a.ponThrP(t, hr, kP);
            EXPECT_GE(a.dame("th"), a.dame("tr")) << t << " " << hr;
            EXPECT_LE(a.dame("th"), std::max(t, 0.0f) + 0.05f) << t << " " << hr;
        }
}

TEST(CorrienteAire, CodigoDesconocidoEsFatal) {
    CA a;
    EXPECT_EQ(mensajeFatal([&] { a.dame("HR"); }), // codes are case-sensitive
              "** cod no valido: float CorrienteAire::dame(char* cod)");
}
