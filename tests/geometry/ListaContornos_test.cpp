#include "geometry/ListaContornos.h"

#include <gtest/gtest.h>
#include <random>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"

namespace {

// The merge as a plain scan of the whole list in order with recursion on the leftovers: the
// reference that the indexed merge must reproduce piece for piece.
void fusionarReferencia(std::vector<ElementContour>& lista, const ElementContour& s, int e) {
    for (std::size_t i = 0; i < lista.size(); ++i) {
        ElementContour::Corte k = s.partir(lista[i]);
        if (!k.solapa) continue;
        if (k.igual()) {
            lista[i].anadirTocante(e);
            return;
        }
        std::vector<int> previos = lista[i].tocan;
        lista[i].A = k.comunA;
        lista[i].B = k.comunB;
        lista[i].anadirTocante(e);
        for (int r = 0; r < k.numRestosOtro; ++r) {
            lista.emplace_back(k.otroA[r], k.otroB[r]);
            lista.back().tocan = previos;
        }
        for (int r = 0; r < k.numRestos; ++r)
            fusionarReferencia(lista, ElementContour(k.restoA[r], k.restoB[r]), e);
        return;
    }
    lista.push_back(s);
    lista.back().tocan = {e};
}

} // namespace

TEST(ListaContornos, IgualQueElRecorridoCompletoEnOrdenYElementos) {
    HubDePrueba hub;
    std::mt19937 gen(11);
    std::uniform_int_distribution<int> c(0, 8);
    std::uniform_int_distribution<int> eje(0, 2);
    for (double celda : {0.5, 2.0, 7.0}) {
        ListaContornos l(1000000, celda);
        std::vector<ElementContour> ref;
        for (int e = 0; e < 300; ++e) {
            Point3 a(c(gen), c(gen) * 0.5f, 0), b = a;
            float largo = static_cast<float>(c(gen) + 1) * 0.5f;
            const int k = eje(gen); // along x, along y or diagonal
            b.x += k != 1 ? largo : 0;
            b.y += k != 0 ? largo : 0;
            if (e % 2) std::swap(a, b);
            l.fusionar(a, b, e);
            fusionarReferencia(ref, ElementContour(a, b), e);
        }
        ASSERT_EQ(l.numero(), static_cast<int>(ref.size()));
        for (std::size_t i = 0; i < ref.size(); ++i) {
            const ElementContour& x = *l.contornos[i];
            ASSERT_TRUE(x.igual(ref[i]) && x.A.x == ref[i].A.x && x.B.y == ref[i].B.y) << i;
            ASSERT_EQ(x.tocan, ref[i].tocan) << i;
        }
    }
}

TEST(ListaContornos, AlLlegarALaCapacidadParaLaEjecucion) {
    HubDePrueba hub;
    ListaContornos l(3, 1.0);
    l.fusionar(Point3(0, 0, 0), Point3(1, 0, 0), 0);
    l.fusionar(Point3(1, 0, 0), Point3(2, 0, 0), 0);
    EXPECT_NE(mensajeFatal([&] { l.fusionar(Point3(2, 0, 0), Point3(3, 0, 0), 0); })
                  .find("Error Grave de Definici\xF3n Geom\xE9trica. Provoca que: El numero "
                        "maximo de puentes termicos se ha sobrepasado"),
              std::string::npos);
    // Capacity 0 (no element with an exterior side) never equals a count.
    ListaContornos sinCapacidad(0, 1.0);
    for (int i = 0; i < 5; ++i) sinCapacidad.fusionar(Point3(i, 0, 0), Point3(i + 1, 0, 0), 0);
    EXPECT_EQ(sinCapacidad.numero(), 5);
}
