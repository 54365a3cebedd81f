#include "geometry/ElementContour.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

ElementContour arista(float ax, float ay, float az, float bx, float by, float bz) {
    return ElementContour(Point3(ax, ay, az), Point3(bx, by, bz));
}

void esperarPunto(const Point3& p, float x, float y, float z) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

} // namespace

TEST(ElementContour, DireccionYTocantes) {
    ElementContour c = arista(0, 0, 0, 3, 4, 0);
    Vector3 d(9, 9, 9);
    ASSERT_TRUE(c.direccion(d));
    EXPECT_FLOAT_EQ(d.x, -0.6f); // (A - B)/|A - B|
    EXPECT_FLOAT_EQ(d.y, -0.8f);
    Vector3 sinTocar(7, 7, 7);
    EXPECT_FALSE(arista(1, 1, 1, 1, 1, 1).direccion(sinTocar));
    EXPECT_FLOAT_EQ(sinTocar.x, 7.0f);
    c.anadirTocante(4);
    EXPECT_EQ(c.tocante(0), 4);
    EXPECT_EQ(c.tocante(1), -1);
}

TEST(ElementContour, IgualdadEnAmbosSentidosConUnMilimetro) {
    ElementContour c = arista(0, 0, 0, 5, 0, 0);
    EXPECT_TRUE(c.igual(arista(5, 0, 0, 0, 0, 0)));
    EXPECT_TRUE(c.igual(arista(0.0009f, 0, 0, 5, -0.0009f, 0)));
    // 0.001 is not strictly below the tolerance.
    EXPECT_FALSE(c.igual(arista(0.0011f, 0, 0, 5, 0, 0)));
    EXPECT_FALSE(c.igual(arista(0, 0, 0, 5, 0, 1)));
}

TEST(ElementContour, PartirAristaCompartidaPorLaMitad) {
    // B = (0..4) along x; S = (2..6): common piece 2..4 (oriented as B), B keeps 0..2, S 4..6.
    ElementContour b = arista(0, 0, 0, 4, 0, 0);
    ElementContour::Corte k = arista(2, 0, 0, 6, 0, 0).partir(b);
    ASSERT_TRUE(k.solapa);
    EXPECT_FALSE(k.igual());
    esperarPunto(k.comunA, 2, 0, 0);
    esperarPunto(k.comunB, 4, 0, 0);
    ASSERT_EQ(k.numRestosOtro, 1);
    esperarPunto(k.otroA[0], 0, 0, 0);
    esperarPunto(k.otroB[0], 2, 0, 0);
    ASSERT_EQ(k.numRestos, 1);
    esperarPunto(k.restoA[0], 4, 0, 0);
    esperarPunto(k.restoB[0], 6, 0, 0);

    // The same S reversed: its leftover keeps S's orientation.
    k = arista(6, 0, 0, 2, 0, 0).partir(b);
    ASSERT_TRUE(k.solapa);
    ASSERT_EQ(k.numRestos, 1);
    esperarPunto(k.restoA[0], 6, 0, 0);
    esperarPunto(k.restoB[0], 4, 0, 0);
}

TEST(ElementContour, PartirAristaQueSobresalePorAmbosLados) {
    // S = (6..-2) reversed over B = (0..4): two leftovers of S, the one at S's end A first.
    ElementContour b = arista(0, 1, 2, 4, 1, 2);
    ElementContour::Corte k = arista(6, 1, 2, -2, 1, 2).partir(b);
    ASSERT_TRUE(k.solapa);
    EXPECT_EQ(k.numRestosOtro, 0);
    esperarPunto(k.comunA, 0, 1, 2);
    esperarPunto(k.comunB, 4, 1, 2);
    ASSERT_EQ(k.numRestos, 2);
    esperarPunto(k.restoA[0], 6, 1, 2);
    esperarPunto(k.restoB[0], 4, 1, 2);
    esperarPunto(k.restoA[1], 0, 1, 2);
    esperarPunto(k.restoB[1], -2, 1, 2);

    // S inside B: S is the common piece, B keeps both ends.
    k = arista(1, 1, 2, 3, 1, 2).partir(b);
    ASSERT_TRUE(k.solapa);
    EXPECT_EQ(k.numRestos, 0);
    ASSERT_EQ(k.numRestosOtro, 2);
    esperarPunto(k.otroB[0], 1, 1, 2);
    esperarPunto(k.otroA[1], 3, 1, 2);
}

TEST(ElementContour, PartirSinSolape) {
    ElementContour b = arista(0, 0, 0, 4, 0, 0);
    // Collinear, touching at one point only.
    EXPECT_FALSE(arista(4, 0, 0, 8, 0, 0).solapa(b));
    // Collinear, overlapping by less than the tolerance.
    EXPECT_FALSE(arista(3.997f, 0, 0, 8, 0, 0).solapa(b));
    // Parallel 1 cm apart.
    EXPECT_FALSE(arista(0, 0.01f, 0, 4, 0.01f, 0).solapa(b));
    // Parallel 4 mm apart is the same line; ends within 5 mm snap to B's ends.
    ElementContour::Corte k = arista(0.004f, 0.004f, 0, 3.996f, 0.004f, 0).partir(b);
    EXPECT_TRUE(k.igual());
    esperarPunto(k.comunA, 0, 0, 0);
    // Coordinates that are not numbers never overlap.
    float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(arista(nan, 0, 0, 4, 0, 0).solapa(b));
    EXPECT_FALSE(b.solapa(arista(nan, 0, 0, 4, 0, 0)));
}
