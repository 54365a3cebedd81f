#include "geometry/ElementContour.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

ElementContour arista(float ax, float ay, float az, float bx, float by, float bz) {
    return ElementContour(Point3(ax, ay, az), Point3(bx, by, bz));
}

// Along x only: the abscissas of two points.
void esperarX(const Point3& a, const Point3& b, float xa, float xb) {
    EXPECT_FLOAT_EQ(a.x, xa);
    EXPECT_FLOAT_EQ(b.x, xb);
}

} // namespace

TEST(ElementContour, IgualdadEnAmbosSentidosConUnMilimetro) {
    ElementContour c = arista(0, 0, 0, 5, 0, 0);
    EXPECT_TRUE(c.igual(arista(5, 0, 0, 0, 0, 0)));
    EXPECT_TRUE(c.igual(arista(0.0009f, 0, 0, 5, -0.0009f, 0)));
    EXPECT_FALSE(c.igual(arista(0.0011f, 0, 0, 5, 0, 0))); // 0.001 is not below the tolerance
    EXPECT_FALSE(c.igual(arista(0, 0, 0, 5, 0, 1)));
}

TEST(ElementContour, PartirConservaLaOrientacionDeCadaResto) {
    ElementContour b = arista(0, 1, 2, 4, 1, 2);
    // S = (6..2) reversed over B = (0..4): common piece 2..4 oriented as B, B keeps 0..2, and
    // S's leftover keeps S's orientation: 6..4.
    ElementContour::Corte k = arista(6, 1, 2, 2, 1, 2).partir(b);
    ASSERT_TRUE(k.solapa);
    EXPECT_FALSE(k.igual());
    esperarX(k.comunA, k.comunB, 2, 4);
    ASSERT_EQ(k.numRestosOtro, 1);
    esperarX(k.otroA[0], k.otroB[0], 0, 2);
    ASSERT_EQ(k.numRestos, 1);
    esperarX(k.restoA[0], k.restoB[0], 6, 4);
    // S = (6..-2) over B: two leftovers of S, the one at S's end A first.
    k = arista(6, 1, 2, -2, 1, 2).partir(b);
    EXPECT_EQ(k.numRestosOtro, 0);
    esperarX(k.comunA, k.comunB, 0, 4);
    ASSERT_EQ(k.numRestos, 2);
    esperarX(k.restoA[0], k.restoB[0], 6, 4);
    esperarX(k.restoA[1], k.restoB[1], 0, -2);
    // S inside B: S is the common piece, B keeps both ends.
    k = arista(1, 1, 2, 3, 1, 2).partir(b);
    EXPECT_EQ(k.numRestos, 0);
    ASSERT_EQ(k.numRestosOtro, 2);
    esperarX(k.otroA[0], k.otroB[0], 0, 1);
    esperarX(k.otroA[1], k.otroB[1], 3, 4);
}

TEST(ElementContour, PartirSinSolape) {
    ElementContour b = arista(0, 0, 0, 4, 0, 0);
    EXPECT_FALSE(arista(4, 0, 0, 8, 0, 0).solapa(b));         // touching at one point
    EXPECT_FALSE(arista(3.997f, 0, 0, 8, 0, 0).solapa(b));    // overlap below the tolerance
    EXPECT_FALSE(arista(0, 0.01f, 0, 4, 0.01f, 0).solapa(b)); // parallel 1 cm apart
    // Parallel 4 mm apart is the same line; ends within 5 mm snap to B's ends.
    ElementContour::Corte k = arista(0.004f, 0.004f, 0, 3.996f, 0.004f, 0).partir(b);
    EXPECT_TRUE(k.igual());
    EXPECT_FLOAT_EQ(k.comunA.y, 0.0f);
    // Coordinates that are not numbers never overlap.
    float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(arista(nan, 0, 0, 4, 0, 0).solapa(b));
    EXPECT_FALSE(b.solapa(arista(nan, 0, 0, 4, 0, 0)));
}
