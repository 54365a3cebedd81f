#include "input/IndiceCabeceras.h"

#include <gtest/gtest.h>

#include "input/LeerBDL.h"

// The windows of walls and spaces are checked through the building model; here the header
// types matched whole and the scope of the last object.
TEST(IndiceCabecerasTest, CabecerasEHijosDeUnObjeto) {
    auto bdl = LeerBDL::desdeTexto("$ prueba\n\"SALA\" = SPACE SPACE-CONDITIONS = \"RES\" ..\n"
                                   "\"MURO S\" = EXTERIOR-WALL ..\n\"V1\" = WINDOW ..\n"
                                   "\"RES\" = SPACE-CONDITIONS ..\n\"V2\" = WINDOW ..\n");
    IndiceCabeceras x(bdl->texto(), bdl->longitud());
    ASSERT_EQ(x.cabeceras().size(), 5u); // assignments of quoted values are not headers
    EXPECT_EQ(x.cabeceras()[1].nombre, "\"MURO S\"");
    EXPECT_EQ(std::string(bdl->texto() + x.cabeceras()[0].posicion, 6), "\"SALA\"");
    EXPECT_EQ(x.cuenta("SPACE"), 1);
    EXPECT_EQ(x.cuenta("SPACE-CONDITIONS"), 1);
    // The only space runs to the end of the text.
    EXPECT_EQ(x.siguiente(0, {"SPACE"}), 5);
    EXPECT_EQ(x.hijos(0, 5, "WINDOW").size(), 2u);
}
