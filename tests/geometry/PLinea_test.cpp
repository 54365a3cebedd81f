#include "geometry/PLinea.h"

#include <gtest/gtest.h>

namespace {

PLinea linea(const std::vector<Point3>& nodos) {
    PLinea l(static_cast<int>(nodos.size()));
    for (std::size_t i = 0; i < nodos.size(); ++i) l.ponerNodo(static_cast<int>(i), nodos[i]);
    return l;
}

// Areas and lengths are checked through PoliArea and the partitions; here the angle sum.
TEST(PLineaTest, SumaDeAngulos) {
    const Vector3 arriba(0, 0, 1);
    PLinea l = linea({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}});
    EXPECT_TRUE(l.windingContains({1, 1, 0}, Vector3(0, 0, -1))); // sum -2π also counts
    // A diagonal edge: the point on it is found by the edge test, not by rounding luck.
    PLinea t = linea({{0, 0, 0}, {4, 2, 0}, {0, 5, 0}});
    EXPECT_TRUE(t.windingContains({2, 1, 0}, arriba));
    EXPECT_FALSE(t.windingContains({2, 0.9f, 0}, arriba));
    // Over the centre of a unit square at height h the sum is 4·acos(h²/(0.5 + h²)): about
    // 0.0899 rad at h = 44.5 (outside) and 0.1111 at h = 36 (inside).
    PLinea c = linea({{-0.5f, -0.5f, 0}, {0.5f, -0.5f, 0}, {0.5f, 0.5f, 0}, {-0.5f, 0.5f, 0}});
    EXPECT_FALSE(c.windingContains({0, 0, 44.5f}, arriba));
    EXPECT_TRUE(c.windingContains({0, 0, 36.0f}, arriba));
}

} // namespace
