#include "geometry/JerarquiaVolumenes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "geometry/PoliArea.h"

namespace {

// Random rectangles and triangles in random planes against random rays (both faces block, the
// excluded polygon never does, hits beyond tmax do not count); the reference tries each polygon.
TEST(JerarquiaVolumenesTest, CoincideConLaBusquedaExhaustiva) {
    std::mt19937 g(12345);
    std::uniform_real_distribution<float> u(-20, 20), lado(0.5f, 4), ang(0, 6.2831853f);
    auto direccion = [](float a, float b) {
        return Vector3(std::cos(a) * std::cos(b), std::sin(a) * std::cos(b), std::sin(b));
    };
    std::vector<std::unique_ptr<PoliArea>> ps;
    std::vector<PoliArea*> lista;
    for (int i = 0; i < 300; ++i) {
        const Point3 c(u(g), u(g), u(g) / 4);
        const Vector3 e1 = direccion(ang(g), ang(g));
        Vector3 e2 = e1.cruz(std::fabs(e1.z) < 0.9f ? Vector3(0, 0, 1) : Vector3(1, 0, 0));
        e2 = e2 * static_cast<float>(1.0 / e2.norma());
        const float w = lado(g), h = lado(g);
        std::vector<Point3> nodos = {c, c + e1 * w, c + e1 * w + e2 * h};
        if (i % 3) nodos.push_back(c + e2 * h);
        ps.push_back(PoliArea::desdeNodos(nodos));
        lista.push_back(ps.back().get());
    }
    JerarquiaVolumenes j(lista);
    int bloqueados = 0;
    for (int k = 0; k < 3000; ++k) {
        const Point3 o(u(g), u(g), u(g) / 4);
        const Vector3 d = direccion(ang(g), ang(g) / 2 - 1.5f);
        const float tmax = k % 2 ? 1e30f : 10.0f;
        bool esperado = false;
        for (int i = 0; i < 300 && !esperado; ++i) {
            const PoliArea& p = *ps[i];
            const double den = p.normal().punto(d);
            if (i == k % 300 || std::fabs(den) < 1e-9) continue;
            const double t = p.normal().punto(p.origen() - o) / den;
            esperado = t > 0 && t < tmax && p.contains(o + d * static_cast<float>(t));
        }
        ASSERT_EQ(j.ocluido(o, d, 0, tmax, k % 300), esperado) << "rayo " << k;
        bloqueados += esperado;
    }
    // Both answers occur often enough for the comparison to mean something.
    EXPECT_GT(bloqueados, 300);
    EXPECT_LT(bloqueados, 2700);
}

} // namespace
