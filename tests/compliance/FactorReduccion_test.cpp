#include "compliance/FactorReduccion.h"

#include <gtest/gtest.h>

// The walk over the building that gathers the conductances runs in the whole-engine cases of
// tests/integration; here the factor itself.

TEST(FactorReduccion, VentilacionPorRenovacionesDescuentaElForjado) {
    // Hiu seen from both sides 20 -> 10 W/K; Hue 5 W/K; 1 air change per hour over 10 m2 and
    // 2.7 m with a 0.2 m slab: 5 + 0.34 * 1 * 10 * (2.7 - 0.2) + 0.34 * 1 * 10 = 16.9 W/K;
    // factor 16.9 / (10 + 16.9) = 0.62825.
    EXPECT_NEAR(FactorReduccion::calcularFactor(20.0f, 5.0f, 1.0f, true, 10.0f, 2.7f, 0.2f),
                0.62825f, 1e-5f);
    // A space no higher than the slab gets only the flat term: (5 + 3.4) / (10 + 8.4).
    EXPECT_NEAR(FactorReduccion::calcularFactor(20.0f, 5.0f, 1.0f, true, 10.0f, 0.2f, 0.2f),
                8.4f / 18.4f, 1e-6f);
}

TEST(FactorReduccion, CaudalPorAreaSoloTerminoPlano) {
    // INF-FLOW/AREA: 5 + 0.34 * 1 * 10 = 8.4; 8.4 / (10 + 8.4) = 0.45652.
    EXPECT_NEAR(FactorReduccion::calcularFactor(20.0f, 5.0f, 1.0f, false, 10.0f, 2.7f, 0.2f),
                0.45652f, 1e-5f);
}

TEST(FactorReduccion, SinConductanciaNiVentilacionNoReduce) {
    EXPECT_FLOAT_EQ(FactorReduccion::calcularFactor(0.0f, 0.0f, 0.0f, true, 10.0f, 2.7f, 0.2f),
                    1.0f);
    // Only towards the habitable spaces: the space follows their temperature.
    EXPECT_FLOAT_EQ(FactorReduccion::calcularFactor(8.0f, 0.0f, 0.0f, false, 10.0f, 2.7f, 0.2f),
                    0.0f);
}
