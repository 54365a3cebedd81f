#include "climate/Rayo.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/JerarquiaVolumenes.h"
#include "geometry/PoliArea.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A direction in the frame of a roof at z = 0 (normal +z, x axis +x, y axis +y).
Vector3 direccion(double elevacionGrados, double azimutGrados) {
    const double e = elevacionGrados * kPi / 180, a = azimutGrados * kPi / 180;
    return Vector3(static_cast<float>(std::cos(e) * std::cos(a)),
                   static_cast<float>(std::cos(e) * std::sin(a)), static_cast<float>(std::sin(e)));
}

TEST(RayoTest, RejillaLocalEInterpolacion) {
    // A 4 × 4 roof (samples at x = 1 and 3) and a wall along x = 6 from y = -10 to 14, 4 m high,
    // facing -x: it hides the directions towards +x below atan(4/3) = 53° from the samples at
    // x = 3 and below atan(4/5) = 39° from those at x = 1.
    auto t = PoliArea::desdeNodos({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}});
    auto m = PoliArea::desdeNodos({{6, 14, 0}, {6, -10, 0}, {6, -10, 4}, {6, 14, 4}});
    JerarquiaVolumenes j({t.get(), m.get()});
    Rayo r(j, *t, 0);
    EXPECT_FLOAT_EQ(r.valorRejilla(2, 0), 0.0f);  // 30° towards +x: all samples blocked
    EXPECT_FLOAT_EQ(r.valorRejilla(3, 0), 0.5f);  // 45°: only the two samples at x = 3
    EXPECT_FLOAT_EQ(r.valorRejilla(4, 0), 1.0f);  // 60°: over the wall
    EXPECT_FLOAT_EQ(r.valorRejilla(2, 6), 1.0f);  // 30° towards -x
    EXPECT_FLOAT_EQ(r.valorRejilla(2, 12), 0.0f); // the last column repeats the first
    // Halfway between the 30° and 45° rows: (0 + 0.5) / 2.
    EXPECT_NEAR(r.valor(direccion(37.5, 0)), 0.25f, 1e-5);
    // Top row: the grid value itself, whatever the azimuth.
    EXPECT_FLOAT_EQ(r.valor(direccion(90, 0)), r.valorRejilla(6, 0));
    EXPECT_FLOAT_EQ(r.valorRejilla(6, 5), r.valorRejilla(6, 0));
    // Behind the surface, with the -0.00001 threshold; grazing still counts.
    EXPECT_FLOAT_EQ(r.valor(direccion(-30, 0)), 0.0f);
    EXPECT_FLOAT_EQ(r.valor(Vector3(-1, 0, -0.00002f)), 0.0f);
    EXPECT_FLOAT_EQ(r.valor(Vector3(-1, 0, -0.000005f)), 1.0f);
    EXPECT_FLOAT_EQ(r.valor(direccion(0, 135)), 1.0f);
}

} // namespace
