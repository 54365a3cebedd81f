#include "geometry/TransformacionPlanta.h"

#include <gtest/gtest.h>

#include <cmath>

#include "input/Global2.h"

namespace {

void esperarPunto(const Point3& p, float x, float y, float z = 0.0f) {
    EXPECT_NEAR(p.x, x, 1e-5);
    EXPECT_NEAR(p.y, y, 1e-5);
    EXPECT_NEAR(p.z, z, 1e-6);
}

const PuntoPlano kOrigen{0.0f, 0.0f};
const PuntoPlano kEste{1.0f, 0.0f};

TEST(TransformacionPlantaTest, ElAzimutGiraEnSentidoHorarioVistoDesdeArriba) {
    // Azimuth 90: the local x axis (east) goes to the south, the local y axis (north) to the
    // east; z is untouched.
    TransformacionPlanta t = TransformacionPlanta::simple(90.0f, kNoDado, kNoDado);
    esperarPunto(t.aplicar(Point3(1, 0, 2.5f)), 0, -1, 2.5f);
    esperarPunto(t.aplicar(Point3(0, 1, 0)), 1, 0);
    // Azimuth -90 turns the other way.
    esperarPunto(TransformacionPlanta::simple(-90.0f, kNoDado, kNoDado).aplicar(Point3(1, 0, 0)), 0,
                 1);
    // The translation follows the turn.
    esperarPunto(TransformacionPlanta::simple(90.0f, 10.0f, 20.0f).aplicar(Point3(2, 0, 0)), 10,
                 18);
    // Only one of X, Y given: the other comes from the frame origins (0 here).
    esperarPunto(TransformacionPlanta::simple(kNoDado, kNoDado, 5.0f).aplicar(Point3(1, 1, 0)), 1,
                 6);
}

TEST(TransformacionPlantaTest, SinAzimutElMarcoPDaEjesYOrigen) {
    // P runs from (10, 0) to (10, 8) (north): the local x axis follows it and the origin sits
    // on its start.
    TransformacionPlanta t(PuntoPlano{10, 0}, PuntoPlano{10, 8}, kOrigen, kEste, kNoDado, kNoDado,
                           kNoDado);
    esperarPunto(t.aplicar(Point3(0, 0, 0)), 10, 0);
    esperarPunto(t.aplicar(Point3(3, 0, 0)), 10, 3);
    esperarPunto(t.aplicar(Point3(0, 2, 0)), 8, 0); // local y = left of the edge = west
    // P running west from (10, 8) to (0, 8).
    TransformacionPlanta o(PuntoPlano{10, 8}, PuntoPlano{0, 8}, kOrigen, kEste, kNoDado, kNoDado,
                           kNoDado);
    esperarPunto(o.aplicar(Point3(4, 1, 0)), 6, 7);
    // A given X, Y replaces the origin of P, and a given azimuth its direction.
    TransformacionPlanta x(PuntoPlano{10, 0}, PuntoPlano{10, 8}, kOrigen, kEste, 0.0f, 1.0f, 2.0f);
    esperarPunto(x.aplicar(Point3(3, 0, 0)), 4, 2);
    // Q looking north from (1, 1): the turn is angle(P) - angle(Q), the translation O1 - O2.
    // angle(east) - angle(north) = pi/2: clockwise quarter turn, then + (4, 4).
    TransformacionPlanta q(PuntoPlano{5, 5}, PuntoPlano{6, 5}, PuntoPlano{1, 1}, PuntoPlano{1, 2},
                           kNoDado, kNoDado, kNoDado);
    esperarPunto(q.aplicar(Point3(1, 0, 0)), 4, 3);
}

TEST(TransformacionPlantaTest, LaCadenaAplicaLosPasosEnOrden) {
    CadenaColocacion c;
    c.anadir(TransformacionPlanta::simple(kNoDado, 10.0f, 0.0f));    // space: moved east
    c.anadir(TransformacionPlanta::simple(90.0f, kNoDado, kNoDado)); // building: turned
    esperarPunto(c.aplicar(Point3(0, 0, 1)), 0, -10, 1);
    EXPECT_NEAR(c.giroGrados(), 90.0f, 1e-3);
}

} // namespace
