#include "envelope/Condensaciones.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "envelope/Elemento1D.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

namespace {

// A layered element whose H/A (films included) is set by hand.
class MuroPrueba : public Elemento1D {
public:
    MuroPrueba(const std::string& n, float uConPeliculas, float area = 10.0f) : u(uConPeliculas) {
        nombre = n;
        areasLados = {area, 0.0f};
    }
    void calcularH(float& H, float, float) const override { H = u * area(); }
    float u;
};

// A conductive layer, or a resistance-only one when the conductivity is 0.
Capa capa(float espesor, float conductividad, float vapor, float resistencia = 0.0f) {
    Capa c;
    c.espesor = espesor, c.conductividad = conductividad, c.vapor = vapor;
    c.resistencia = resistencia;
    return c;
}

// Twelve equal months; `verano` turns the second half of the year into Te = 25, 50 % with 50 %
// inside.
struct Clima {
    float Te[12], Ti[12], HRe[12], HRi[12];
    Clima(float te, float hre, float hri, bool verano = false) {
        for (int m = 0; m < 12; ++m) {
            bool v = verano && m >= 6;
            Te[m] = v ? 25.0f : te, HRe[m] = v ? 50.0f : hre, Ti[m] = 20.0f, HRi[m] = v ? 50 : hri;
        }
    }
};

// Outer skin of 10 m equivalent air thickness, mineral wool, inner board: R = 0.02, 2.5, 0.05;
// with the films 0.04 and 0.13, RT = 2.74 m2K/W.
std::vector<Capa> hojaEstanca() {
    return {capa(0.02f, 1.0f, 10.0f), capa(0.1f, 0.04f, 0.1f), capa(0.0125f, 0.25f, 0.1f)};
}

class CondensacionesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto d = std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNO-HABITABLES = ( \"NINGUNO\" )\n"));
        d->hcext = {20.37f, true};
        d->hrext = 4.63f; // he = 25
        d->hcint = {3.0f, true};
        d->hrint = {4.7f, true}; // hi = 7.7
        d->puentes.resize(2);
        d->puentes[0].nombre = "\"PILLAR\"", d->puentes[0].frsi = 0.5f;
        d->puentes[1].nombre = "\"FRENTE-FORJADO\"", d->puentes[1].frsi = 0.9f;
        hub.ponerDefectos(std::move(d));
    }
    const std::vector<std::string>& lista(int k) { return hub.global().fallos(k); }

    DirectorioTemporal dir;
    HubDePrueba hub;
};

} // namespace

TEST_F(CondensacionesTest, SuperficialComparaFactorConMinimo) {
    // U = 1.0 -> fRsi = 0.75: passes class 3 (0.64), fails class 4 (0.78).
    MuroPrueba muro("\"M1\"", 1.0f), igual("\"M2\"", 1.2f), vacio("\"M3\"", 3.0f, 0.0f);
    Condensaciones::superficial(muro, 0.64f, 25.0f, 7.7f);
    Condensaciones::superficial(igual, 1.0f - 0.25f * 1.2f, 25.0f, 7.7f); // equal passes
    Condensaciones::superficial(vacio, 0.9f, 25.0f, 7.7f);                // no area: skipped
    EXPECT_FALSE(hub.global().fallido());
    Condensaciones::superficial(muro, 0.78f, 25.0f, 7.7f);
    EXPECT_EQ(lista(1), std::vector<std::string>{"\"M1\": fRsi = 0.75 fRsi_minimo = 0.78"});
}

TEST_F(CondensacionesTest, PuentesTermicosSeListanUnaVezPorTipoYNuncaLaFilaDeCierre) {
    MuroPrueba a("\"A\"", 0.5f), b("\"B\"", 0.5f);
    for (MuroPrueba* m : {&a, &b}) {
        m->puentes = {{0.3f, 0.5f, 4.0f}, {0.2f, 0.9f, 2.0f}, {0.0f, 0.0f, 7.0f}};
        Condensaciones::comprobarPuentesTermicos(*m, 0.64f);
    }
    EXPECT_EQ(lista(4), std::vector<std::string>{"\"PILLAR\": fRsi = 0.50 fRsi_minimo = 0.64"});
}

namespace {

// Layer stacks under a climate, and whether the interstitial check finds them condensing.
struct CasoIntersticial {
    const char* que;
    std::vector<Capa> capas;
    Clima clima;
    bool condensa;
};

std::vector<CasoIntersticial> casosIntersticiales() {
    std::vector<Capa> interiorEstanca = hojaEstanca();
    std::swap(interiorEstanca[0].vapor, interiorEstanca[2].vapor);
    std::vector<Capa> sinAislante = hojaEstanca();
    sinAislante[1] = capa(0.5f, 0.2f, 0.1f);
    return {
        // Te = 0, 80 %: at the skin/wool interface T = 20 * 0.06 / 2.74 = 0.44 degC, psat 630 Pa,
        // while the vapour line gives 488 + (1636 - 488) * 10/10.2 = 1613 Pa: a plane fed by
        // (1636 - 630)/0.2 and drained by (630 - 488)/10 all year; the skin (S = 0) fails.
        {"hoja exterior estanca", hojaEstanca(), Clima(0, 80, 70), true},
        {"humedades como fraccion", hojaEstanca(), Clima(0, 0.8f, 0.7f), true},
        {"barrera en el interior", interiorEstanca, Clima(0, 80, 70), false},
        // The plane appears at about 488 + 142 * 1.02 = 633 Pa inside (27 % at 20 degC).
        {"26 % dentro", hojaEstanca(), Clima(0, 80, 26), false},
        {"28 % dentro", hojaEstanca(), Clima(0, 80, 28), true},
        // Summer dries the plane faster than winter wets it (negative yearly sum), but the
        // interface counts for the wool (0.04 W/mK, S = 10 m): fails; an ordinary material of the
        // same resistance in its place passes.
        {"aislante moja en invierno", hojaEstanca(), Clima(0, 80, 70, true), true},
        {"sin aislante", sinAislante, Clima(0, 80, 70, true), false},
        // R = 60 and 30 (s = 100 and 1 m), Te = 0, 95 %, 62 % inside: ceil(2.4) = 3 sub-layers
        // put an interface at a third of the outer layer, T = 20 * 20.04 / 90.17 = 4.44 degC,
        // psat 839 Pa against 580 + 869 * 33.3/101 = 867 Pa; a single sub-layer would leave
        // only the layers' boundary at 13.3 degC (1530 Pa against 1440 Pa): free.
        {"subcapas", {capa(0, 0, 100, 60), capa(0, 0, 1, 30)}, Clima(0, 95, 62), true},
        // R = 30 (s = 100), 0.05 (s = 1), 30 (s = 10), Te = -5, 95 %, 55 % inside: planes at
        // S = 50, 100 and 101 m; the middle one, 1 m from the next, loses more than it gains and
        // is dropped. Left in place its negative rates would cancel the gain of the plane at
        // S = 50, which the outer layer (S = 0) shares with it.
        {"plano que se descarta",
         {capa(0, 0, 100, 30), capa(0.05f, 1.0f, 1), capa(0, 0, 10, 30)},
         Clima(-5, 95, 55),
         true},
        // Vapour profile undefined: free.
        {"sin vapor", {capa(0.02f, 1.0f, 0), capa(0.1f, 0.04f, 0)}, Clima(0, 80, 90), false},
    };
}

} // namespace

TEST_F(CondensacionesTest, Intersticial) {
    const std::vector<CasoIntersticial> casos = casosIntersticiales();
    for (const CasoIntersticial& c : casos) {
        const Clima& k = c.clima;
        EXPECT_EQ(
            Condensaciones::condensaIntersticial(c.capas, 25.0f, 7.7f, k.Te, k.Ti, k.HRe, k.HRi),
            c.condensa)
            << c.que;
    }
    // A resistance of 1e10 (a zero conductivity) would ask for 4e8 sub-layers: the count is
    // bounded and the answer is the one of any very resistive inner layer behind a tight skin:
    // the whole temperature drop lies inside, the skin face stays at 0 degC and condenses.
    Clima k(0, 80, 90);
    for (float r : {1e3f, 1e10f})
        EXPECT_TRUE(Condensaciones::condensaIntersticial({capa(0.02f, 1.0f, 10), capa(0, 0, 1, r)},
                                                         25.0f, 7.7f, k.Te, k.Ti, k.HRe, k.HRi))
            << r;
}

TEST_F(CondensacionesTest, IntersticialUsaLasPeliculasDelFicheroDeDefectos) {
    // 28 % inside condenses with the exterior film of 25 W/m2K; with 7.7 outside, as the films
    // of a partition would give, the skin/wool interface would be at 1.06 degC (660 Pa > 651 Pa)
    // and stay dry. The check keeps the films of the defaults file.
    MuroPrueba muro("\"FACHADA\"", 0.5f);
    muro.capas = hojaEstanca();
    Clima c(0, 80, 28);
    Condensaciones::intersticial(muro, 0.64f, 7.7f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi);
    EXPECT_TRUE(lista(1).empty()); // fRsi = 0.875 passes
    EXPECT_EQ(lista(2), std::vector<std::string>{"\"FACHADA\""});
}

// The profile the report draws is the check's own computation: the same verdict, one value per
// interface and month, the temperature falling across the films, and the vapour pressure never
// above saturation inside the stack once the planes are held at it.
TEST_F(CondensacionesTest, PerfilIntersticialEsElDeLaComprobacion) {
    for (const CasoIntersticial& c : casosIntersticiales()) {
        const Clima& k = c.clima;
        const PerfilIntersticial p =
            Condensaciones::perfilIntersticial(c.capas, 25.0f, 7.7f, k.Te, k.Ti, k.HRe, k.HRi);
        EXPECT_EQ(p.condensa, c.condensa) << c.que;
        if (!p.definido) continue;
        const std::size_t n = p.x.size();
        ASSERT_GE(n, 2u) << c.que;
        EXPECT_EQ(p.capa.back(), -1) << c.que;
        for (int m = 0; m < 12; ++m) {
            ASSERT_EQ(p.temperatura[m].size(), n);
            ASSERT_EQ(p.p[m].size(), n);
            // Both faces lie between the air temperatures, the outer one nearer the outside.
            const double lo = std::min(k.Te[m], k.Ti[m]), hi = std::max(k.Te[m], k.Ti[m]);
            for (double t : {p.temperatura[m].front(), p.temperatura[m].back()})
                EXPECT_TRUE(t >= lo && t <= hi) << c.que << " mes " << m;
            EXPECT_LE(std::fabs(p.temperatura[m].front() - k.Te[m]),
                      std::fabs(p.temperatura[m].back() - k.Te[m]))
                << c.que;
            for (std::size_t j = 1; j + 1 < n; ++j)
                EXPECT_LE(p.p[m][j], p.psat[m][j] + 1e-9) << c.que << " mes " << m;
        }
    }
    // The sheltered skin: sub-layers of 0.02, 0.1 and 0.0125 m, the plane between skin and wool.
    Clima k(0, 80, 70);
    const PerfilIntersticial p =
        Condensaciones::perfilIntersticial(hojaEstanca(), 25.0f, 7.7f, k.Te, k.Ti, k.HRe, k.HRi);
    ASSERT_EQ(p.x.size(), 4u);
    EXPECT_NEAR(p.x[3], 0.1325, 1e-7);
    EXPECT_EQ(p.capa, std::vector<int>({0, 1, 2, -1}));
    EXPECT_EQ(p.plano, std::vector<char>({0, 1, 0, 0}));
    EXPECT_NEAR(p.temperatura[0][1], 20.0 * 0.06 / 2.74, 0.01);
    EXPECT_GT(p.tasas[0][1], 0.0);
}
