#include "geometry/TransformacionPlanta.h"

#include <gtest/gtest.h>

#include "input/Global2.h"

namespace {

void esperarPunto(const Point3& p, float x, float y, float z = 0.0f) {
    EXPECT_NEAR(p.x, x, 1e-5);
    EXPECT_NEAR(p.y, y, 1e-5);
    EXPECT_NEAR(p.z, z, 1e-6);
}

TransformacionPlanta simple(float azimut, float x, float y) {
    return TransformacionPlanta::simple(azimut, x, y);
}

TEST(TransformacionPlantaTest, ElAzimutGiraEnSentidoHorarioVistoDesdeArriba) {
    // Azimuth 90: the local x axis (east) goes to the south, the local y axis (north) to the
    // east; z is untouched. -90 turns the other way; the translation follows the turn.
    esperarPunto(simple(90.0f, kNoDado, kNoDado).aplicar(Point3(1, 0, 2.5f)), 0, -1, 2.5f);
    esperarPunto(simple(90.0f, kNoDado, kNoDado).aplicar(Point3(0, 1, 0)), 1, 0);
    esperarPunto(simple(-90.0f, kNoDado, kNoDado).aplicar(Point3(1, 0, 0)), 0, 1);
    esperarPunto(simple(90.0f, 10.0f, 20.0f).aplicar(Point3(2, 0, 0)), 10, 18);
    // Only one of X, Y given: the other comes from the frame origins (0 here).
    esperarPunto(simple(kNoDado, kNoDado, 5.0f).aplicar(Point3(1, 1, 0)), 1, 6);
    // A chain applies its steps in order: space moved east, then the building turned.
    CadenaColocacion c;
    c.anadir(simple(kNoDado, 10.0f, 0.0f));
    c.anadir(simple(90.0f, kNoDado, kNoDado));
    esperarPunto(c.aplicar(Point3(0, 0, 1)), 0, -10, 1);
    EXPECT_NEAR(c.giroGrados(), 90.0f, 1e-3);
}

TEST(TransformacionPlantaTest, SinAzimutElMarcoPDaEjesYOrigen) {
    const PuntoPlano o{0, 0}, este{1, 0};
    // P runs north from (10, 0): the local x axis follows it, the origin sits on its start and
    // the local y axis (left of the edge) is west.
    TransformacionPlanta t({10, 0}, {10, 8}, o, este, kNoDado, kNoDado, kNoDado);
    esperarPunto(t.aplicar(Point3(3, 0, 0)), 10, 3);
    esperarPunto(t.aplicar(Point3(0, 2, 0)), 8, 0);
    // A given X, Y replaces the origin of P, and a given azimuth its direction.
    TransformacionPlanta x({10, 0}, {10, 8}, o, este, 0.0f, 1.0f, 2.0f);
    esperarPunto(x.aplicar(Point3(3, 0, 0)), 4, 2);
    // Q looking north from (1, 1): the turn is angle(P) - angle(Q), the translation O1 - O2.
    // angle(east) - angle(north) = pi/2: clockwise quarter turn, then + (4, 4).
    TransformacionPlanta q({5, 5}, {6, 5}, {1, 1}, {1, 2}, kNoDado, kNoDado, kNoDado);
    esperarPunto(q.aplicar(Point3(1, 0, 0)), 4, 3);
}

} // namespace
