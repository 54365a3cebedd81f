#include "geometry/IndiceCabeceras.h"

#include <gtest/gtest.h>

#include "input/LeerBDL.h"

namespace {

// The index over a text normalised as the reader loads it.
struct Indexado {
    std::unique_ptr<LeerBDL> bdl;
    IndiceCabeceras indice;
    explicit Indexado(const std::string& texto)
        : bdl(LeerBDL::desdeTexto(texto)), indice(bdl->texto(), bdl->longitud()) {}
};

const char* const kTexto = R"($ prueba
"PB" = FLOOR
   POLYGON = "P" ..
"SALA" = SPACE
   SPACE-CONDITIONS = "RES" ..
"MURO S" = EXTERIOR-WALL ..
"V1" = WINDOW ..
"V2" = WINDOW ..
"TECHO" = ROOF ..
"COCINA" = SPACE ..
"V3" = WINDOW ..
"RES" = SPACE-CONDITIONS ..
)";

TEST(IndiceCabecerasTest, CabecerasConSuTipoCompletoYSuNombre) {
    Indexado x(kTexto);
    const auto& c = x.indice.cabeceras();
    ASSERT_EQ(c.size(), 9u);
    EXPECT_EQ(c[2].nombre, "\"MURO S\"");
    EXPECT_EQ(c[8].tipo, "SPACE-CONDITIONS");
    // SPACE is matched whole: SPACE-CONDITIONS is a type of its own.
    EXPECT_EQ(x.indice.cuenta("SPACE"), 2);
    EXPECT_EQ(x.indice.cuenta("SPACE-CONDITIONS"), 1);
    // Positions point at the opening quote of the name.
    EXPECT_EQ(x.bdl->texto()[c[1].posicion], '"');
    EXPECT_EQ(std::string(x.bdl->texto() + c[1].posicion, 6), "\"SALA\"");
    // Assignments of quoted values are not headers.
    for (const auto& h : c) EXPECT_NE(h.nombre, "\"P\"");
}

TEST(IndiceCabecerasTest, HijosDeUnObjeto) {
    Indexado x(kTexto);
    const auto& espacios = x.indice.deTipo("SPACE");
    int sala = espacios[0];
    int fin = x.indice.siguiente(sala, {"SPACE"});
    EXPECT_EQ(fin, espacios[1]);
    EXPECT_EQ(x.indice.hijos(sala, fin, "WINDOW").size(), 2u);
    // The windows of the wall end at the next element.
    int muro = x.indice.deTipo("EXTERIOR-WALL")[0];
    int finMuro = x.indice.siguiente(muro, {"ROOF", "SPACE"});
    EXPECT_EQ(x.indice.hijos(muro, finMuro, "WINDOW").size(), 2u);
    // The last space runs to the end of the text.
    int cocina = espacios[1];
    int finCocina = x.indice.siguiente(cocina, {"SPACE"});
    EXPECT_EQ(finCocina, static_cast<int>(x.indice.cabeceras().size()));
    EXPECT_EQ(x.indice.hijos(cocina, finCocina, "WINDOW").size(), 1u);
}

} // namespace
