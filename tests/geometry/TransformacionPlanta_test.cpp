#include "geometry/TransformacionPlanta.h"

#include <gtest/gtest.h>

#include "base/Valores.h"
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

} // namespace
