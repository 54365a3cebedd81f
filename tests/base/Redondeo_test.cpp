#include "base/Redondeo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Redondeo, MitadesHaciaCeroYExtremos) {
    const std::pair<float, int> casos[] = {
        {2.5f, 2},
        {2.6f, 3},
        {-2.5f, -2},
        {-2.6f, -3},
        {0.5f, 0},
        {1.5f, 1},
        {0.49f, 0},
        {-0.51f, -1},
        {1e9f, 1000000000},
        // Beyond +-2e9 (and infinity) the ends of that range; NaN is 0.
        {3e9f, 2000000000},
        {-3e9f, -2000000000},
        {std::numeric_limits<float>::infinity(), 2000000000},
        {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [x, n] : casos) EXPECT_EQ(redondear(x), n) << x;
}

TEST(Redondeo, DecimalesConElProductoEnFloat) {
    // 0.745 is held slightly above 0.745, but x100 gives exactly 74.5 in float: toward zero.
    const std::pair<float, float> casos[] = {
        {0.745f, 0.74f}, {0.125f, 0.12f}, {0.1251f, 0.13f}, {-0.745f, -0.74f}, {1.005f, 1.0f}};
    for (const auto& [x, r] : casos) EXPECT_FLOAT_EQ(redondearDecimales(x, 2), r) << x;
    EXPECT_FLOAT_EQ(redondearDecimales(12.34f, 0), 12.0f);
}

} // namespace
