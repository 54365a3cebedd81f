#include "climate/EntradaSalida.h"

#include <gtest/gtest.h>

namespace {

TEST(EntradaSalida, RegistroInerte) {
    EntradaSalida r;
    EXPECT_EQ(r.muroEntrada, "none");
    EXPECT_EQ(r.muroSalida, "none");
    EXPECT_FLOAT_EQ(r.entrada.x, 0.0f);
    EXPECT_FLOAT_EQ(r.salida.z, 0.0f);
}

TEST(EntradaSalida, AlMarcoDelMuro) {
    EntradaSalida r;
    r.entrada = Point3(3.0f, 1.0f, 2.0f);
    r.salida = Point3(1.0f, 5.0f, 0.5f);
    // Wall origin (1, 1, 0.5) running at 90 degrees: c = 0, s = 1.
    r.transformar(Point3(1.0f, 1.0f, 0.5f), 0.0f, 1.0f);
    // entrada: d = (2, 0, 1.5) -> (c 2 + s 0, -s 2 + c 0, 1.5) = (0, -2, 1.5)
    EXPECT_FLOAT_EQ(r.entrada.x, 0.0f);
    EXPECT_FLOAT_EQ(r.entrada.y, -2.0f);
    EXPECT_FLOAT_EQ(r.entrada.z, 1.5f);
    // salida: d = (0, 4, 0) -> (4, 0, 0)
    EXPECT_FLOAT_EQ(r.salida.x, 4.0f);
    EXPECT_FLOAT_EQ(r.salida.y, 0.0f);
    EXPECT_FLOAT_EQ(r.salida.z, 0.0f);
}

} // namespace
