#include "compliance/FactorReduccion.h"

#include <gtest/gtest.h>

TEST(FactorReduccion, ConductanciasYVentilacion) {
    // Hiu seen from both sides 20 -> 10 W/K; Hue 5 W/K; 1 air change per hour over 10 m2 and
    // 2.7 m with a 0.2 m slab: 5 + 0.34 * 10 * (2.7 - 0.2) + 0.34 * 10 = 16.9 W/K -> 16.9 / 26.9.
    EXPECT_NEAR(FactorReduccion::calcularFactor(20, 5, 1, true, 10, 2.7f, 0.2f), 0.62825f, 1e-5f);
    // No higher than the slab, or a flow per floor area: only the flat term, 8.4 / 18.4.
    EXPECT_NEAR(FactorReduccion::calcularFactor(20, 5, 1, true, 10, 0.2f, 0.2f), 0.45652f, 1e-5f);
    EXPECT_NEAR(FactorReduccion::calcularFactor(20, 5, 1, false, 10, 2.7f, 0.2f), 0.45652f, 1e-5f);
    // Only towards the habitable spaces: their temperature; nothing at all: no reduction.
    EXPECT_FLOAT_EQ(FactorReduccion::calcularFactor(8, 0, 0, false, 10, 2.7f, 0.2f), 0.0f);
    EXPECT_FLOAT_EQ(FactorReduccion::calcularFactor(0, 0, 0, true, 10, 2.7f, 0.2f), 1.0f);
}
