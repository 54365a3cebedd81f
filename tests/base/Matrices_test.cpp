#include "base/Matrices.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"

namespace {

TEST(Matrices, InversaConocidaYProductos) {
    // [[4, 7], [2, 6]] has determinant 10 and inverse [[0.6, -0.7], [-0.2, 0.4]].
    float a[4] = {4, 7, 2, 6};
    invertirMatriz(a, 2);
    const float inversa[4] = {0.6f, -0.7f, -0.2f, 0.4f};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(a[i], inversa[i], 1e-6f) << i;
    // A zero on the diagonal needs the rows swapped; the inverse times the matrix is I.
    const double m[9] = {0, 2, 0, 1, 0, 0, 0, 0, 4};
    double inv[9];
    std::copy(m, m + 9, inv);
    invertirMatriz(inv, 3);
    const double esperada[9] = {0, 1, 0, 0.5, 0, 0, 0, 0, 0.25};
    for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(inv[i], esperada[i]) << i;
    const double v[3] = {1, 2, 3};
    double mv[3], vuelta[3];
    matrizPorVector(m, v, mv, 3);
    matrizPorVector(inv, mv, vuelta, 3);
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(vuelta[i], v[i]);
    const float b[4] = {4, 7, 2, 6};
    float identidad[4];
    matrizPorMatriz(b, a, identidad, 2);
    EXPECT_NEAR(identidad[0] + identidad[3] - identidad[1] - identidad[2], 2.0f, 1e-5f);
}

TEST(Matrices, SingularParaLaEjecucion) {
    float s[4] = {1, 2, 2, 4};
    double d[9] = {1, 2, 3, 4, 5, 6, 0, 0, 0};
    EXPECT_EQ(mensajeFatal([&] { invertirMatriz(s, 2); }), "Matriz singular: no se puede invertir");
    EXPECT_EQ(mensajeFatal([&] { invertirMatriz(d, 3); }), "Matriz singular: no se puede invertir");
}

} // namespace
