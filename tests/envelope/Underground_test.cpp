#include "envelope/Underground.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {
// Slab of 100 m2 and 40 m of perimeter (B' = 5 m): ground (1.0/2.0 = 0.5), concrete
// (0.2/2.0 = 0.1) and insulation (0.04/0.04 = 1.0, the most resistive layer).
const std::string kConstruccion = R"(
"CS" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "LS"
   ..
"LS" = LAYERS
   MATERIAL = ( "HORMIGON", "AISLANTE" )
   ..
"HORMIGON" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.2
   CONDUCTIVITY = 2.0
   DENSITY = 2400
   SPECIFIC-HEAT = 1000
   ..
"AISLANTE" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.04
   CONDUCTIVITY = 0.04
   DENSITY = 30
   SPECIFIC-HEAT = 1400
   ..
"CU" = CONSTRUCTION
   TYPE = U-VALUE
   U-VALUE = 0.5
   ..
"CSINR" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "LSINR"
   ..
"LSINR" = LAYERS
   MATERIAL = ( "NADA" )
   ..
"NADA" = MATERIAL
   TYPE = RESISTANCE
   RESISTANCE = 0
   ..
)";

const std::string kParametros = R"(
"EDIFICIO" = BUILD-PARAMETERS
   D-AISLAMIENTO-PERIMETRAL = 1.0
   RA-AISLAMIENTO-PERIMETRAL = 1.0
   ..
)";

std::string elemento(const std::string& nombre, const std::string& claves) {
    return "\"" + nombre + "\" = UNDERGROUND-WALL\n" + claves + "   ..\n";
}

std::unique_ptr<Underground> suelo(const std::string& nombre, float profundidad = 0.0f) {
    return std::make_unique<Underground>(nombre, 2, std::vector<float>{100.0f, 40.0f},
                                         std::vector<int>{7, -1}, 1, 2.7f, profundidad);
}
} // namespace

TEST(Underground, SoleraConAislamientoPerimetral) {
    EntornoEnvolvente e;
    e.edificio("\n" + kParametros +
               elemento("S1", "   CONSTRUCTION = \"CS\"\n   LOCATION = BOTTOM\n") + kConstruccion);
    auto s = suelo("\"S1\"");
    EXPECT_EQ(s->tipo, "underground_wall");
    EXPECT_TRUE(s->esInferior);
    EXPECT_FALSE(s->esMuro);
    EXPECT_FLOAT_EQ(s->areaSuelo, 100.0f);
    EXPECT_FLOAT_EQ(s->perimetro, 40.0f);
    EXPECT_FLOAT_EQ(s->D, 1.0f);
    EXPECT_FLOAT_EQ(s->R, 1.0f);
    ASSERT_EQ(s->capas.size(), 3u);
    // The ground layer first.
    EXPECT_FLOAT_EQ(s->capas[0].espesor, 1.0f);
    EXPECT_FLOAT_EQ(s->capas[0].conductividad, 2.0f);
    EXPECT_FLOAT_EQ(s->capas[0].densidad, 2000.0f);
    // D = 1.0 m, R = 1.0: (2/3) x 1 x 1 joins the insulation, 1.0 -> 1.667 m2K/W.
    EXPECT_NEAR(s->capas[2].resistenciaTermica(), 1.0f + 2.0f / 3.0f, 1e-5f);
    EXPECT_NEAR(s->capas[1].resistenciaTermica(), 0.1f, 1e-6f);
    EXPECT_NEAR(1.0f / s->U, 0.5f + 0.1f + 1.0f + 2.0f / 3.0f, 1e-4f);
    // Slab on ground, B' = 5, dt = 2.2667 - 0.5 - 1.0 = 0.7667: Ug = 0.51290.
    float H = 0.0f;
    s->calcularH(H, 25.0f, 7.7f);
    EXPECT_NEAR(H, 51.290f, 0.01f);
    EXPECT_FLOAT_EQ(s->profundidad(), 0.0f);
}

TEST(Underground, SoleraSinDatosDeAislamiento) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("S1", "   CONSTRUCTION = \"CS\"\n   LOCATION = BOTTOM\n") +
               kConstruccion);
    auto s = suelo("\"S1\"");
    // Nothing joins the stack; afterwards D = 1.5 and R = the largest layer resistance.
    EXPECT_FLOAT_EQ(s->D, 1.5f);
    EXPECT_NEAR(s->R, 1.0f, 1e-6f);
    EXPECT_NEAR(s->capas[2].resistenciaTermica(), 1.0f, 1e-6f);
    EXPECT_NEAR(s->U, 0.625f, 1e-5f);
    // The ground method takes a 1.5 m band of negligible resistance: dt = 1.6 - 0.5 = 1.1,
    // Ug = 0.4 x 0.6366 x [ln(9.249/1.395) - ln(3.751/1.395) + ln(2.651/0.295)] = 0.78893.
    EXPECT_NEAR(s->Ug(), 0.78893f, 1e-4f);
    EXPECT_FLOAT_EQ(s->DLeido, 0.0f);
    EXPECT_FLOAT_EQ(s->RLeido, 0.0f);
}

TEST(Underground, MuroDeSotano) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("M0", "   CONSTRUCTION = \"CS\"\n   TILT = 90\n   Z-GROUND = 0\n") +
               elemento("M2", "   CONSTRUCTION = \"CS\"\n   TILT = 270\n   Z-GROUND = -2\n") +
               kConstruccion);
    // At ground level the construction's own U.
    auto m0 = suelo("\"M0\"");
    EXPECT_TRUE(m0->esMuro);
    EXPECT_FLOAT_EQ(m0->Ug(), m0->U);
    // 2 m deep: t = 0.1 + 1.0; Ug = ln((0.785 x 2 + t)/t) / 2 x 1.27389 = 0.56482.
    auto m2 = suelo("\"M2\"");
    EXPECT_TRUE(m2->esMuro);
    EXPECT_FLOAT_EQ(m2->profundidad(), -2.0f);
    EXPECT_NEAR(m2->Ug(), 0.56482f, 1e-4f);
}

TEST(Underground, SoleraEnterrada) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("S1", "   CONSTRUCTION = \"CS\"\n   TILT = 180\n   Z-GROUND = 2\n") +
               elemento("S2", "   CONSTRUCTION = \"CS\"\n   TILT = 180\n") + kConstruccion);
    // A positive Z-GROUND is taken as depth: z = -2.
    auto s = suelo("\"S1\"");
    EXPECT_TRUE(s->esInferior);
    EXPECT_FLOAT_EQ(s->profundidad(), -2.0f);
    // t' = 0.1 + 1.0 - 0.17, e = 0.7854 x 2: Ug = 0.34056.
    float H = 0.0f;
    s->calcularH(H, 25.0f, 7.7f);
    EXPECT_NEAR(H, 34.056f, 0.01f);
    // Without Z-GROUND: minus the storey depth, never positive.
    EXPECT_FLOAT_EQ(suelo("\"S2\"", 3.0f)->profundidad(), -3.0f);
    EXPECT_FLOAT_EQ(suelo("\"S2\"", -3.0f)->profundidad(), -3.0f);
}

TEST(Underground, SituacionYAltura) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("T", "   CONSTRUCTION = \"CS\"\n   LOCATION = TOP\n") +
               elemento("X", "   CONSTRUCTION = \"CS\"\n   LOCATION = SPACE-V1\n") +
               elemento("H", "   CONSTRUCTION = \"CS\"\n   TILT = 10\n   HEIGHT = 3.5\n") +
               kConstruccion);
    auto t = suelo("\"T\"");
    EXPECT_TRUE(t->esSuperior);
    EXPECT_FLOAT_EQ(t->alto, 2.7f);
    EXPECT_TRUE(suelo("\"X\"")->esMuro);
    auto h = suelo("\"H\"");
    EXPECT_TRUE(h->esSuperior);
    EXPECT_FLOAT_EQ(h->alto, 3.5f);
}

TEST(Underground, SinInclinacionAnotaElDefecto) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("S1", "   CONSTRUCTION = \"CS\"\n") + kConstruccion);
    auto s = suelo("\"S1\"");
    EXPECT_TRUE(s->esMuro);
    e.global().cerrarSinVeredicto("");
    EXPECT_EQ(e.log(), "El cerramiento en contacto con el terreno \"S1\" est\xE1 mal definido\n"
                       "falta TILT. Se tomar\xE1 por defecto  90");
}

TEST(Underground, ConstruccionPorU) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("S1", "   CONSTRUCTION = \"CU\"\n   LOCATION = BOTTOM\n") +
               elemento("S0", "   CONSTRUCTION = \"CU0\"\n   LOCATION = BOTTOM\n") +
               "\"CU0\" = CONSTRUCTION\n   TYPE = U-VALUE\n   ..\n" + kConstruccion);
    // Without its U the construction's layer lets nothing through.
    EXPECT_FLOAT_EQ(suelo("\"S0\"")->capas[1].resistencia, 1000000.0f);
    auto s = suelo("\"S1\"");
    // The ground and one layer of 1/0.5 = 2 m2K/W: U = 1/2.5.
    ASSERT_EQ(s->capas.size(), 2u);
    EXPECT_FLOAT_EQ(s->capas[1].resistencia, 2.0f);
    EXPECT_NEAR(s->U, 0.4f, 1e-6f);
    EXPECT_FLOAT_EQ(s->R, 2.0f);
}

TEST(Underground, UPerimetral) {
    EntornoEnvolvente e;
    e.edificio("\n" + elemento("S1", "   CONSTRUCTION = \"CS\"\n   LOCATION = BOTTOM\n") +
               elemento("S0", "   CONSTRUCTION = \"CSINR\"\n   LOCATION = BOTTOM\n") +
               kConstruccion);
    auto s = suelo("\"S1\"");
    float U = -1.0f;
    // D' = 1, R' = 1, dt = 1.6 - 0.5 - 1 = 0.1: U = 1.01135.
    s->calcularUPerimetral(U, 1.0f, 1.0f, 25.0f, 7.7f);
    EXPECT_NEAR(U, 1.01135f, 1e-4f);
    // A width above 1 m counts as 1 m.
    float U2 = -1.0f;
    s->calcularUPerimetral(U2, 3.0f, 1.0f, 25.0f, 7.7f);
    EXPECT_FLOAT_EQ(U2, U);
    // No insulation: dt = 1.6 - 0.5 = 1.1, repeated with D' = 1 and R' = 1.1 (dt then 0):
    // U = 2 x 0.6366 x ln((1.8658 + 1.1)/(0.295 + 1.1)) = 0.96031.
    s->calcularUPerimetral(U, 0.0f, 0.0f, 25.0f, 7.7f);
    EXPECT_NEAR(U, 0.96031f, 1e-4f);

    // A stack with no resistance beside the ground: dt = 0, the repetition uses 1e-6 and ends.
    auto s0 = suelo("\"S0\"");
    U = -1.0f;
    s0->calcularUPerimetral(U, 0.0f, 0.0f, 25.0f, 7.7f);
    EXPECT_NEAR(U, 2.34838f, 1e-3f);
}

TEST(Underground, MensajesFatales) {
    struct Caso {
        std::string texto;
        const char* esperado;
    };
    const Caso casos[] = {
        {elemento("S1", "   LOCATION = BOTTOM\n"), "CONSTRUCTION del muro %s esta mal definida"},
        {elemento("S1", "   CONSTRUCTION = \"CX\"\n"), "No se encuentra: \"CX\""},
        {elemento("S1", "   CONSTRUCTION = \"CT\"\n") +
             "\"CT\" = CONSTRUCTION\n U-VALUE = 1\n ..\n",
         "CONSTRUCTION mal definido: \"CT\""},
        {elemento("S1", "   CONSTRUCTION = \"CL\"\n") +
             "\"CL\" = CONSTRUCTION\n TYPE = LAYERS\n LAYERS = \"LV\"\n ..\n"
             "\"LV\" = LAYERS\n THICKNESS = ( 0.1 )\n ..\n",
         "CONSTRUCTION mal definido: \"CL\""},
        {elemento("S2", "   CONSTRUCTION = \"CS\"\n"), "No se encuentra: \"S1\""},
    };
    for (const Caso& c : casos) {
        EntornoEnvolvente e;
        e.edificio("\n" + c.texto + kConstruccion);
        EXPECT_EQ(e.fatal([] { suelo("\"S1\""); }), c.esperado) << c.texto;
    }
}
