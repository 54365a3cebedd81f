#include "geometry/IndiceSegmentos.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

#include "geometry/ElementContour.h"

// Every segment that overlaps the queried one must be among the candidates, whatever the cell
// size: checked against the exact test over random axis-aligned and oblique segments.
TEST(IndiceSegmentos, NoPierdeNingunSolapeFrenteAlRecorridoCompleto) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> coord(0, 12);
    std::uniform_int_distribution<int> eje(0, 3);
    auto segmento = [&]() {
        Point3 a(coord(gen) * 0.5f, coord(gen) * 0.5f, coord(gen) * 0.5f);
        Point3 b = a;
        float l = static_cast<float>(coord(gen) + 1) * 0.5f;
        switch (eje(gen)) {
        case 0:
            b.x += l;
            break;
        case 1:
            b.y += l;
            break;
        case 2:
            b.z += l;
            break;
        default:
            b.x += l, b.y += l;
            break;
        }
        return ElementContour(a, b);
    };
    for (double celda : {0.3, 1.0, 2.5, 50.0}) {
        IndiceSegmentos indice(celda, 0.01);
        std::vector<ElementContour> lista;
        for (int i = 0; i < 400; ++i) {
            lista.push_back(segmento());
            indice.insertar(i, lista.back().A, lista.back().B);
        }
        std::vector<int> ids;
        for (int q = 0; q < 400; ++q) {
            ElementContour s = segmento();
            indice.candidatos(s.A, s.B, ids);
            ASSERT_TRUE(std::is_sorted(ids.begin(), ids.end()));
            for (int i = 0; i < 400; ++i)
                if (s.solapa(lista[i])) {
                    ASSERT_TRUE(std::binary_search(ids.begin(), ids.end(), i))
                        << "celda " << celda << " segmento " << i;
                }
        }
    }
}

TEST(IndiceSegmentos, SegmentosFueraDeLaRejillaSiempreCandidatos) {
    IndiceSegmentos indice(1.0, 0.01);
    float nan = std::numeric_limits<float>::quiet_NaN();
    indice.insertar(0, Point3(0, 0, 0), Point3(1, 0, 0));
    indice.insertar(1, Point3(nan, 0, 0), Point3(1, 0, 0));
    indice.insertar(2, Point3(-1e30f, 0, 0), Point3(1e30f, 0, 0));
    indice.insertar(3, Point3(100, 100, 100), Point3(101, 100, 100));
    std::vector<int> ids;
    indice.candidatos(Point3(0.5f, 0, 0), Point3(0.7f, 0, 0), ids);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2}));
    // A query outside the grid gets everything.
    indice.candidatos(Point3(0, 0, 0), Point3(1e20f, 0, 0), ids);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 3}));
}
