#include "envelope/Muro1D.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"
#include "base/ErrorFatal.h"
#include "climate/Excitacion.h"

namespace {
// "W1": 0.1 m at 0.5 W/mK (with mass, diffusion factor 10) plus a resistance of 0.5 m2K/W; "R1"
// a U-VALUE construction of 0.5 W/m2K, "R0" one without its value.
const std::string kMuroDosCapas = R"(
"W1" = EXTERIOR-WALL CONSTRUCTION = "C1" ABSORPTANCE = 0.6 ..
"C1" = CONSTRUCTION TYPE = LAYERS LAYERS = "L1" ..
"L1" = LAYERS MATERIAL = ( "M1", "M2" ) ..
"M1" = MATERIAL TYPE = PROPERTIES THICKNESS = 0.1 CONDUCTIVITY = 0.5 DENSITY = 1800
   SPECIFIC-HEAT = 1000 VAPOUR-DIFFUSIVITY-FACTOR = 10 ..
"M2" = MATERIAL TYPE = RESISTANCE RESISTANCE = 0.5 ..
"R1" = ROOF CONSTRUCTION = "CU" HCEXT = 15.0 ..
"CU" = CONSTRUCTION TYPE = U-VALUE U-VALUE = 0.5 ..
"R0" = ROOF CONSTRUCTION = "CU0" ..
"CU0" = CONSTRUCTION TYPE = U-VALUE ..
)";

std::unique_ptr<Muro1D> muro(const std::string& nombre) {
    return std::make_unique<Muro1D>(nombre, 2, std::vector<float>{10.0f, 13.0f},
                                    std::vector<int>{4, -1}, 0);
}
} // namespace

TEST(Muro1D, DosCapasYConstruccionPorU) {
    EntornoEnvolvente e(kMuroDosCapas);
    auto m = muro("\"W1\"");
    ASSERT_EQ(m->capas.size(), 2u);
    EXPECT_NEAR(m->U, 1.4286f, 1e-4f); // 1 / (0.1/0.5 + 0.5)
    // H = 10 / (0.7 + 1/7.7 + 1/25) = 11.496 W/K.
    EXPECT_NEAR(conductancia(*m), 11.496f, 1e-3f);
    // Mass 1800 x 0.1; vapour: factor 10 x 0.1 m, the resistance layer the defaults' factor 1.
    EXPECT_EQ(std::vector<float>({m->masaPorArea(), m->capas[1].vapor, m->absExterior}),
              std::vector<float>({180, 1, 0.6f}));
    EXPECT_NEAR(m->capas[0].vapor, 1.0f, 1e-6f);
    auto r = muro("\"R1\"");
    EXPECT_FLOAT_EQ(r->hcext, 15.0f); // the wall's own film
    // H = 10 / (2 + 1/7.7 + 1/25) = 4.6086 W/K.
    EXPECT_NEAR(conductancia(*r), 4.6086f, 1e-3f);
    // Without its U-VALUE the wall cannot be rated: a silent U of 0 would pass every check.
    EXPECT_THROW(muro("\"R0\""), ErrorFatal);
}

TEST(Muro1D, CapasEspesoresYVapor) {
    EntornoEnvolvente e(R"(
"W1" = EXTERIOR-WALL CONSTRUCTION = "C1" ..
"C1" = CONSTRUCTION TYPE = LAYERS LAYERS = "L1" ..
"L1" = LAYERS MATERIAL = ( "M1", "M1", "BARRERA", "GRUESO", "RV" ) THICKNESS = ( 0.2, -1 ) ..
"M1" = MATERIAL TYPE = PROPERTIES THICKNESS = 0.1 CONDUCTIVITY = 0.5 DENSITY = 1800
   SPECIFIC-HEAT = 1000 ..
"BARRERA" = MATERIAL TYPE = PROPERTIES THICKNESS = 0.001 CONDUCTIVITY = 0.2 DENSITY = 1000
   SPECIFIC-HEAT = 1000 VAPOUR-DIFFUSIVITY-FACTOR = 2000000 ..
"GRUESO" = MATERIAL TYPE = PROPERTIES THICKNESS = 0.1 CONDUCTIVITY = 1.0 DENSITY = 2000
   SPECIFIC-HEAT = 1000 VAPOUR-DIFFUSIVITY-FACTOR = 200000 ..
"RV" = MATERIAL TYPE = RESISTANCE RESISTANCE = 0.2 VAPOUR-RESISTANCE = 50000 ..
)");
    auto m = muro("\"W1\"");
    ASSERT_EQ(m->capas.size(), 5u);
    const auto& c = m->capas;
    // Thickness 0.2 overridden; -1 keeps 0.1.
    EXPECT_EQ(std::make_pair(c[0].espesor, c[1].espesor), std::make_pair(0.2f, 0.1f));
    EXPECT_FLOAT_EQ(m->masaPorArea(), 1800.0f * 0.3f + 1000.0f * 0.001f + 2000.0f * 0.1f);
    // A factor of 2e6 is read as 1e6: x 0.001 m = 1000 (not 2000). 2e5 x 0.1 m = 20000 and a
    // vapour resistance of 50000 are stored as 10000.
    EXPECT_NEAR(c[2].vapor, 1000.0f, 0.1f);
    EXPECT_EQ(std::make_pair(c[3].vapor, c[4].vapor), std::make_pair(10000.0f, 10000.0f));
}

TEST(Muro1D, MedianerasYComprobacion) {
    EntornoEnvolvente e(R"(
"I1" = INTERIOR-WALL CONSTRUCTION = "CU" ..
"I2" = INTERIOR-WALL CONSTRUCTION = "CU" NEXT-TO = "SALON" COMPROBAR-REQUISITOS-MINIMOS = YES ..
"W1" = EXTERIOR-WALL CONSTRUCTION = "CU" INT-WALL-TYPE = ADIABATIC
   COMPROBAR-REQUISITOS-MINIMOS = NO ..
"W2" = EXTERIOR-WALL CONSTRUCTION = "CU" INT-WALL-TYPE = AIR ..
"CU" = CONSTRUCTION TYPE = U-VALUE U-VALUE = 1.0 ..
)");
    // An interior wall without NEXT-TO and any ADIABATIC wall are party walls.
    auto i1 = muro("\"I1\""), i2 = muro("\"I2\""), w1 = muro("\"W1\"");
    EXPECT_EQ(i1->tipoMuro + " " + i2->tipoMuro + " " + w1->tipoMuro + " " +
                  muro("\"W2\"")->tipoMuro,
              "PARTY-WALL none PARTY-WALL AIR");
    EXPECT_TRUE(i1->esInterior && i2->comprobarRequisitos && !w1->comprobarRequisitos);
}

TEST(Muro1D, MensajesFatales) {
    const std::string resto = R"(
"CU" = CONSTRUCTION TYPE = U-VALUE U-VALUE = 1.0 ..
"SINTIPO" = CONSTRUCTION U-VALUE = 1.0 ..
"CL" = CONSTRUCTION TYPE = LAYERS LAYERS = "LX" ..
"CSINLISTA" = CONSTRUCTION TYPE = LAYERS LAYERS = "LSINLISTA" ..
"LSINLISTA" = LAYERS THICKNESS = ( 0.1 ) ..
"CMAT" = CONSTRUCTION TYPE = LAYERS LAYERS = "LMAT" ..
"LMAT" = LAYERS MATERIAL = ( "MX" ) ..
)";
    const char* const malDefinida = "CONSTRUCTION del muro mal definida: \"W1\"";
    const std::pair<const char*, const char*> casos[] = {
        {"\"W1\" = EXTERIOR-WALL ABSORPTANCE = 0.5 ..", malDefinida},
        {"\"W1\" = EXTERIOR-WALL CONSTRUCTION = \"CX\" ..", "No se encuentra: \"CX\""},
        {"\"W1\" = EXTERIOR-WALL CONSTRUCTION = \"SINTIPO\" ..", malDefinida},
        {"\"W1\" = EXTERIOR-WALL CONSTRUCTION = \"CL\" ..", "No se encuentra: \"LX\""},
        {"\"W1\" = EXTERIOR-WALL CONSTRUCTION = \"CSINLISTA\" ..", malDefinida},
        {"\"W1\" = EXTERIOR-WALL CONSTRUCTION = \"CMAT\" ..", "No se encuentra: \"MX\""},
        {"\"W2\" = EXTERIOR-WALL CONSTRUCTION = \"CU\" ..", "No se encuentra: \"W1\""},
    };
    for (const auto& c : casos) {
        EntornoEnvolvente e("\n" + std::string(c.first) + resto);
        EXPECT_EQ(e.fatal([] { muro("\"W1\""); }), c.second) << c.first;
    }
}

TEST(Muro1D, ParticionDetectada) {
    EntornoEnvolvente e;
    e.defectos().tipoParticion = "PROPERTIES"; // the fallbacks: 0.1 m at 0.8 W/mK and 1500 kg/m3
    // Partition 3 between the spaces 1 (side -2) and 4 (side -5).
    Muro1D p(3, {12.0f, 14.0f}, {-2, -5});
    EXPECT_EQ(p.nombre, "PARTICION-003-E001-E004");
    EXPECT_EQ(std::make_pair(p.U, p.masaPorArea()), std::make_pair(8.0f, 150.0f)); // 1/(0.1/0.8)

    // The direct solar method cannot work with detected partitions.
    Excitacion excitacion("clima.bin", 1);
    excitacion.ponerMetodoDirecto(1);
    Excitacion* previa = gExcitacion;
    gExcitacion = &excitacion;
    std::string log = e.fatal([] { Muro1D r(0, {1.0f, 4.0f}, {-1, -2}); });
    gExcitacion = previa;
    EXPECT_EQ(log, "EXCEPCION GRAVE: Se esta utilizando con metodo directo la detecci\xF3n "
                   "autom\xE1tica de cerramientos interiores (particiones). Deberia seleccionar en "
                   "el fichero de valores por defecto INTERNAL-PARTITIONS = DIRECTO El programa "
                   "se cerrar\xE1");
}
