#include "envelope/VidrioComplejo.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

TEST(VidrioComplejo, LibreriaDeMuestraYBalance) {
    EntornoEnvolvente e;
    Directorios::instancia().registrar("Lib", std::string(ENVOLVENTE_FUENTES) + "/examples/lib/");
    VidrioComplejo simple("1001", 0.0f);
    EXPECT_FLOAT_EQ(simple.U(), 5.7f);
    EXPECT_FLOAT_EQ(simple.espesores[0], 0.006f);                // 6 mm
    EXPECT_NEAR(simple.peliculaInteriorConveccion, 2.7f, 1e-6f); // 7.7 less 5.0
    // Quoted codes are looked up without their quotes.
    VidrioComplejo doble("\"2001\"", 0.0f);
    ASSERT_EQ(doble.absortancias.size(), 2u);
    EXPECT_FLOAT_EQ(doble.absortancias[1][0], 0.08f);
    EXPECT_NEAR(doble.alfaHemiTrasera, 1.0f - 0.6f - 0.15f, 1e-6f);
    EXPECT_EQ(e.fatal([] { VidrioComplejo v("7777", 0.0f); }), "No se encuentra: 7777");
    // Without sun the faces lie between the air temperatures and the heat that enters the outer
    // film leaves through the inner one; sun absorbed in the outer pane warms both faces.
    float tExt = 0.0f, tInt = 0.0f, tExtSol = 0.0f, tIntSol = 0.0f;
    doble.balanceCapas(0.0f, 20.0f, {0.0f, 0.0f}, tExt, tInt);
    EXPECT_GT(tExt, 0.0f);
    EXPECT_LT(tInt, 20.0f);
    EXPECT_NEAR((20.0f - tInt) * 7.7f, tExt * 25.0f, 0.2f);
    doble.balanceCapas(0.0f, 20.0f, {200.0f, 0.0f}, tExtSol, tIntSol);
    EXPECT_GT(tExtSol, tExt);
    EXPECT_GT(tIntSol, tInt);
}
