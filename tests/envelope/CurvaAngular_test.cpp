#include "envelope/CurvaAngular.h"

#include <gtest/gtest.h>

TEST(CurvaAngular, AjusteSigueLaTablaYSeAnulaEnIncidenciaRasante) {
    // Absorptance ratios of absorbing glass, growing towards grazing incidence.
    const std::array<float, 10> tabla = {1.0f, 1.0f,  1.01f, 1.03f, 1.05f,
                                         1.1f, 1.21f, 1.47f, 1.65f, 0.0f};
    CurvaAngular c;
    c.ajustar(tabla);
    const std::array<float, 10>& cos = CurvaAngular::cosenos();
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(c.evaluar(cos[i]), tabla[i], 0.05f) << i;
    EXPECT_FLOAT_EQ(c.evaluar(-0.4f), 0.0f); // sun behind the glazing
}
