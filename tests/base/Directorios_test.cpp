#include "base/Directorios.h"

#include <gtest/gtest.h>

namespace {

struct DirectoriosTest : ::testing::Test {
    void TearDown() override { Directorios::liberar(); }
};

TEST_F(DirectoriosTest, CadaClaveGuardaSuDirectorio) {
    const char* claves[] = {"Per", "Img", "Lib", "Met", "Exe", "Fot", "Bin",
                            "Pla", "Imt", "Tmp", "Res", "Doc", "Dat", "Hor"};
    Directorios& d = Directorios::instancia();
    for (const char* c : claves) EXPECT_NE(d.registrar(c, std::string("/") + c + "/"), 0) << c;
    for (const char* c : claves) EXPECT_EQ(d.directorio(c), std::string("/") + c + "/");
    // Keys are matched exactly: an unknown one stores nothing.
    EXPECT_EQ(d.registrar("lib", "/otro/"), 0);
    EXPECT_EQ(d.rutaLib("defectos.inp"), "/Lib/defectos.inp");
    EXPECT_EQ(d.rutaTmp("Error.log"), "/Tmp/Error.log");
    EXPECT_EQ(&d, &Directorios::instancia());
}

TEST_F(DirectoriosTest, SinDirectorioDeBibliotecaLaRutaEsElNombre) {
    Directorios::instancia().registrar("Lib", "/x/");
    Directorios::liberar(); // the next run starts with an empty registry
    EXPECT_EQ(Directorios::instancia().rutaLib("BDCatalogo.bdc"), "BDCatalogo.bdc");
}

TEST_F(DirectoriosTest, DirectorioDeUnaRutaConSuSeparador) {
    const std::pair<const char*, const char*> casos[] = {{"/a/b/c.txt", "/a/b/"},
                                                         {"c.txt", ""},
                                                         {"dir/", "dir/"},
                                                         {"", ""},
                                                         {"C:\\d\\e.bdl", "C:\\d\\"}};
    for (const auto& [ruta, directorio] : casos)
        EXPECT_EQ(Directorios::extraerDirectorio(ruta), directorio) << ruta;
}

} // namespace
