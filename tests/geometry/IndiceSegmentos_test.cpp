#include "geometry/IndiceSegmentos.h"

#include <gtest/gtest.h>
#include <limits>

// Segments that do not fit the grid are kept apart and returned by every query, and a query
// outside the grid gets everything; fitting segments are checked through the ordered merge.
TEST(IndiceSegmentos, SegmentosFueraDeLaRejillaSiempreCandidatos) {
    IndiceSegmentos indice(1.0, 0.01);
    indice.insertar(0, Point3(0, 0, 0), Point3(1, 0, 0));
    indice.insertar(1, Point3(std::numeric_limits<float>::quiet_NaN(), 0, 0), Point3(1, 0, 0));
    indice.insertar(2, Point3(-1e30f, 0, 0), Point3(1e30f, 0, 0));
    indice.insertar(3, Point3(100, 100, 100), Point3(101, 100, 100));
    std::vector<int> ids;
    indice.candidatos(Point3(0.5f, 0, 0), Point3(0.7f, 0, 0), ids);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2}));
    indice.candidatos(Point3(0, 0, 0), Point3(1e20f, 0, 0), ids);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 3}));
}
