#include "envelope/VidrioComplejo.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

TEST(VidrioComplejo, EntradaDeLibreria) {
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
}
