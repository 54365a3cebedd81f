#include "envelope/lamas.h"

#include <gtest/gtest.h>

TEST(lamas, HazDirectoYDifuso) {
    // Flat slats as wide as their spacing: a horizontal beam passes, one at 45 degrees is
    // fully intercepted and only the slat's transmission and half its reflection go on.
    lamas l(0.05f, 0.05f, 0.0f, 0.0f, 70, 0.1f, 0.6f, false);
    EXPECT_NEAR(l.transmitanciaDirecta(0.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(l.transmitanciaDirecta(45.0f), 0.1f + 0.3f, 1e-5f);
    // Half-intercepted at 26.57 degrees (tan = 0.5).
    EXPECT_NEAR(l.transmitanciaDirecta(26.565051f), 0.5f + 0.5f * 0.4f, 1e-4f);
    float difusa = l.transmitanciaDifusa();
    EXPECT_GT(difusa, 0.4f);
    EXPECT_LT(difusa, 1.0f);
    // 70 samples make 7 groups of 10; 3 samples still 2 per group. No louvres: all passes.
    EXPECT_EQ(l.muestrasPorGrupo, 10);
    EXPECT_EQ(lamas(0.05f, 0.05f, 0.0f, 0.0f, 3, 0.0f, 0.0f, true).muestrasPorGrupo, 2);
    EXPECT_FLOAT_EQ(lamas().transmitanciaDifusa(), 1.0f);
}
