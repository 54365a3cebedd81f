#include "envelope/Muro1D.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"
#include "climate/Excitacion.h"

namespace {
// A wall of 0.1 m at 0.5 W/mK plus a resistance-only layer of 0.5 m2K/W.
const std::string kMuroDosCapas = R"(
"W1" = EXTERIOR-WALL
   CONSTRUCTION = "C1"
   ABSORPTANCE = 0.6
   ..
"C1" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L1"
   ..
"L1" = LAYERS
   MATERIAL = ( "M1", "M2" )
   ..
"M1" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.1
   CONDUCTIVITY = 0.5
   DENSITY = 1800
   SPECIFIC-HEAT = 1000
   VAPOUR-DIFFUSIVITY-FACTOR = 10
   ..
"M2" = MATERIAL
   TYPE = RESISTANCE
   RESISTANCE = 0.5
   ..
)";

std::unique_ptr<Muro1D> muro(const std::string& nombre, float area = 10.0f) {
    return std::make_unique<Muro1D>(nombre, 2, std::vector<float>{area, 13.0f},
                                    std::vector<int>{4, -1}, 0);
}
} // namespace

TEST(Muro1D, DosCapasDanUYHConPeliculas) {
    EntornoEnvolvente e;
    e.edificio(kMuroDosCapas);
    auto m = muro("\"W1\"");
    ASSERT_EQ(m->capas.size(), 2u);
    // U = 1 / (0.1/0.5 + 0.5) = 1/0.7.
    EXPECT_NEAR(m->U, 1.4286f, 1e-4f);
    // H = 10 / (0.7 + 1/7.7 + 1/25) = 11.496 W/K.
    float H = 0.0f;
    m->calcularH(H, 25.0f, 7.7f);
    EXPECT_NEAR(H, 11.496f, 1e-3f);
    EXPECT_NEAR(m->UA(), 14.286f, 1e-3f);
    EXPECT_FLOAT_EQ(m->masaPorArea(), 180.0f);
    // Vapour: factor 10 x 0.1 m; the resistance layer keeps the default factor 1.
    EXPECT_NEAR(m->capas[0].vapor, 1.0f, 1e-6f);
    EXPECT_FLOAT_EQ(m->capas[1].vapor, 1.0f);
    EXPECT_FLOAT_EQ(m->capas[1].resistencia, 0.5f);
    EXPECT_FLOAT_EQ(m->absExterior, 0.6f);
    EXPECT_FLOAT_EQ(m->emiExterior, 0.9f);
    EXPECT_EQ(m->tipo, "onedimensional_wall");
    EXPECT_EQ(m->tipoMuro, "none");
    EXPECT_TRUE(m->comprobarRequisitos);
    // Films of the defaults.
    EXPECT_FLOAT_EQ(m->hcext, 20.37f);
    EXPECT_FLOAT_EQ(m->hrext, 4.63f);
    EXPECT_FLOAT_EQ(m->hcint, 3.0f);
    EXPECT_FLOAT_EQ(m->hrint, 4.7f);
    EXPECT_EQ(m->funcionConveccion, -1);
}

TEST(Muro1D, ConstruccionPorUSumaLasPeliculas) {
    EntornoEnvolvente e;
    e.edificio(R"(
"R1" = ROOF
   CONSTRUCTION = "CU"
   HCEXT = 15.0
   ..
"CU" = CONSTRUCTION
   TYPE = U-VALUE
   U-VALUE = 0.5
   ..
)");
    auto m = muro("\"R1\"");
    EXPECT_TRUE(m->capas.empty());
    EXPECT_FLOAT_EQ(m->U, 0.5f);
    EXPECT_FLOAT_EQ(m->masaPorArea(), 0.0f);
    EXPECT_FLOAT_EQ(m->hcext, 15.0f);
    // H = 10 / (2 + 1/7.7 + 1/25) = 4.6086 W/K.
    float H = 0.0f;
    m->calcularH(H, 25.0f, 7.7f);
    EXPECT_NEAR(H, 4.6086f, 1e-3f);
}

TEST(Muro1D, MaterialesSinMasaYEspesoresForzados) {
    EntornoEnvolvente e;
    e.edificio(R"(
"W1" = EXTERIOR-WALL
   CONSTRUCTION = "C1"
   ..
"C1" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L1"
   ..
"L1" = LAYERS
   MATERIAL = ( "M1", "SINMASA", "SINK", "M1" )
   THICKNESS = ( 0.2, 0.3, 0.3, -1 )
   ..
"M1" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.1
   CONDUCTIVITY = 0.5
   DENSITY = 1800
   SPECIFIC-HEAT = 1000
   ..
"SINMASA" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.05
   CONDUCTIVITY = 0.025
   ..
"SINK" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.05
   CONDUCTIVITY = 0
   SPECIFIC-HEAT = 1000
   ..
)");
    auto m = muro("\"W1\"");
    ASSERT_EQ(m->capas.size(), 4u);
    // Overridden thickness 0.2 m; the last layer keeps its 0.1 m (-1).
    EXPECT_FLOAT_EQ(m->capas[0].espesor, 0.2f);
    EXPECT_FLOAT_EQ(m->capas[0].espesorForzado, 0.2f);
    EXPECT_FLOAT_EQ(m->capas[3].espesor, 0.1f);
    // Without density the layer is resistance-only (0.05/0.025 = 2) and keeps no thickness.
    EXPECT_FLOAT_EQ(m->capas[1].resistencia, 2.0f);
    EXPECT_FLOAT_EQ(m->capas[1].espesor, 0.0f);
    EXPECT_FLOAT_EQ(m->capas[1].conductividad, 0.0f);
    // Zero conductivity: 1e10.
    EXPECT_FLOAT_EQ(m->capas[2].resistencia, 1e10f);
    EXPECT_FLOAT_EQ(m->masaPorArea(), 1800.0f * 0.2f + 1800.0f * 0.1f);
}

TEST(Muro1D, FactoresDeDifusionAcotados) {
    EntornoEnvolvente e;
    e.edificio(R"(
"W1" = EXTERIOR-WALL
   CONSTRUCTION = "C1"
   ..
"C1" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L1"
   ..
"L1" = LAYERS
   MATERIAL = ( "BARRERA", "GRUESO", "RV" )
   ..
"BARRERA" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.001
   CONDUCTIVITY = 0.2
   DENSITY = 1000
   SPECIFIC-HEAT = 1000
   VAPOUR-DIFFUSIVITY-FACTOR = 2000000
   ..
"GRUESO" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.1
   CONDUCTIVITY = 1.0
   DENSITY = 2000
   SPECIFIC-HEAT = 1000
   VAPOUR-DIFFUSIVITY-FACTOR = 200000
   ..
"RV" = MATERIAL
   TYPE = RESISTANCE
   RESISTANCE = 0.2
   VAPOUR-RESISTANCE = 50000
   ..
)");
    auto m = muro("\"W1\"");
    // 2e6 is read as 1e6: 1e6 x 0.001 m = 1000 (not 2000).
    EXPECT_NEAR(m->capas[0].vapor, 1000.0f, 0.1f);
    // 2e5 x 0.1 m = 20000, stored as 10000.
    EXPECT_FLOAT_EQ(m->capas[1].vapor, 10000.0f);
    // A vapour resistance as read, capped as well.
    EXPECT_FLOAT_EQ(m->capas[2].vapor, 10000.0f);
}

TEST(Muro1D, MedianerasYComprobacion) {
    EntornoEnvolvente e;
    e.edificio(R"(
"I1" = INTERIOR-WALL
   CONSTRUCTION = "CU"
   ..
"I2" = INTERIOR-WALL
   CONSTRUCTION = "CU"
   NEXT-TO = "SALON"
   COMPROBAR-REQUISITOS-MINIMOS = YES
   ..
"W1" = EXTERIOR-WALL
   CONSTRUCTION = "CU"
   INT-WALL-TYPE = ADIABATIC
   COMPROBAR-REQUISITOS-MINIMOS = NO
   ..
"W2" = EXTERIOR-WALL
   CONSTRUCTION = "CU"
   INT-WALL-TYPE = AIR
   ..
"CU" = CONSTRUCTION
   TYPE = U-VALUE
   U-VALUE = 1.0
   ..
)");
    auto i1 = muro("\"I1\"");
    EXPECT_TRUE(i1->esInterior);
    EXPECT_EQ(i1->tipoMuro, "PARTY-WALL");
    auto i2 = muro("\"I2\"");
    EXPECT_EQ(i2->tipoMuro, "none");
    EXPECT_TRUE(i2->comprobarRequisitos);
    auto w1 = muro("\"W1\"");
    EXPECT_FALSE(w1->esInterior);
    EXPECT_EQ(w1->tipoMuro, "PARTY-WALL");
    EXPECT_FALSE(w1->comprobarRequisitos);
    EXPECT_EQ(muro("\"W2\"")->tipoMuro, "AIR");
}

TEST(Muro1D, FuncionesDeUsuario) {
    EntornoEnvolvente e;
    std::vector<FuncionUsuario> funciones(2);
    funciones[0].nombre = "\"F-CONV\"";
    funciones[0].expresion = "5 + 4";
    funciones[1].nombre = "\"F-ABS\"";
    funciones[1].expresion = "0.6";
    e.global().definirFunciones(std::move(funciones));
    e.edificio(R"(
"W1" = EXTERIOR-WALL
   CONSTRUCTION = "CU"
   OUTSIDE-FILM-CONV-COEF-FUNCTION = "F-CONV"
   OUTSIDE-FILM-RAD-COEF-FUNCTION = "NINGUNA"
   ABSORPTANCE-FUNCTION = "F-ABS"
   ..
"CU" = CONSTRUCTION
   TYPE = U-VALUE
   U-VALUE = 1.0
   ..
)");
    auto m = muro("\"W1\"");
    EXPECT_EQ(m->funcionConveccion, 0);
    EXPECT_EQ(m->funcionRadiacion, -1);
    EXPECT_EQ(m->funcionAbsortancia, 1);
}

TEST(Muro1D, MensajesFatales) {
    const std::string resto = R"(
"CU" = CONSTRUCTION
   TYPE = U-VALUE
   U-VALUE = 1.0
   ..
"SINTIPO" = CONSTRUCTION
   U-VALUE = 1.0
   ..
"CL" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "LX"
   ..
"CSINLISTA" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "LSINLISTA"
   ..
"LSINLISTA" = LAYERS
   THICKNESS = ( 0.1 )
   ..
"CMAT" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "LMAT"
   ..
"LMAT" = LAYERS
   MATERIAL = ( "MX" )
   ..
)";
    struct Caso {
        const char* muro;
        const char* esperado;
    };
    const Caso casos[] = {
        {"\"W1\" = EXTERIOR-WALL\n   ABSORPTANCE = 0.5\n   ..\n",
         "CONSTRUCTION del muro mal definida: \"W1\""},
        {"\"W1\" = EXTERIOR-WALL\n   CONSTRUCTION = \"CX\"\n   ..\n", "No se encuentra: \"CX\""},
        {"\"W1\" = EXTERIOR-WALL\n   CONSTRUCTION = \"SINTIPO\"\n   ..\n",
         "CONSTRUCTION del muro mal definida: \"W1\""},
        {"\"W1\" = EXTERIOR-WALL\n   CONSTRUCTION = \"CL\"\n   ..\n", "No se encuentra: \"LX\""},
        {"\"W1\" = EXTERIOR-WALL\n   CONSTRUCTION = \"CSINLISTA\"\n   ..\n",
         "CONSTRUCTION del muro mal definida: \"W1\""},
        {"\"W1\" = EXTERIOR-WALL\n   CONSTRUCTION = \"CMAT\"\n   ..\n", "No se encuentra: \"MX\""},
        {"\"W2\" = EXTERIOR-WALL\n   CONSTRUCTION = \"CU\"\n   ..\n", "No se encuentra: \"W1\""},
    };
    for (const Caso& c : casos) {
        EntornoEnvolvente e;
        e.edificio(std::string("\n") + c.muro + resto);
        EXPECT_EQ(e.fatal([] { muro("\"W1\""); }), c.esperado) << c.muro;
    }
}

TEST(Muro1D, DefectoAusenteDetieneElCalculo) {
    EntornoEnvolvente e("\nNUM-HORAS = 24\nHCEXT = 20.0\nHCINT = 3.0\nNO-HABITABLES = ( \"G\" )\n");
    e.edificio(R"(
"W1" = EXTERIOR-WALL
   CONSTRUCTION = "CU"
   ..
"CU" = CONSTRUCTION
   TYPE = U-VALUE
   U-VALUE = 1.0
   ..
)");
    std::string log = e.fatal([] { muro("\"W1\""); });
    EXPECT_EQ(log.rfind("Falta la clave HRINT en el fichero de valores por defecto ", 0), 0u)
        << log;
}

TEST(Muro1D, ParticionDetectada) {
    EntornoEnvolvente e;
    ValoresPorDefecto& d = e.defectos();
    d.tipoParticion = "PROPERTIES";
    d.conParticion = 0.8f;
    d.denParticion = 1500.0f;
    d.shParticion = 800.0f;
    d.thParticion = 0.1f;
    d.rvParticion = 1.0f;
    d.absParticion = 0.4f;
    d.emiParticion = 0.85f;
    // Partition 3 between the spaces 1 (side -2) and 4 (side -5).
    Muro1D p(3, {12.0f, 14.0f}, {-2, -5});
    EXPECT_EQ(p.nombre, "PARTICION-003-E001-E004");
    EXPECT_EQ(p.tipoMuro, "partition");
    EXPECT_EQ(p.tipo, "onedimensional_wall");
    EXPECT_EQ(p.numLados, 2);
    ASSERT_EQ(p.capas.size(), 1u);
    EXPECT_FLOAT_EQ(p.U, 8.0f); // 1 / (0.1/0.8)
    EXPECT_FLOAT_EQ(p.masaPorArea(), 150.0f);
    EXPECT_FLOAT_EQ(p.absExterior, 0.4f);
    EXPECT_FLOAT_EQ(p.absInterior, 0.4f);
    EXPECT_FLOAT_EQ(p.emiInterior, 0.85f);

    d.tipoParticion = "U-VALUE";
    d.uParticion = 1.3f;
    Muro1D q(12, {5.0f, 9.0f}, {-1, -11});
    EXPECT_EQ(q.nombre, "PARTICION-012-E000-E010");
    EXPECT_TRUE(q.capas.empty());
    EXPECT_FLOAT_EQ(q.U, 1.3f);
    float H = 0.0f;
    q.calcularH(H, 7.7f, 7.7f);
    EXPECT_NEAR(H, 5.0f / (1.0f / 1.3f + 2.0f / 7.7f), 1e-5f);
}

TEST(Muro1D, ParticionConMetodoDirectoEsFatal) {
    EntornoEnvolvente e;
    Excitacion excitacion("clima.bin", 1);
    excitacion.ponerMetodoDirecto(1);
    Excitacion* previa = gExcitacion;
    gExcitacion = &excitacion;
    std::string log = e.fatal([] { Muro1D p(0, {1.0f, 4.0f}, {-1, -2}); });
    gExcitacion = previa;
    EXPECT_EQ(log, "EXCEPCION GRAVE: Se esta utilizando con metodo directo la detecci\xF3n "
                   "autom\xE1tica de cerramientos interiores (particiones). Deberia seleccionar en "
                   "el fichero de valores por defecto INTERNAL-PARTITIONS = DIRECTO El programa "
                   "se cerrar\xE1");
}
