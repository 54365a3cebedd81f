#include "envelope/VidrioSimple.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {

// A 6 mm float pane (1.0 W/mK): R = 0.006 m2K/W. Between the EN 673 films of a wall window,
// he = 25 and hi = 7.7 W/m2K (also the defaults' films), U = 1/(0.04 + 0.006 + 0.12987) = 5.686,
// the 5.7 W/m2K published for single glazing.
constexpr float kRPanel = 0.006f;
constexpr float kU6mm = 1.0f / (1.0f / 25.0f + kRPanel + 1.0f / 7.7f);

VidrioSimple vidrio(float conductancia, float hci = 3.0f) {
    return VidrioSimple(0.9f, 0.8f, conductancia, 20.37f, 4.63f, hci, 4.7f, 0.0f);
}

TEST(VidrioSimple, ResistenciaDelPanelSinPeliculas) {
    EntornoEnvolvente e;
    VidrioSimple v = vidrio(kU6mm);
    EXPECT_NEAR(v.Rg, kRPanel, 1e-5f);
    EXPECT_NEAR(v.U(), 5.7f, 0.02f);
    // A conductance stated between the films of a roof (hi = 10) holds the same pane; its U is
    // rated with the defaults' interior film, so it is the wall window's again.
    VidrioSimple techo = vidrio(1.0f / (1.0f / 25.0f + kRPanel + 1.0f / 10.0f), 5.3f);
    EXPECT_NEAR(techo.Rg, kRPanel, 1e-5f);
    EXPECT_NEAR(techo.U(), kU6mm, 1e-3f);
    // A calmer outside (he = 20) lowers U.
    v.ponerPeliculas(15.37f, 4.63f, 3.0f, 4.7f);
    EXPECT_NEAR(v.U(), 1.0f / (0.05f + kRPanel + 1.0f / 7.7f), 1e-3f);
    // No pane at all is the most the films allow; anything above needs a negative resistance.
    EXPECT_NEAR(vidrio(1.0f / (0.04f + 1.0f / 7.7f)).Rg, 0.0f, 1e-6f);
    EXPECT_EQ(e.fatal([] { vidrio(6.0f); }), "Error en Vidrio Simple, U demasiado alto");
}

} // namespace
