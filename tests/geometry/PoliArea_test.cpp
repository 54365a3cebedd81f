#include "geometry/PoliArea.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"

namespace {

std::unique_ptr<PoliArea> poligono(const std::vector<Point3>& nodos) {
    return PoliArea::desdeNodos(nodos);
}

void esperarVector(const Space3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-6);
    EXPECT_NEAR(v.y, y, 1e-6);
    EXPECT_NEAR(v.z, z, 1e-6);
}

const std::vector<Point3> kAntihorario = {{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}};

class PoliAreaTest : public testing::Test {
protected:
    HubDePrueba hub;
};

TEST_F(PoliAreaTest, MarcoDeRectangulosEnAmbosSentidos) {
    auto a = poligono(kAntihorario);
    esperarVector(a->normal(), 0, 0, 1);
    esperarVector(a->ejeX(), 1, 0, 0);
    EXPECT_DOUBLE_EQ(a->area(), 12.0);
    // Clockwise seen from +z: the normal turns over so that the contour stays counter-clockwise.
    auto h = poligono({{0, 0, 0}, {0, 3, 0}, {4, 3, 0}, {4, 0, 0}});
    esperarVector(h->normal(), 0, 0, -1);
    esperarVector(h->ejeX(), 0, 1, 0);
    esperarVector(h->ejeY(), 1, 0, 0); // (0,0,-1) x (0,1,0)
    EXPECT_DOUBLE_EQ(h->area(), 12.0);
    // Nodes 4, 0 and 1 lie on y = 0: the last node gives no normal and node 3 is used.
    auto p = poligono({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {-1, 2, 0}, {-1, 0, 0}});
    esperarVector(p->normal(), 0, 0, 1);
    EXPECT_NEAR(p->area(), 6.0, 1e-9);
}

// A one-contour polygon of n nodes with the given ones set (the others left missing), framed.
void enmarcar(int n, const std::vector<std::pair<int, Point3>>& nodos) {
    PoliArea p(1);
    p.contornos[0] = std::make_unique<PLinea>(n);
    for (const auto& q : nodos) p.contornos[0]->ponerNodo(q.first, q.second);
    p.initFrame();
}

TEST_F(PoliAreaTest, PlanitudYMensajesDeValidacion) {
    const std::string generico = "Se ha producido un error";
    const std::string falta = "Error en los pol\xEDgonos: Existe un nodo no especificado";
    EXPECT_NEAR(poligono({{0, 0, 0}, {4, 0, 0}, {4, 3, 0.005f}, {0, 3, 0}})->area(), 12.0, 1e-3);
    // clang-format off
    const std::vector<std::pair<std::function<void()>, std::string>> casos = {
        // A node 2 cm out of the plane: an internal check.
        {[] { poligono({{0, 0, 0}, {4, 0, 0}, {4, 3, 0.02f}, {0, 3, 0}}); }, generico},
        {[] { poligono({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {4, 3, 0}, {0, 3, 0}}); },
         "Error en los pol\xEDgonos: No se pueden repetir nodos"},
        {[] { enmarcar(4, {{0, {0, 0, 0}}, {1, {4, 0, 0}}, {3, {0, 3, 0}}}); }, falta},
        // A missing node is reported before a later repetition in the same contour.
        {[] { enmarcar(5, {{0, {0, 0, 0}}, {1, {4, 0, 0}}, {3, {0, 3, 0}}, {4, {0, 3, 0}}}); },
         falta},
    };
    // clang-format on
    for (const auto& c : casos) {
        EXPECT_EQ(mensajeFatal(c.first), c.second);
    }
}

// A circle of n nodes of radius r about (cx, 0), with node `otro` (if >= 0) moved onto node
// `uno`, plus the given offset.
std::vector<Point3> circulo(int n, float r, float cx, int uno = -1, int otro = -1,
                            Point3 desvio = {0, 0, 0}) {
    std::vector<Point3> v;
    for (int i = 0; i < n; ++i) {
        double a = 6.283185307179586 * i / n;
        v.emplace_back(cx + static_cast<float>(r * std::cos(a)),
                       static_cast<float>(r * std::sin(a)), 0.0f);
    }
    if (uno >= 0) v[otro] = Point3(v[uno].x + desvio.x, v[uno].y + desvio.y, v[uno].z + desvio.z);
    return v;
}

// Polygons of many nodes are checked for repeated nodes without comparing every pair; the
// answer must be the pairwise one: equal within 1e-10 on every axis, far apart in the contour
// or not, near the origin (where distinct floats can be that close) or not.
TEST_F(PoliAreaTest, NodosRepetidosEnPoligonosGrandes) {
    const std::string repetidos = "Error en los pol\xEDgonos: No se pueden repetir nodos";
    struct Caso {
        std::vector<Point3> nodos;
        bool repetido;
    };
    // clang-format off
    const std::vector<Caso> casos = {
        {circulo(5000, 20.0f, 0.0f), false},
        {circulo(5000, 20.0f, 0.0f, 10, 4000), true},
        {circulo(5000, 20.0f, 0.0f, 4999, 0), true},
        // Out of the plane only by less than the tolerance.
        {circulo(5000, 20.0f, 0.0f, 7, 2500, {0, 0, 5e-11f}), true},
        // Distinct floats within 1e-10 of each other.
        {circulo(64, 1e-7f, 0.0f, 3, 40, {6e-11f, 0, 0}), true},
        {circulo(64, 1e-7f, 0.0f, 3, 40, {1.5e-10f, 0, 0}), false},
    };
    // clang-format on
    for (std::size_t i = 0; i < casos.size(); ++i) {
        const std::string m = mensajeFatal([&] { poligono(casos[i].nodos); });
        EXPECT_EQ(m == repetidos, casos[i].repetido) << "caso " << i << ": " << m;
    }
}

TEST_F(PoliAreaTest, ContieneNodosYAristas) {
    auto p = poligono(kAntihorario);
    EXPECT_TRUE(p->contains({4, 3, 0})); // a node
    EXPECT_TRUE(p->contains({2, 0, 0})); // an edge
    EXPECT_FALSE(p->contains({5, 1, 0}));
    EXPECT_FALSE(p->contains({-0.01f, 1, 0}));
    // A concave L: the notch is outside.
    auto l = poligono({{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}});
    EXPECT_FALSE(l->contains({1.5f, 1.5f, 0}));
    EXPECT_TRUE(l->contains({0.5f, 1.5f, 0}));
}

TEST_F(PoliAreaTest, FactoresDeForma) {
    // Two 1 m² squares facing each other 2 m apart: F = 1 / (3.1416 · 4) = 0.0796 both ways.
    auto a = poligono({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    auto b = poligono({{0, 0, 2}, {0, 1, 2}, {1, 1, 2}, {1, 0, 2}});
    auto f = viewFactors({a.get(), b.get()});
    ASSERT_EQ(f.size(), 4u);
    EXPECT_NEAR(f[1], 1.0 / (3.1416 * 4), 1e-6);
    EXPECT_NEAR(f[2], 1.0 / (3.1416 * 4), 1e-6);
    EXPECT_EQ(f[0], 0.0f);
    // Facing the same way: nothing.
    auto c = poligono({{0, 0, 2}, {1, 0, 2}, {1, 1, 2}, {0, 1, 2}});
    EXPECT_EQ(viewFactors({a.get(), c.get()})[1], 0.0f);
}

} // namespace
