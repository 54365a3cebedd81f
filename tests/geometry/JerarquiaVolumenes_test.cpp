#include "geometry/JerarquiaVolumenes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/PoliArea.h"

namespace {

// Reference answer: every polygon tried in turn, either face blocking.
bool ocluidoFuerzaBruta(const std::vector<std::unique_ptr<PoliArea>>& ps, const Point3& o,
                        const Vector3& d, float tmax, int excluido) {
    for (std::size_t i = 0; i < ps.size(); ++i) {
        if (static_cast<int>(i) == excluido) continue;
        const PoliArea& p = *ps[i];
        const double den = p.normal().punto(d);
        if (std::fabs(den) < 1e-9) continue;
        const double t = p.normal().punto(p.origen() - o) / den;
        if (!(t > 0 && t < tmax)) continue;
        if (p.contains(o + d * static_cast<float>(t))) return true;
    }
    return false;
}

TEST(JerarquiaVolumenesTest, CoincideConLaBusquedaExhaustiva) {
    std::mt19937 g(12345);
    std::uniform_real_distribution<float> u(-20, 20), lado(0.5f, 4), ang(0, 6.2831853f);
    std::vector<std::unique_ptr<PoliArea>> ps;
    std::vector<PoliArea*> lista;
    for (int i = 0; i < 300; ++i) {
        // A rectangle or triangle in a random plane.
        const Point3 c(u(g), u(g), u(g) / 4);
        const float a = ang(g), b = ang(g);
        const Vector3 e1(std::cos(a) * std::cos(b), std::sin(a) * std::cos(b), std::sin(b));
        Vector3 aux = std::fabs(e1.z) < 0.9f ? Vector3(0, 0, 1) : Vector3(1, 0, 0);
        Vector3 e2 = e1.cruz(aux);
        e2 = e2 * static_cast<float>(1.0 / e2.norma());
        const float w = lado(g), h = lado(g);
        std::vector<Point3> nodos = {c, c + e1 * w, c + e1 * w + e2 * h};
        if (i % 3) nodos.push_back(c + e2 * h);
        ps.push_back(PoliArea::desdeNodos(nodos));
        lista.push_back(ps.back().get());
    }
    JerarquiaVolumenes j(lista);
    EXPECT_EQ(j.numPoligonos(), 300);
    int bloqueados = 0;
    for (int k = 0; k < 3000; ++k) {
        const Point3 o(u(g), u(g), u(g) / 4);
        const float a = ang(g), b = ang(g) / 2 - 1.5f;
        const Vector3 d(std::cos(a) * std::cos(b), std::sin(a) * std::cos(b), std::sin(b));
        const float tmax = k % 2 ? 1e30f : 10.0f;
        const int excluido = k % 300;
        const bool esperado = ocluidoFuerzaBruta(ps, o, d, tmax, excluido);
        ASSERT_EQ(j.ocluido(o, d, 0, tmax, excluido), esperado) << "rayo " << k;
        bloqueados += esperado;
    }
    // Both answers occur often enough for the comparison to mean something.
    EXPECT_GT(bloqueados, 300);
    EXPECT_LT(bloqueados, 2700);
}

TEST(JerarquiaVolumenesTest, AmbasCarasYAgujeros) {
    // A square with a square hole, facing up.
    auto p = std::make_unique<PoliArea>(2);
    p->contornos[0] = std::make_unique<PLinea>(4);
    p->contornos[1] = std::make_unique<PLinea>(4);
    const Point3 ext[4] = {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}};
    const Point3 hueco[4] = {{1, 1, 0}, {3, 1, 0}, {3, 3, 0}, {1, 3, 0}};
    for (int i = 0; i < 4; ++i) {
        p->contornos[0]->ponerNodo(i, ext[i]);
        p->contornos[1]->ponerNodo(i, hueco[i]);
    }
    p->initFrame();
    JerarquiaVolumenes j({p.get()});
    EXPECT_TRUE(j.ocluido({0.5f, 0.5f, 1}, {0, 0, -1}, 0, 1e30f, -1)); // front face
    EXPECT_TRUE(j.ocluido({0.5f, 0.5f, -1}, {0, 0, 1}, 0, 1e30f, -1)); // back face
    EXPECT_FALSE(j.ocluido({2, 2, -1}, {0, 0, 1}, 0, 1e30f, -1));      // through the hole
    EXPECT_FALSE(j.ocluido({0.5f, 0.5f, -1}, {0, 0, 1}, 0, 0.5f, -1)); // stops short
    EXPECT_FALSE(j.ocluido({0.5f, 0.5f, 1}, {1, 0, 0}, 0, 1e30f, -1)); // parallel
    EXPECT_FALSE(j.ocluido({0.5f, 0.5f, -1}, {0, 0, 1}, 0, 1e30f, 0)); // excluded
    EXPECT_FALSE(JerarquiaVolumenes({}).ocluido({0, 0, 0}, {0, 0, 1}, 0, 1e30f, -1));
}

} // namespace
