#include "envelope/CurvaAngular.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(CurvaAngular, AjusteSigueLaTablaYSeAnulaEnIncidenciaRasante) {
    const std::array<float, 10> tabla = {1.0f,   0.999f, 0.996f, 0.99f,  0.976f,
                                         0.946f, 0.873f, 0.691f, 0.352f, 0.0f};
    CurvaAngular c;
    c.ajustar(tabla);
    const std::array<float, 10>& cos = CurvaAngular::cosenos();
    EXPECT_FLOAT_EQ(cos[0], 1.0f);
    EXPECT_FLOAT_EQ(cos[9], 0.0f);
    EXPECT_NEAR(cos[6], 0.5f, 1e-6f);
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(c.evaluar(cos[i]), tabla[i], 0.02f) << i;
    EXPECT_FLOAT_EQ(c.evaluar(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(c.evaluar(-0.4f), 0.0f); // sun behind the glazing
}

TEST(CurvaAngular, RazonesMayoresQueUno) {
    // Absorptance ratios of absorbing glass grow towards grazing incidence.
    const std::array<float, 10> tabla = {1.0f, 1.0f,  1.01f, 1.03f, 1.05f,
                                         1.1f, 1.21f, 1.47f, 1.65f, 0.0f};
    CurvaAngular c;
    c.ajustar(tabla);
    EXPECT_GT(c.evaluar(std::cos(70.0f * 3.14159265f / 180.0f)), 1.3f);
    EXPECT_NEAR(c.evaluar(1.0f), 1.0f, 0.05f);
}
