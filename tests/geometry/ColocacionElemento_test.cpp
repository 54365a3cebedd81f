#include "geometry/ColocacionElemento.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void esperarPunto(const Point3& p, float x, float y, float z) {
    EXPECT_NEAR(p.x, x, 1e-5);
    EXPECT_NEAR(p.y, y, 1e-5);
    EXPECT_NEAR(p.z, z, 1e-5);
}

TEST(ColocacionElementoTest, AzimutDeLaAristaBase) {
    // The space lies on the left of its edges (counter-clockwise floor): the wall faces right.
    EXPECT_FLOAT_EQ(ColocacionElemento::azimutDeArista(4, 0), 180.0f);    // runs east: faces south
    EXPECT_FLOAT_EQ(ColocacionElemento::azimutDeArista(0, 3), 90.0f);     // north: faces east
    EXPECT_FLOAT_EQ(ColocacionElemento::azimutDeArista(-4, 0), 0.0f);     // west: faces north
    EXPECT_FLOAT_EQ(ColocacionElemento::azimutDeArista(0, -3), -90.0f);   // south: faces west
    EXPECT_NEAR(ColocacionElemento::azimutDeArista(1, 1), 135.0f, 1e-4);  // north-east: SE
    EXPECT_NEAR(ColocacionElemento::azimutDeArista(1, -1), 225.0f, 1e-4); // south-east: SW
    EXPECT_NEAR(ColocacionElemento::azimutDeArista(-1, -1), 315.0f, 1e-4);
    // Nearly due south counts as south.
    EXPECT_FLOAT_EQ(ColocacionElemento::azimutDeArista(0.0005f, -2), -90.0f);
}

TEST(ColocacionElementoTest, PlanoDeUnMuroDeUnaCubiertaYDeUnSuelo) {
    // A vertical wall along the east-running base from (1, 2) at z 3.
    float c90 = static_cast<float>(std::cos(90 * 0.017453292)), s90 = 1.0f;
    auto muro = ColocacionElemento::recta(Point3(1, 2, 3), 1, 0, c90, s90);
    esperarPunto(muro.punto(4, 0), 5, 2, 3);
    esperarPunto(muro.punto(1, 2.5f), 2, 2, 5.5f);
    // Tilt 0 (a roof): the slope runs horizontally to the left of the base (north here).
    auto cubierta = ColocacionElemento::recta(Point3(0, 0, 3), 1, 0, 1, 0);
    esperarPunto(cubierta.punto(2, 5), 2, 5, 3);
    // Tilt 30 along a north-running base: rises towards the west.
    float c = static_cast<float>(std::cos(30 * 0.017453292));
    auto inclinada = ColocacionElemento::recta(Point3(0, 0, 0), 0, 1, c, 0.5f);
    esperarPunto(inclinada.punto(0, 2), -2 * c, 0, 1);
}

} // namespace
