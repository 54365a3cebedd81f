#include "compliance/Condensaciones.h"

#include <gtest/gtest.h>

#include "compliance/Tablas.h"
#include "comun/Entorno.h"
#include "envelope/Elemento1D.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
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

Capa capa(float espesor, float conductividad, float vapor) {
    Capa c;
    c.espesor = espesor;
    c.conductividad = conductividad;
    c.vapor = vapor;
    return c;
}

struct Clima {
    float Te[12], Ti[12], HRe[12], HRi[12];
    // The same month all year round.
    Clima(float te, float hre, float ti, float hri) {
        for (int m = 0; m < 12; ++m) Te[m] = te, HRe[m] = hre, Ti[m] = ti, HRi[m] = hri;
    }
};

class CondensacionesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto d = std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNO-HABITABLES = ( \"NINGUNO\" )\n"));
        d->hcext = {20.37f, true};
        d->hrext = 4.63f; // he = 25
        d->hcint = {3.0f, true};
        d->hrint = {4.7f, true}; // hi = 7.7
        TipoPuenteTermico pilar, frente;
        pilar.nombre = "\"PILLAR\"";
        pilar.frsi = 0.5f;
        frente.nombre = "\"FRENTE-FORJADO\"";
        frente.frsi = 0.9f;
        d->puentes = {pilar, frente};
        hub.ponerDefectos(std::move(d));
    }
    const std::vector<std::string>& lista(int k) { return hub.global().fallos(k); }

    DirectorioTemporal dir;
    HubDePrueba hub;
};

} // namespace

TEST_F(CondensacionesTest, SuperficialComparaFactorConMinimoDeLaClase) {
    // U = 1.0 W/m2K -> fRsi = 1 - 0.25 = 0.75: passes class 3 (0.64), fails class 4 (0.78).
    MuroPrueba muro("\"M1\"", 1.0f);
    Condensaciones::superficial(muro, 0.64f, 25.0f, 7.7f);
    EXPECT_TRUE(lista(1).empty());
    EXPECT_FALSE(hub.global().fallido());
    Condensaciones::superficial(muro, 0.78f, 25.0f, 7.7f);
    ASSERT_EQ(lista(1).size(), 1u);
    EXPECT_EQ(lista(1)[0], "\"M1\": fRsi = 0.75 fRsi_minimo = 0.78");
    EXPECT_TRUE(hub.global().fallido());
}

TEST_F(CondensacionesTest, SuperficialIgualAlMinimoCumpleYAreaNulaNoSeComprueba) {
    MuroPrueba muro("\"M2\"", 1.2f);
    Condensaciones::superficial(muro, 1.0f - 0.25f * 1.2f, 25.0f, 7.7f);
    MuroPrueba vacio("\"M3\"", 3.0f, 0.0f);
    Condensaciones::superficial(vacio, 0.9f, 25.0f, 7.7f);
    EXPECT_FALSE(hub.global().fallido());
}

TEST_F(CondensacionesTest, PuentesTermicosSeListanUnaVezPorTipoYNuncaLaFilaDeCierre) {
    MuroPrueba a("\"A\"", 0.5f), b("\"B\"", 0.5f);
    for (MuroPrueba* m : {&a, &b}) {
        m->puentes = {{0.3f, 0.5f, 4.0f}, {0.2f, 0.9f, 2.0f}, {0.0f, 0.0f, 7.0f}};
    }
    Condensaciones::comprobarPuentesTermicos(a, 0.64f);
    Condensaciones::comprobarPuentesTermicos(b, 0.64f);
    // The pillar row fails twice but is listed once; the closing row (FRSI 0) is never checked.
    ASSERT_EQ(lista(4).size(), 1u);
    EXPECT_EQ(lista(4)[0], "\"PILLAR\": fRsi = 0.50 fRsi_minimo = 0.64");
    EXPECT_TRUE(lista(0).empty());
}

TEST_F(CondensacionesTest, MinimoEspacioPorClaseDeHigrometria) {
    Tablas t; // built-in fRsi,min 0.64 / 0.78 / 0.90 for classes 3 / 4 / 5
    HigrometriaEspacio h = Condensaciones::minimoEspacio(kNoDado, kNoDado, kNoDado, 4.0f, 50.0f,
                                                         5.0f, 20.0f, 80.0f, t);
    EXPECT_FLOAT_EQ(h.fRsiMin, 0.78f);
    EXPECT_FLOAT_EQ(h.humedadInterior, 62.0f);
    h = Condensaciones::minimoEspacio(kNoDado, kNoDado, kNoDado, 3.0f, 50.0f, 5.0f, 20.0f, 80.0f,
                                      t);
    EXPECT_FLOAT_EQ(h.fRsiMin, 0.64f);
    EXPECT_FLOAT_EQ(h.humedadInterior, 55.0f);
    // Nothing given: class 5.
    h = Condensaciones::minimoEspacio(kNoDado, kNoDado, kNoDado, kNoDado, 50.0f, 5.0f, 20.0f, 80.0f,
                                      t);
    EXPECT_FLOAT_EQ(h.fRsiMin, 0.90f);
    EXPECT_FLOAT_EQ(h.humedadInterior, 70.0f);
    t.fRsiMinimo[1] = 0.70f;
    h = Condensaciones::minimoEspacio(kNoDado, kNoDado, kNoDado, 4.0f, 50.0f, 5.0f, 20.0f, 80.0f,
                                      t);
    EXPECT_FLOAT_EQ(h.fRsiMin, 0.70f);
}

TEST_F(CondensacionesTest, MinimoEspacioPorHumedadRelativa) {
    // HR 50 -> 55 %: pi = 2337 * 0.55 = 1285.4 Pa; psat,min = 1.25 pi = 1606.7 Pa; its
    // saturation temperature is 14.086 degC; with Te = 5: (14.086 - 5) / 15 = 0.6057.
    Tablas t;
    HigrometriaEspacio h =
        Condensaciones::minimoEspacio(50.0f, kNoDado, kNoDado, 3.0f, 50.0f, 5.0f, 20.0f, 80.0f, t);
    EXPECT_FLOAT_EQ(h.humedadInterior, 55.0f);
    EXPECT_NEAR(h.fRsiMin, 0.6057f, 5e-4f);
}

TEST_F(CondensacionesTest, MinimoEspacioPorProduccionDeVapor) {
    // G = 0.2 kg/h, n = 1 /h, V = 50 m3, Te = 5, Ti = 20, HRe = 80 %:
    // dp = 0.2/50 * 462 * (20 + 5 + 546.3)/2 = 527.9 Pa; pi = 0.8 * psat(5) + dp
    // = 0.8 * 871.9 + 527.9 = 1225.4 Pa; phi = 1225.4 / psat(20) = 1225.4 / 2336.9 = 52.43 %;
    // psat,min = 1.25 * 2337 * 0.5243 = 1531.9 Pa -> 13.352 degC -> fRsi,min = 0.5568.
    Tablas t;
    HigrometriaEspacio h =
        Condensaciones::minimoEspacio(kNoDado, 0.2f, 1.0f, kNoDado, 50.0f, 5.0f, 20.0f, 80.0f, t);
    EXPECT_NEAR(h.humedadInterior, 52.43f, 0.01f);
    EXPECT_NEAR(h.fRsiMin, 0.5568f, 5e-4f);
}

TEST_F(CondensacionesTest, IntersticialCondensaTrasUnaHojaExteriorEstanca) {
    // Outer skin of s = 10 m, mineral wool, inner board: R = 0.02, 2.5, 0.05; films 0.04 and
    // 0.13, RT = 2.74. Te = 0, 80 %; Ti = 20, 70 %. At the skin/wool interface T = 20 * 0.06 /
    // 2.74 = 0.44 degC, psat = 630 Pa, while the vapour line gives 488 + (1636 - 488) * 10/10.2
    // = 1613 Pa: a plane fed by (1636 - 630)/0.2 and drained by (630 - 488)/10 -> condenses all
    // year round; the skin layer (S = 0 < 100 m) fails.
    std::vector<Capa> capas = {capa(0.02f, 1.0f, 10.0f), capa(0.1f, 0.04f, 0.1f),
                               capa(0.0125f, 0.25f, 0.1f)};
    Clima c(0.0f, 80.0f, 20.0f, 70.0f);
    EXPECT_TRUE(Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi));
    // The same stack with the tight layer inside: the vapour line stays at 500 Pa where the
    // temperature is low.
    std::swap(capas[0].vapor, capas[2].vapor);
    EXPECT_FALSE(
        Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi));
}

TEST_F(CondensacionesTest, IntersticialJustoPorDebajoDelUmbral) {
    // Same stack; the plane appears when pi exceeds about 488 + 142 * 1.02 = 633 Pa (27 % at
    // 20 degC). 26 % -> p = 605 Pa < 630 Pa: free; 28 % -> 651 Pa > 630 Pa: condenses.
    std::vector<Capa> capas = {capa(0.02f, 1.0f, 10.0f), capa(0.1f, 0.04f, 0.1f),
                               capa(0.0125f, 0.25f, 0.1f)};
    Clima seco(0.0f, 80.0f, 20.0f, 26.0f), humedo(0.0f, 80.0f, 20.0f, 28.0f);
    EXPECT_FALSE(Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, seco.Te, seco.Ti,
                                                      seco.HRe, seco.HRi));
    EXPECT_TRUE(Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, humedo.Te, humedo.Ti,
                                                     humedo.HRe, humedo.HRi));
}

TEST_F(CondensacionesTest, AislanteQueCondensaEnInviernoFallaAunqueSequeEnVerano) {
    // Six winter months as above and six summer months (Te = 25, 50 %; Ti = 20, 50 %): the plane
    // kept at psat(25 degC) dries out faster than it wets, so the yearly sum is negative. The
    // interface counts for the wool (0 < 0.04 < 0.1 W/mK, S = 10 m < 100 m): fails. With an
    // ordinary material of the same resistance in its place the element passes.
    Clima c(0.0f, 80.0f, 20.0f, 70.0f);
    for (int m = 6; m < 12; ++m) c.Te[m] = 25.0f, c.HRe[m] = 50.0f, c.HRi[m] = 50.0f;
    std::vector<Capa> capas = {capa(0.02f, 1.0f, 10.0f), capa(0.1f, 0.04f, 0.1f),
                               capa(0.0125f, 0.25f, 0.1f)};
    EXPECT_TRUE(Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi));
    capas[1] = capa(0.5f, 0.2f, 0.1f);
    EXPECT_FALSE(
        Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi));
}

TEST_F(CondensacionesTest, IntersticialSinResistenciaOSinVaporNoCondensa) {
    Clima c(0.0f, 80.0f, 20.0f, 90.0f);
    std::vector<Capa> sinVapor = {capa(0.02f, 1.0f, 0.0f), capa(0.1f, 0.04f, 0.0f)};
    EXPECT_FALSE(
        Condensaciones::condensaIntersticial(sinVapor, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi));
    std::vector<Capa> sinResistencia = {capa(0.0f, 1.0f, 5.0f)};
    EXPECT_FALSE(Condensaciones::condensaIntersticial(sinResistencia, 25.0f, 7.7f, c.Te, c.Ti,
                                                      c.HRe, c.HRi));
    // A resistance-only layer of absurd resistance stays bounded (sub-layers are capped).
    Capa enorme;
    enorme.resistencia = 1e10f;
    enorme.vapor = 1.0f;
    std::vector<Capa> conEnorme = {capa(0.02f, 1.0f, 10.0f), enorme};
    Condensaciones::condensaIntersticial(conEnorme, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi);
}

TEST_F(CondensacionesTest, IntersticialRegistraElNombreEnLaLista2) {
    MuroPrueba muro("\"FACHADA\"", 0.5f);
    muro.capas = {capa(0.02f, 1.0f, 10.0f), capa(0.1f, 0.04f, 0.1f), capa(0.0125f, 0.25f, 0.1f)};
    Clima c(0.0f, 80.0f, 20.0f, 70.0f);
    Condensaciones::intersticial(muro, 0.64f, 25.0f, 7.7f, c.Te, c.Ti, c.HRe, c.HRi);
    EXPECT_TRUE(lista(1).empty()); // fRsi = 0.875 passes
    ASSERT_EQ(lista(2).size(), 1u);
    EXPECT_EQ(lista(2)[0], "\"FACHADA\"");
}
