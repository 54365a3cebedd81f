#include "climate/EntradaSalida.h"

#include <gtest/gtest.h>

TEST(EntradaSalida, RegistroInerteAlMarcoDelMuro) {
    EntradaSalida r;
    EXPECT_EQ(r.muroEntrada, "none");
    EXPECT_EQ(r.muroSalida, "none");
    r.entrada = Point3(3.0f, 1.0f, 2.0f);
    // Wall origin (1, 1, 0.5) running at 90 degrees (c = 0, s = 1): d = (2, 0, 1.5) becomes
    // (c 2 + s 0, -s 2 + c 0, 1.5) = (0, -2, 1.5); the outlet d = (-1, -1, -0.5) becomes
    // (-1, 1, -0.5).
    r.transformar(Point3(1.0f, 1.0f, 0.5f), 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(r.entrada.x, 0.0f);
    EXPECT_FLOAT_EQ(r.entrada.y, -2.0f);
    EXPECT_FLOAT_EQ(r.entrada.z, 1.5f);
    EXPECT_FLOAT_EQ(r.salida.x, -1.0f);
    EXPECT_FLOAT_EQ(r.salida.y, 1.0f);
    EXPECT_FLOAT_EQ(r.salida.z, -0.5f);
}
