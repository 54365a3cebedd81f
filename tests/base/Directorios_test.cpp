#include "base/Directorios.h"

#include <gtest/gtest.h>

namespace {

struct DirectoriosTest : ::testing::Test {
    void TearDown() override { Directorios::liberar(); }
};

TEST_F(DirectoriosTest, ClavesExactasYRutas) {
    Directorios& d = Directorios::instancia();
    EXPECT_EQ(d.registrar("Lib", "/x/lib/"), 3);
    EXPECT_EQ(d.registrar("Tmp", "/x/tmp/"), 10);
    EXPECT_EQ(d.registrar("lib", "/otro/"), 0); // unknown key: nothing stored
    EXPECT_EQ(d.rutaLib("defectos.inp"), "/x/lib/defectos.inp");
    EXPECT_EQ(d.rutaTmp("Error.log"), "/x/tmp/Error.log");
    EXPECT_EQ(&d, &Directorios::instancia());
}

TEST_F(DirectoriosTest, SinDirectorioDeBibliotecaLaRutaEsElNombre) {
    EXPECT_EQ(Directorios::instancia().rutaLib("BDCatalogo.bdc"), "BDCatalogo.bdc");
}

TEST_F(DirectoriosTest, DirectorioDeUnaRutaConSuSeparador) {
    EXPECT_EQ(Directorios::extraerDirectorio("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(Directorios::extraerDirectorio("c.txt"), "");
    EXPECT_EQ(Directorios::extraerDirectorio("dir/"), "dir/");
    EXPECT_EQ(Directorios::extraerDirectorio(""), "");
}

} // namespace
