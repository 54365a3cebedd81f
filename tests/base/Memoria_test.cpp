#include "base/Memoria.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"

TEST(Memoria, RealesACeroYTamanosImposibles) {
    EXPECT_EQ(reservarReales(3), std::vector<float>(3, 0.0f));
    EXPECT_TRUE(reservarReales(0).empty());
    for (long n : {-1L, 100000001L})
        EXPECT_EQ(mensajeFatal([&] { reservarReales(n); }), "Sin Memoria") << n;
}
