#include "envelope/VidrioComplejo.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

TEST(VidrioComplejo, EntradaDeLibreriaYBalance) {
    EntornoEnvolvente e;
    // Two 4 mm panes; films 25, 1.6 (the gap) and 7.7; no solar transmittance.
    e.vidrioDeLibreria("2001", " NLAYER = 2 ABS-1 = ( 0.11 ) ABS-2 = ( 0.08 ) RBSOL-HEMI = 0.15"
                               " PANES-THICK = ( 4, 4 ) PANES-COND = ( 1, 1 )"
                               " PANES-EMIS-F = ( 0.84, 0.84 ) PANES-EMIS-B = ( 0.84, 0.84 )"
                               " FILMS-COND = ( 25, 1.6, 7.7 ) U-CENTER = 2.7");
    VidrioComplejo doble("\"2001\"", 0.0f); // looked up without its quotes
    ASSERT_EQ(doble.absortancias.size(), 2u);
    EXPECT_EQ(std::vector<float>({doble.absortancias[1][0], doble.espesores[1], doble.U()}),
              std::vector<float>({0.08f, 0.004f, 2.7f}));
    EXPECT_NEAR(doble.alfaHemiTrasera, 1.0f - 0.15f, 1e-6f);
    EXPECT_EQ(e.fatal([] { VidrioComplejo v("7777", 0.0f); }), "No se encuentra: 7777");
    // Without sun the faces lie between the air temperatures and the heat that enters the outer
    // film leaves through the inner one; sun absorbed in the outer pane warms both faces.
    float tExt = 0.0f, tInt = 0.0f, tExtSol = 0.0f, tIntSol = 0.0f;
    doble.balanceCapas(0.0f, 20.0f, {0.0f, 0.0f}, tExt, tInt);
    EXPECT_TRUE(tExt > 0.0f && tInt < 20.0f);
    EXPECT_NEAR((20.0f - tInt) * 7.7f, tExt * 25.0f, 0.2f);
    doble.balanceCapas(0.0f, 20.0f, {200.0f, 0.0f}, tExtSol, tIntSol);
    EXPECT_TRUE(tExtSol > tExt && tIntSol > tInt);
}
