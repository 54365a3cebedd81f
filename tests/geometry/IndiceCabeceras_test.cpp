#include "geometry/IndiceCabeceras.h"

#include <gtest/gtest.h>

#include "input/LeerBDL.h"

namespace {

TEST(IndiceCabecerasTest, CabecerasEHijosDeUnObjeto) {
    auto bdl = LeerBDL::desdeTexto("$ prueba\n\"SALA\" = SPACE SPACE-CONDITIONS = \"RES\" ..\n"
                                   "\"MURO S\" = EXTERIOR-WALL ..\n\"V1\" = WINDOW ..\n"
                                   "\"V2\" = WINDOW ..\n\"TECHO\" = ROOF ..\n"
                                   "\"COCINA\" = SPACE ..\n\"V3\" = WINDOW ..\n"
                                   "\"RES\" = SPACE-CONDITIONS ..\n");
    IndiceCabeceras x(bdl->texto(), bdl->longitud());
    const auto& c = x.cabeceras();
    ASSERT_EQ(c.size(), 8u); // assignments of quoted values are not headers
    EXPECT_EQ(c[1].nombre, "\"MURO S\"");
    EXPECT_EQ(std::string(bdl->texto() + c[0].posicion, 6), "\"SALA\"");
    // SPACE is matched whole: SPACE-CONDITIONS is a type of its own.
    EXPECT_EQ(x.cuenta("SPACE"), 2);
    EXPECT_EQ(x.cuenta("SPACE-CONDITIONS"), 1);
    // The windows of the wall end at the next element; the last space runs to the end.
    int muro = x.deTipo("EXTERIOR-WALL")[0];
    EXPECT_EQ(x.hijos(muro, x.siguiente(muro, {"ROOF", "SPACE"}), "WINDOW").size(), 2u);
    int cocina = x.deTipo("SPACE")[1];
    EXPECT_EQ(x.siguiente(cocina, {"SPACE"}), 8);
    EXPECT_EQ(x.hijos(cocina, 8, "WINDOW").size(), 1u);
}

} // namespace
