#include "geometry/TransformacionPlanta.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "base/Valores.h"
#include "comun/Entorno.h"
#include "input/Global2.h"

namespace {

void esperarPunto(const Point3& p, float x, float y, float z = 0.0f) {
    EXPECT_NEAR(p.x, x, 1e-5);
    EXPECT_NEAR(p.y, y, 1e-5);
    EXPECT_NEAR(p.z, z, 1e-6);
}

// The turn, the shift and the storey frames are also checked through the placed building.
TEST(TransformacionPlantaTest, GiroTraslacionYMarcos) {
    auto simple = &TransformacionPlanta::simple;
    // Azimuth 90 turns clockwise seen from above (east goes south), -90 the other way; the
    // translation follows the turn; z is untouched.
    esperarPunto(simple(90.0f, 10.0f, 20.0f).aplicar(Point3(2, 0, 1)), 10, 18, 1);
    esperarPunto(simple(-90.0f, kNoDado, kNoDado).aplicar(Point3(1, 0, 0)), 0, 1);
    // Only one of X, Y given: the other comes from the frame origins (0 here).
    esperarPunto(simple(kNoDado, kNoDado, 5.0f).aplicar(Point3(1, 1, 0)), 1, 6);
    // A chain applies its steps in order: space moved east, then the building turned.
    CadenaColocacion c;
    c.anadir(simple(kNoDado, 10.0f, 0.0f));
    c.anadir(simple(90.0f, kNoDado, kNoDado));
    esperarPunto(c.aplicar(Point3(0, 0, 1)), 0, -10, 1);
    EXPECT_NEAR(c.giroGrados(), 90.0f, 1e-3);
    // Q looking north from (1, 1), P east from (5, 5): the turn is angle(P) - angle(Q) = pi/2
    // (clockwise quarter), the translation O1 - O2 = (4, 4).
    TransformacionPlanta q({5, 5}, {6, 5}, {1, 1}, {1, 2}, kNoDado, kNoDado, kNoDado);
    esperarPunto(q.aplicar(Point3(1, 0, 0)), 4, 3);
}

// Only a value below -1e8 is not given. A given azimuth, X or Y must be a number below 1e8 in
// magnitude: a space at X = 1e38 would have coordinates whose products overflow, so it stops the
// run instead of being taken as not given (or reaching the results as NaN).
TEST(TransformacionPlantaTest, ValoresNoDadosYFueraDeRango) {
    const float inf = std::numeric_limits<float>::infinity();
    const std::string prefijo = "Error Grave de Definici\xF3n Geom\xE9trica. El valor de ";
    struct Caso {
        float azimut, x, y;
        std::string error; // empty: placed
    };
    // clang-format off
    const std::vector<Caso> casos = {
        {kNoDado, -1e9f, -inf, ""},
        {kNoDado, 5e7f, -5e7f, ""},
        {kNoDado, 1e38f, kNoDado, prefijo + "X es = 1e+38 y debe estar entre -1e8 y 1e8"},
        {kNoDado, 1e8f, kNoDado, prefijo + "X es = 1e+08 y debe estar entre -1e8 y 1e8"},
        {kNoDado, kNoDado, -1e8f, prefijo + "Y es = -1e+08 y debe estar entre -1e8 y 1e8"},
        {kNoDado, kNoDado, inf, prefijo + "Y es = inf y debe estar entre -1e8 y 1e8"},
        {std::nanf(""), 0.0f, 0.0f, prefijo + "AZIMUTH es = nan y debe estar entre -1e8 y 1e8"},
        {1e10f, 0.0f, 0.0f, prefijo + "AZIMUTH es = 1e+10 y debe estar entre -1e8 y 1e8"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        std::string m = mensajeFatal([&] { TransformacionPlanta::simple(c.azimut, c.x, c.y); });
        EXPECT_EQ(m, c.error.empty() ? "(ninguno)" : c.error);
    }
    // Not given: the frames' translation and turn.
    esperarPunto(TransformacionPlanta::simple(kNoDado, -1e9f, -inf).aplicar(Point3(1, 2, 0)), 1, 2);
}

} // namespace
