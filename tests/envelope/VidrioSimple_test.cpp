#include "envelope/VidrioSimple.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

// Films he = 20.37 + 4.63 = 25 and hi = 3.0 + 4.7 = 7.7, the defaults' as well.
TEST(VidrioSimple, ResistenciaDelVidrio) {
    EntornoEnvolvente e;
    // Rg = 1/5.7 - 1/25 - 1/7.7 = 0.00557 m2K/W: accepted; U gives back the conductance.
    VidrioSimple v(0.9f, 0.8f, 5.7f, 20.37f, 4.63f, 3.0f, 4.7f, 0.0f);
    EXPECT_NEAR(v.Rg, 0.00557f, 1e-5f);
    EXPECT_NEAR(v.U(), 5.7f, 1e-4f);
    // 6.0 needs a negative Rg.
    EXPECT_EQ(e.fatal([] { VidrioSimple x(0.9f, 0.9f, 6.0f, 20.37f, 4.63f, 3.0f, 4.7f, 0.0f); }),
              "Error en Vidrio Simple, U demasiado alto");
}

TEST(VidrioSimple, ModeloYTransmisionHoraria) {
    EntornoEnvolvente e;
    // 0.86 x 0.98 = 0.8428 < 0.85: the absorbing-glass model, whose summer coefficient 0 is
    // replaced by 0.001; 0.86 x 1.0: the clear one.
    VidrioSimple absorbente(0.98f, 0.0f, 2.8f, 20.37f, 4.63f, 3.0f, 4.7f, 0.0f);
    EXPECT_EQ(std::make_pair(absorbente.transmitanciaNormal(), absorbente.factorSolarVerano()),
              std::make_pair(0.7998f, 0.001f));
    VidrioSimple v(1.0f, 0.5f, 2.8f, 20.37f, 4.63f, 3.0f, 4.7f, 0.0f);
    v.coeficientes = {0.9f, 0.8f, 0.7f, 0.6f};
    // Hour 4800 (July) is no heating hour: the summer coefficient 0.5 x the second factor 0.8.
    TransmisionSolar r;
    v.transmisionHoraria(4800, 0.0f, 1000.0f, 100.0f, 0.0f, r);
    EXPECT_NEAR(r.directa, 1000.0f * 0.8342f * 0.4f, 5.0f);
    EXPECT_NEAR(r.difusa, 100.0f * 0.7457748f * 0.4f, 1e-3f);
    EXPECT_NEAR(r.absorbida, (1000.0f * 0.0946f + 100.0f * 0.0845724f) * 0.4f, 1.0f);
    // Hour 0 (January) heats: the winter coefficient 1.0 x the first factor 0.9; the shading
    // factor is the third; grazing incidence lets no direct sun in.
    v.transmisionHoraria(0, 90.0f, 1000.0f, 100.0f, 0.0f, r);
    EXPECT_NEAR(r.difusa, 100.0f * 0.7457748f * 0.9f, 1e-3f);
    EXPECT_EQ(std::make_pair(r.directa, r.factorSombra), std::make_pair(0.0f, 0.7f));
}
