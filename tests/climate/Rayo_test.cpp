#include "climate/Rayo.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/JerarquiaVolumenes.h"
#include "geometry/PoliArea.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A 4 × 4 roof at z = 0 (normal +z, x axis +x, y axis +y).
std::unique_ptr<PoliArea> techo() {
    return PoliArea::desdeNodos({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}});
}

Vector3 direccion(double elevacionGrados, double azimutGrados) {
    const double e = elevacionGrados * kPi / 180, a = azimutGrados * kPi / 180;
    return Vector3(static_cast<float>(std::cos(e) * std::cos(a)),
                   static_cast<float>(std::cos(e) * std::sin(a)), static_cast<float>(std::sin(e)));
}

TEST(RayoTest, MuestrasSobreLaSuperficie) {
    auto t = techo(); // 16 m²: four cells of 2 × 2
    JerarquiaVolumenes j({t.get()});
    Rayo r(j, *t, 0);
    ASSERT_EQ(r.puntosMuestra().size(), 4u);
    for (const Point3& p : r.puntosMuestra()) {
        EXPECT_FLOAT_EQ(p.z, Rayo::kSeparacion);
        EXPECT_TRUE(p.x == 1 || p.x == 3);
    }
    // A small window: one sample at its centre.
    auto v = PoliArea::desdeNodos({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    Rayo rv(j, *v, -1);
    ASSERT_EQ(rv.puntosMuestra().size(), 1u);
    EXPECT_FLOAT_EQ(rv.puntosMuestra()[0].x, 0.5f);
}

TEST(RayoTest, DireccionesDetrasYSinObstaculos) {
    auto t = techo();
    JerarquiaVolumenes j({t.get()});
    Rayo r(j, *t, 0);
    EXPECT_FLOAT_EQ(r.valor(direccion(-30, 0)), 0.0f);
    EXPECT_FLOAT_EQ(r.valor(Vector3(1, 0, -0.00002f)), 0.0f);
    EXPECT_FLOAT_EQ(r.valor(Vector3(1, 0, -0.000005f)), 1.0f); // just within the threshold
    EXPECT_FLOAT_EQ(r.valor(direccion(0, 45)), 1.0f);          // grazing still counts
    EXPECT_FLOAT_EQ(r.valor(direccion(90, 0)), 1.0f);
    EXPECT_FLOAT_EQ(r.valor(direccion(37, 200)), 1.0f);
}

TEST(RayoTest, ObstaculoParcialEInterpolacion) {
    // A wall along x = 6 from y = -10 to 14, 4 m high, facing -x: seen from the roof it hides
    // the directions towards +x below about atan(4/3) = 53° at the roof's near half and
    // atan(4/5) = 39° at the far half.
    auto t = techo();
    auto m = PoliArea::desdeNodos({{6, 14, 0}, {6, -10, 0}, {6, -10, 4}, {6, 14, 4}});
    JerarquiaVolumenes j({t.get(), m.get()});
    Rayo r(j, *t, 0);
    EXPECT_FLOAT_EQ(r.valorRejilla(2, 0), 0.0f);  // 30° towards +x: all four samples blocked
    EXPECT_FLOAT_EQ(r.valorRejilla(3, 0), 0.5f);  // 45°: only the two samples at x = 3
    EXPECT_FLOAT_EQ(r.valorRejilla(4, 0), 1.0f);  // 60°: over the wall
    EXPECT_FLOAT_EQ(r.valorRejilla(2, 6), 1.0f);  // 30° towards -x
    EXPECT_FLOAT_EQ(r.valorRejilla(2, 12), 0.0f); // the last column repeats the first
    // Halfway between the 30° and 45° rows: (0 + 0.5) / 2.
    EXPECT_NEAR(r.valor(direccion(37.5, 0)), 0.25f, 1e-5);
    // Between azimuth columns 0 (blocked) and 1 (30°: blocked at 30° too) at 30° elevation.
    EXPECT_NEAR(r.valor(direccion(30, 15)), 0.0f, 1e-5);
    // Top row: the grid value itself, whatever the azimuth.
    EXPECT_FLOAT_EQ(r.valor(direccion(90, 0)), r.valorRejilla(6, 0));
    EXPECT_FLOAT_EQ(r.valorRejilla(6, 5), r.valorRejilla(6, 0));
}

} // namespace
