#include "envelope/lamas.h"

#include <gtest/gtest.h>

TEST(lamas, HazDirectoYDifuso) {
    // Flat slats as wide as their spacing: a horizontal beam passes, one at 45 degrees is fully
    // intercepted (slat transmission plus half its reflection), one at atan(0.5) half.
    lamas l(0.05f, 0.05f, 0.0f, 0.0f, 70, 0.1f, 0.6f, false);
    EXPECT_NEAR(l.transmitanciaDirecta(0.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(l.transmitanciaDirecta(45.0f), 0.1f + 0.3f, 1e-5f);
    EXPECT_NEAR(l.transmitanciaDirecta(26.565051f), 0.5f + 0.5f * 0.4f, 1e-4f);
    EXPECT_TRUE(l.transmitanciaDifusa() > 0.4f && l.transmitanciaDifusa() < 1.0f);
    // 3 samples still make 2 per group.
    EXPECT_EQ(lamas(0.05f, 0.05f, 0.0f, 0.0f, 3, 0.0f, 0.0f, true).muestrasPorGrupo, 2);
}
