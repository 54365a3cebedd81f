#include "climate/Excitacion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "comun/Entorno.h"
#include "geometry/PoliArea.h"

namespace {

constexpr double kPi = 3.141592654;

// Sum of sin(15°·k), k = 1 … 5: the weight of a fully seen azimuth column over rows 1–5.
double sumaSenos() {
    double s = 0;
    for (int k = 1; k <= 5; ++k) s += std::sin(k * 15.0 * kPi / 180.0);
    return s;
}

// Extended-mode factor when `columnas` of the 10 azimuth columns are fully seen in rows 1–5 and
// the top row is fully seen.
double factorExtendido(int columnas) {
    return (columnas * sumaSenos() + 0.5 * 10) * (kPi / 2) / 60;
}

// A vertical rectangle of width w along x at y = y0, from z0 to z1, facing -y (south) or +y.
std::unique_ptr<PoliArea> muro(float x0, float x1, float y0, float z0, float z1, bool sur) {
    if (sur) return PoliArea::desdeNodos({{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}});
    return PoliArea::desdeNodos({{x1, y0, z0}, {x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}});
}

std::unique_ptr<PoliArea> techo(float x0, float x1, float y0, float y1, float z) {
    return PoliArea::desdeNodos({{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}});
}

class ExcitacionTest : public testing::Test {
protected:
    HubDePrueba hub;
    Excitacion e{"clima.bin", 1};
};

TEST_F(ExcitacionTest, PruebaDeExterior) {
    e.registrar({}, {}, {2, 5, 9}, {5, 7});
    EXPECT_EQ(e.esExterior(-1, -3), 1);
    EXPECT_EQ(e.esExterior(2, -1), 4);
    EXPECT_EQ(e.esExterior(-1, 9), 4); // the first non-negative side
    EXPECT_EQ(e.esExterior(5, -1), 4); // in both lists
    EXPECT_EQ(e.esExterior(7, -1), 2);
    EXPECT_EQ(e.esExterior(3, 2), 0); // the first side decides
    EXPECT_EQ(e.esExterior(100, -1), 0);
    EXPECT_EQ(e.metodoDirecto(), 0);
}

TEST_F(ExcitacionTest, ListaNoOrdenadaSeRecorreHastaElPrimerMayor) {
    // The search stops at the first entry greater than the identifier: 3 lies after 7.
    e.registrar({}, {}, {1, 7, 3, 4}, {});
    EXPECT_EQ(e.esExterior(1, -1), 4);
    EXPECT_EQ(e.esExterior(7, -1), 4);
    EXPECT_EQ(e.esExterior(3, -1), 0);
    EXPECT_EQ(e.esExterior(4, -1), 0);
    EXPECT_EQ(e.esExterior(-1, -1), 1);
}

TEST_F(ExcitacionTest, TechoDespejadoVeTodoElCielo) {
    auto t = techo(0, 10, 0, 10, 3);
    e.registrar({t.get()}, {t.get()}, {}, {});
    e.calcularVisionCielo("VERDANIUM");
    EXPECT_EQ(e.modo, 1);
    for (float v : e.visibilidades()) EXPECT_FLOAT_EQ(v, 1.0f);
    ASSERT_EQ(e.factoresVisionCielo().size(), 1u);
    EXPECT_NEAR(e.factoresVisionCielo()[0], factorExtendido(10), 1e-5); // 0.9943
    // One surface: M = [1], its inverse is 1.
    ASSERT_EQ(e.matrizInterreflexion().size(), 1u);
    EXPECT_FLOAT_EQ(e.matrizInterreflexion()[0], 1.0f);
}

TEST_F(ExcitacionTest, MuroAbiertoVeMedioCielo) {
    // South-facing: azimuth columns 0, 36, 72, 288 and 324 degrees lie in front, and the zenith.
    auto m = muro(0, 10, 0, 0, 3, true);
    e.registrar({m.get()}, {m.get()}, {}, {});
    e.calcularVisionCielo("verdanium");
    EXPECT_NEAR(e.factoresVisionCielo()[0], factorExtendido(5), 1e-5); // 0.5626
    const auto& vis = e.visibilidades();
    EXPECT_FLOAT_EQ(vis[0 * 7 + 2], 1.0f); // due south, 30°
    EXPECT_FLOAT_EQ(vis[5 * 7 + 2], 0.0f); // due north
}

TEST_F(ExcitacionTest, MuroFrenteAMuroAltoVeMenos) {
    auto m = muro(0, 10, 0, 0, 3, true);
    auto alto = muro(-5, 15, -2, 0, 12, false); // 2 m to the south, 12 m high, facing north
    e.registrar({m.get()}, {m.get(), alto.get()}, {}, {});
    e.calcularVisionCielo("VERDANIUM");
    const float abierto = static_cast<float>(factorExtendido(5));
    const float f = e.factoresVisionCielo()[0];
    EXPECT_LT(f, abierto - 0.2f);
    EXPECT_GT(f, 0.0f);
    // Looking south low down is blocked; the zenith is not.
    EXPECT_FLOAT_EQ(e.visibilidades()[0 * 7 + 1], 0.0f);
    EXPECT_FLOAT_EQ(e.visibilidades()[0 * 7 + 6], 1.0f);
}

TEST_F(ExcitacionTest, VentanaNoLaTapaSuMuro) {
    // A window lying in its wall's plane sees what the wall sees.
    auto m = muro(0, 10, 0, 0, 3, true);
    auto v = muro(4, 6, 0, 1, 2, true);
    e.registrar({v.get(), m.get()}, {v.get(), m.get()}, {0}, {});
    e.calcularVisionCielo("VERDANIUM");
    EXPECT_NEAR(e.factoresVisionCielo()[0], factorExtendido(5), 1e-5);
    EXPECT_NEAR(e.factoresVisionCielo()[1], factorExtendido(5), 1e-5);
}

TEST_F(ExcitacionTest, AleroTapaElCenit) {
    // A roof under a wider canopy 1 m above sees nothing straight up, and the canopy's underside
    // blocks even though it faces away (both faces block).
    auto t = techo(0, 2, 0, 2, 3);
    auto alero = techo(-20, 22, -20, 22, 4);
    e.registrar({t.get()}, {t.get(), alero.get()}, {}, {});
    e.calcularVisionCielo("VERDANIUM");
    EXPECT_FLOAT_EQ(e.visibilidades()[6], 0.0f);
    EXPECT_LT(e.factoresVisionCielo()[0], 0.2f);
}

TEST_F(ExcitacionTest, ModoNormalSinMetodoDirectoNoDaFactores) {
    auto t = techo(0, 10, 0, 10, 3);
    e.registrar({t.get()}, {t.get()}, {}, {});
    e.calcularVisionCielo("DEMANDA");
    EXPECT_EQ(e.modo, 0);
    EXPECT_FLOAT_EQ(e.factoresVisionCielo()[0], 0.0f);
    EXPECT_FLOAT_EQ(e.visibilidades()[3], 1.0f); // the visibility is filled all the same
    EXPECT_TRUE(e.matrizInterreflexion().empty());
    Excitacion otra("x", 1);
    otra.registrar({t.get()}, {t.get()}, {}, {});
    otra.calcularVisionCielo("Verdanium"); // exact comparison only
    EXPECT_EQ(otra.modo, 0);
}

TEST_F(ExcitacionTest, ModoNormalConMetodoDirecto) {
    // Rows 0–5 weighted by sin(altitude), the top row by 0.5, grazing patches counted half.
    auto t = techo(0, 10, 0, 10, 3);
    auto m = muro(20, 30, 0, 0, 3, true);
    e.registrar({t.get(), m.get()}, {t.get(), m.get()}, {}, {});
    e.ponerMetodoDirecto(1);
    e.calcularVisionCielo("DEMANDA");
    EXPECT_NEAR(e.factoresVisionCielo()[0], factorExtendido(10), 1e-5);
    // The wall's top-row patches are grazing: (5·Σsin + 0.5·0.5·10)·(π/2)/60 = 0.4972.
    EXPECT_NEAR(e.factoresVisionCielo()[1], (5 * sumaSenos() + 2.5) * (kPi / 2) / 60, 1e-5);
}

TEST_F(ExcitacionTest, InterreflexionesEntreSuperficiesEnfrentadas) {
    // Two 1 m² squares facing each other 2 m apart: F = 1/(π·4) both ways, ρ = 0.2 without a
    // defaults file; M = [[1, -ρF], [-ρF, 1]], inverse = [[1, ρF], [ρF, 1]] / (1 - ρ²F²).
    auto a = techo(0, 1, 0, 1, 0);
    auto b = PoliArea::desdeNodos({{0, 0, 2}, {0, 1, 2}, {1, 1, 2}, {1, 0, 2}});
    e.registrar({a.get(), b.get()}, {a.get(), b.get()}, {}, {});
    e.ponerMetodoDirecto(1);
    e.calcularVisionCielo("VERDANIUM");
    EXPECT_FLOAT_EQ(e.reflectancia(), 0.2f);
    const double rf = 0.2 / (3.1416 * 4);
    const double det = 1 - rf * rf;
    const auto& m = e.matrizInterreflexion();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_NEAR(m[0], 1 / det, 1e-6);
    EXPECT_NEAR(m[1], rf / det, 1e-6);
    EXPECT_NEAR(m[2], rf / det, 1e-6);
    // Per-patch data: direct shares add up to the sky-view factor; reflections only add.
    ASSERT_EQ(e.contribucionesParche().size(), 2u * 3 * 77);
    double directa = 0;
    for (int p = 0; p < 77; ++p) directa += e.contribucionesParche()[p];
    EXPECT_NEAR(directa, e.factoresVisionCielo()[0], 1e-5);
    EXPECT_GT(e.totalesParche()[0], directa);
}

TEST_F(ExcitacionTest, SeCalculaUnaVezPorEjecucion) {
    auto t = techo(0, 10, 0, 10, 3);
    e.registrar({t.get()}, {t.get()}, {}, {});
    for (int i = 0; i < 5; ++i) e.calcularVisionCielo("VERDANIUM");
    EXPECT_EQ(e.calculosRealizados(), 1);
    e.calcularVisionCielo("DEMANDA"); // another mode is another computation
    EXPECT_EQ(e.calculosRealizados(), 2);
    EXPECT_EQ(e.modo, 0);
}

TEST(ExcitacionPosicionSolar, ReenviaAlCalculoDelSol) {
    // Latitude 40°, 21 June at solar noon: the sun due south, zenith about 40 - 23.45 = 16.6°.
    float az = -1, alt = -1, cen = -1;
    Excitacion::posicionSolar(40.0f, 6, 21, 12.0f, az, alt, cen);
    EXPECT_NEAR(az, 0.0f, 1e-3);
    EXPECT_NEAR(cen, 16.6f, 0.1f);
    EXPECT_NEAR(alt + cen, 90.0f, 1e-4);
}

} // namespace
