#include "envelope/VidrioSimple.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {

// A 6 mm float pane (1.0 W/mK): R = 0.006 m2K/W. Between the EN 673 films of a wall window,
// he = 25 and hi = 7.7 W/m2K (also the defaults' films), U = 1/(0.04 + 0.006 + 0.12987) = 5.686,
// the 5.7 W/m2K published for single glazing.
constexpr float kRPanel = 0.006f;
constexpr float kU6mm = 1.0f / (1.0f / 25.0f + kRPanel + 1.0f / 7.7f);

VidrioSimple vidrio(float conductancia, float hci = 3.0f, float sc = 0.9f, float scVerano = 0.8f) {
    return VidrioSimple(sc, scVerano, conductancia, 20.37f, 4.63f, hci, 4.7f, 0.0f);
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

TEST(VidrioSimple, TransmisionSolarSegunIncidenciaYEstacion) {
    EntornoEnvolvente e;
    VidrioSimple claro = vidrio(kU6mm, 3.0f, 1.0f, 1.0f);
    VidrioSimple absorbente = vidrio(kU6mm, 3.0f, 0.9f, 0.9f);
    claro.coeficientes = absorbente.coeficientes = {1.0f, 1.0f, 1.0f, 1.0f};
    auto directa = [](const VidrioSimple& v, float angulo, int hora = 0) {
        TransmisionSolar r;
        v.transmisionHoraria(hora, angulo, 1000.0f, 0.0f, 0.0f, r);
        return r;
    };
    // Clear glass lets through about 0.8 of the sun at normal incidence, less and less as the
    // sun grazes the pane, nothing along it; what is not let through is partly absorbed.
    TransmisionSolar normal = directa(claro, 0.0f);
    EXPECT_TRUE(normal.directa > 780.0f && normal.directa < 870.0f) << normal.directa;
    float previa = normal.directa;
    for (float a = 10.0f; a <= 80.0f; a += 10.0f) {
        TransmisionSolar r = directa(claro, a);
        EXPECT_LT(r.directa, previa) << a;
        EXPECT_LE(r.directa + r.absorbida, 1000.0f) << a;
        previa = r.directa;
    }
    EXPECT_NEAR(directa(claro, 90.0f).directa, 0.0f, 1.0f);
    // A shading coefficient below 0.988 selects the absorbing glass: per unit of coefficient it
    // lets less through and absorbs more.
    TransmisionSolar abs = directa(absorbente, 0.0f);
    EXPECT_LT(abs.directa / 0.9f, normal.directa);
    EXPECT_GT(abs.absorbida / 0.9f, normal.absorbida);
    // Hour 0 (January) heats: the winter coefficient and the first and third factors; hour
    // 4800 (July) the summer ones and the second and fourth. A coefficient of 0 stands as 0.001.
    VidrioSimple v = vidrio(kU6mm, 3.0f, 1.0f, 0.0f);
    v.coeficientes = {0.9f, 0.8f, 0.7f, 0.6f};
    TransmisionSolar invierno = directa(v, 0.0f, 0), verano = directa(v, 0.0f, 4800);
    EXPECT_NEAR(invierno.directa, normal.directa * 0.9f, 1e-2f);
    EXPECT_NEAR(verano.directa, normal.directa * 0.001f * 0.8f, 1e-3f);
    EXPECT_EQ(std::make_pair(invierno.factorSombra, verano.factorSombra),
              std::make_pair(0.7f, 0.6f));
}

} // namespace
