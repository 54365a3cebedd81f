#include "climate/CorrienteAire.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "comun/Entorno.h"
#include "shell/ErrorFatal.h"

namespace {
constexpr float kP = 101325.0f;
}

TEST(CorrienteAire, PresionSaturacionUsaAguaEncimaDeCeroYHieloDebajo) {
    EXPECT_FLOAT_EQ(CorrienteAire::presionSaturacion(0.0f), 610.5f);
    // 610.5 exp(17.269 * 20 / 257.3) = 2336.9 Pa
    EXPECT_NEAR(CorrienteAire::presionSaturacion(20.0f), 2336.9f, 0.5f);
    // Ice: 610.5 exp(21.875 * -10 / 255.5) = 259.3 Pa; the water formula would give 285.6 Pa.
    EXPECT_NEAR(CorrienteAire::presionSaturacion(-10.0f), 259.3f, 0.3f);
    // Continuous at 0 and increasing on both sides.
    EXPECT_NEAR(CorrienteAire::presionSaturacion(-1e-4f), 610.5f, 0.01f);
    EXPECT_LT(CorrienteAire::presionSaturacion(-0.5f), CorrienteAire::presionSaturacion(0.0f));
}

TEST(CorrienteAire, TemperaturaSaturacionInvierteLaPresion) {
    EXPECT_FLOAT_EQ(CorrienteAire::temperaturaSaturacion(610.5f), 0.0f);
    for (float t : {-40.0f, -10.0f, -0.5f, 0.5f, 12.0f, 20.0f, 60.0f, 95.0f}) {
        float pv = CorrienteAire::presionSaturacion(t);
        EXPECT_NEAR(CorrienteAire::temperaturaSaturacion(pv), t, 1e-3f) << t;
    }
    // Boiling point at standard pressure: about 100 degC with these coefficients.
    EXPECT_NEAR(CorrienteAire::temperaturaSaturacion(kP), 100.0f, 0.3f);
    // No vapour: a finite limit, not a NaN.
    EXPECT_FLOAT_EQ(CorrienteAire::temperaturaSaturacion(0.0f), -265.5f);
}

TEST(CorrienteAire, ConstructorDaQuinceKgPorSegundoA25GradosY50PorCiento) {
    CorrienteAire a;
    EXPECT_FLOAT_EQ(a.dame("m"), 15.0f);
    EXPECT_FLOAT_EQ(a.dame("t"), 25.0f);
    EXPECT_FLOAT_EQ(a.dame("p"), kP);
    EXPECT_NEAR(a.dame("hr"), 50.0f, 1e-3f);
}

TEST(CorrienteAire, LosSettersAcotanSinAvisar) {
    CorrienteAire a;
    a.ponThrP(150.0f, 50.0f, kP);
    EXPECT_FLOAT_EQ(a.T, 99.0f);
    a.ponThrP(-150.0f, 50.0f, kP);
    EXPECT_FLOAT_EQ(a.T, -100.0f);
    a.ponTwP(20.0f, 0.005f, 1e8f);
    EXPECT_FLOAT_EQ(a.P, 1555070.0f);
    a.ponTwP(20.0f, 0.005f, -5.0f);
    EXPECT_FLOAT_EQ(a.P, 0.0014f);

    // 0 % is stored as the smallest humidity ratio, not as dry air.
    a.ponThrP(20.0f, 0.0f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0001f);
    a.ponThrP(20.0f, -30.0f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0001f);
    // ... whereas ponTwP keeps an explicit zero.
    a.ponTwP(20.0f, 0.0f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0f);
    a.ponTwP(20.0f, -0.01f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0f);

    // Over-saturated: lowered to wsat(20) = 0.62198 * 2336.9 / (101325 - 2336.9) = 0.014684.
    a.ponTwP(20.0f, 0.05f, kP);
    EXPECT_NEAR(a.w, 0.014684f, 2e-6f);
    EXPECT_FLOAT_EQ(a.w, CorrienteAire::humedadSaturacion(20.0f, kP));
    EXPECT_NEAR(a.dame("hr"), 100.0f, 1e-3f);
    a.ponThrP(20.0f, 250.0f, kP);
    EXPECT_NEAR(a.dame("hr"), 100.0f, 1e-3f);

    // A wet bulb above the dry bulb is taken as the dry bulb: saturated air.
    a.ponTthP(20.0f, 30.0f, kP);
    EXPECT_NEAR(a.dame("hr"), 100.0f, 0.01f);
    // A very dry wet bulb gives the smallest humidity ratio.
    a.ponTthP(40.0f, -50.0f, kP);
    EXPECT_FLOAT_EQ(a.w, 0.0001f);
}

TEST(CorrienteAire, PresionMuyBajaNoPuedeSostenerVapor) {
    // At 0.0014 Pa the saturation pressure at 20 degC exceeds the total pressure: wsat = 0.
    EXPECT_FLOAT_EQ(CorrienteAire::humedadSaturacion(20.0f, 0.0014f), 0.0f);
    CorrienteAire a;
    a.ponThrP(20.0f, 50.0f, 0.0f);
    EXPECT_FLOAT_EQ(a.w, 0.0f);
    EXPECT_TRUE(std::isfinite(a.dame("th")));
    EXPECT_TRUE(std::isfinite(a.dame("ve")));
}

TEST(CorrienteAire, CodigosDeDame) {
    CorrienteAire a;
    a.ponTwP(20.0f, 0.01f, kP);
    // (1805 * 20 + 2501000) * 0.01 + 1006 * 20 = 45491 J/kg
    EXPECT_NEAR(a.dame("h"), 45491.0f, 0.5f);
    // 101325 / (293.15 * 287.055 * (1 + 1.6078 * 0.01)) = 1.18504 kg/m3
    EXPECT_NEAR(a.dame("ro"), 1.18504f, 1e-4f);
    EXPECT_NEAR(a.dame("ve") * a.dame("ro"), 1.0f, 1e-6f);
    // 101325 * 0.01 / (0.62198 + 0.01) = 1603.3 Pa
    EXPECT_NEAR(a.dame("pv"), 1603.3f, 0.2f);
    EXPECT_FLOAT_EQ(a.dame("psat"), CorrienteAire::presionSaturacion(20.0f));
    EXPECT_NEAR(a.dame("hr"), 100.0f * 1603.3f / 2336.9f, 0.02f);
    EXPECT_NEAR(a.dame("tr"), CorrienteAire::temperaturaSaturacion(a.dame("pv")), 1e-5f);
    EXPECT_FLOAT_EQ(a.dame(std::string("w")), 0.01f);

    // 20 degC, 50 %: the vapour pressure is half the saturation pressure, dew point 9.3 degC.
    a.ponThrP(20.0f, 50.0f, kP);
    EXPECT_NEAR(a.dame("hr"), 50.0f, 1e-3f);
    EXPECT_NEAR(a.dame("pv"), 0.5f * 2336.9f, 0.3f);
    EXPECT_NEAR(a.dame("tr"), 9.3f, 0.1f);
}

TEST(CorrienteAire, BulboHumedoResuelveLaEcuacionPsicrometrica) {
    CorrienteAire a;
    a.ponThrP(20.0f, 50.0f, kP);
    float th = a.dame("th");
    // Psychrometric charts give 13.7 degC for 20 degC and 50 % at sea level.
    EXPECT_NEAR(th, 13.7f, 0.2f);
    // Setting the state back from that wet bulb returns the same humidity ratio.
    CorrienteAire b;
    b.ponTthP(20.0f, th, kP);
    EXPECT_NEAR(b.w, a.w, 2e-6f);

    // Saturated air: wet bulb = dry bulb.
    a.ponThrP(30.0f, 100.0f, kP);
    EXPECT_NEAR(a.dame("th"), 30.0f, 0.05f);
}

TEST(CorrienteAire, BulboHumedoNuncaPorDebajoDelPuntoDeRocio) {
    CorrienteAire a;
    for (float t = -30.0f; t <= 60.0f; t += 7.5f) {
        for (float hr : {1.0f, 10.0f, 35.0f, 70.0f, 95.0f, 100.0f}) {
            a.ponThrP(t, hr, kP);
            float th = a.dame("th"), tr = a.dame("tr");
            ASSERT_TRUE(std::isfinite(th)) << t << " " << hr;
            EXPECT_GE(th, tr) << t << " " << hr;
            EXPECT_LE(th, std::max(t, 0.0f) + 0.05f) << t << " " << hr;
        }
    }
    // Below freezing the iteration starts at 0 and the dew point bounds the answer.
    a.ponThrP(-20.0f, 90.0f, kP);
    EXPECT_GE(a.dame("th"), a.dame("tr"));
}

TEST(CorrienteAire, CodigoDesconocidoEsFatal) {
    DirectorioTemporal dir;
    HubDePrueba hub(dir.fichero("Error.log"));
    CorrienteAire a;
    testing::internal::CaptureStderr();
    try {
        a.dame("HR"); // codes are case-sensitive
        ADD_FAILURE() << "an unknown code must stop the run";
    } catch (const ErrorFatal& e) {
        EXPECT_EQ(e.codigo(), 3);
    }
    std::string salida = testing::internal::GetCapturedStderr();
    EXPECT_NE(salida.find("** cod no valido: float CorrienteAire::dame(char* cod)"),
              std::string::npos)
        << salida;
    EXPECT_THROW(a.dame(""), ErrorFatal);
    EXPECT_THROW(a.dame("psat "), ErrorFatal);
}
