#include "climate/Excitacion.h"

#include <cmath>
#include <gtest/gtest.h>

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
// the top row is fully seen: 10 columns give 0.9943, 5 give 0.5626.
double factorExtendido(int columnas) {
    return (columnas * sumaSenos() + 0.5 * 10) * (kPi / 2) / 60;
}

// A vertical rectangle along x at y = y0, from z0 to z1, facing -y (south) or +y.
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
    EXPECT_EQ(e.metodoDirecto(), 0); // detected partitions are allowed
    e.registrar({}, {}, {2, 5, 9}, {5, 7});
    EXPECT_EQ(e.esExterior(-1, -3), 1);
    EXPECT_EQ(e.esExterior(-1, 9), 4); // the first non-negative side
    EXPECT_EQ(e.esExterior(5, -1), 4); // in both lists
    EXPECT_EQ(e.esExterior(7, -1), 2);
    EXPECT_EQ(e.esExterior(3, 5), 0); // the first side decides
    // The search stops at the first entry greater than the identifier: 3 lies after 7.
    e.registrar({}, {}, {1, 7, 3}, {});
    EXPECT_EQ(e.esExterior(7, -1), 4);
    EXPECT_EQ(e.esExterior(3, -1), 0);
}

TEST_F(ExcitacionTest, VisionDelCielo) {
    // An open roof sees the whole sky, an open south wall the half in front of it; a second
    // south wall stands 2 m in front of a 12 m high wall.
    auto t = techo(0, 10, 0, 10, 3), m = muro(20, 30, 0, 0, 3, true);
    auto w = muro(45, 55, 0, 0, 3, true), alto = muro(40, 60, -2, 0, 12, false);
    e.registrar({t.get(), m.get(), w.get()}, {t.get(), m.get(), w.get(), alto.get()}, {}, {});
    e.calcularVisionCielo("verdanium");
    EXPECT_EQ(e.modo, 1);
    const auto& f = e.factoresVisionCielo();
    const auto& vis = e.visibilidades(); // 77 per surface, column × 7 + row
    EXPECT_NEAR(f[0], factorExtendido(10), 1e-5);
    EXPECT_NEAR(f[1], factorExtendido(5), 1e-5);
    EXPECT_LT(f[2], factorExtendido(5) - 0.2);
    EXPECT_FLOAT_EQ(vis[2 * 77 + 0 * 7 + 1], 0.0f); // south, low: blocked
    EXPECT_FLOAT_EQ(vis[2 * 77 + 0 * 7 + 6], 1.0f); // the zenith is not
}

} // namespace
