#include "envelope/Underground.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {
// Slab of 100 m2 and 40 m of perimeter (B' = 5 m): ground (1.0/2.0 = 0.5), concrete
// (0.2/2.0 = 0.1) and insulation (0.04/0.04 = 1.0, the most resistive layer).
const std::string kConstruccion = R"(
"CS" = CONSTRUCTION TYPE = LAYERS LAYERS = "LS" ..
"LS" = LAYERS MATERIAL = ( "HORMIGON", "AISLANTE" ) ..
"HORMIGON" = MATERIAL TYPE = PROPERTIES THICKNESS = 0.2 CONDUCTIVITY = 2.0 DENSITY = 2400
   SPECIFIC-HEAT = 1000 ..
"AISLANTE" = MATERIAL TYPE = PROPERTIES THICKNESS = 0.04 CONDUCTIVITY = 0.04 DENSITY = 30
   SPECIFIC-HEAT = 1400 ..
"CU" = CONSTRUCTION TYPE = U-VALUE U-VALUE = 0.5 ..
"CU0" = CONSTRUCTION TYPE = U-VALUE ..
"CSINR" = CONSTRUCTION TYPE = LAYERS LAYERS = "LSINR" ..
"LSINR" = LAYERS MATERIAL = ( "NADA" ) ..
"NADA" = MATERIAL TYPE = RESISTANCE RESISTANCE = 0 ..
)";

std::string elemento(const std::string& nombre, const std::string& claves) {
    return "\"" + nombre + "\" = UNDERGROUND-WALL " + claves + " ..\n";
}

std::unique_ptr<Underground> suelo(const std::string& nombre, float profundidad = 0.0f) {
    return std::make_unique<Underground>(nombre, 2, std::vector<float>{100.0f, 40.0f},
                                         std::vector<int>{7, -1}, 1, 2.7f, profundidad);
}
} // namespace

TEST(Underground, SoleraConAislamientoPerimetral) {
    EntornoEnvolvente e("\n\"EDIFICIO\" = BUILD-PARAMETERS D-AISLAMIENTO-PERIMETRAL = 1.0\n"
                        "   RA-AISLAMIENTO-PERIMETRAL = 1.0 ..\n" +
                        elemento("S1", "CONSTRUCTION = \"CS\" LOCATION = BOTTOM") + kConstruccion);
    auto s = suelo("\"S1\"");
    EXPECT_TRUE(s->esInferior && s->R == 1.0f);
    ASSERT_EQ(s->capas.size(), 3u); // the ground layer first
    // (2/3) x D x R = 0.667 joins the insulation: 1.0 -> 1.667 m2K/W.
    EXPECT_NEAR(s->capas[2].resistenciaTermica(), 1.0f + 2.0f / 3.0f, 1e-5f);
    // On the ground, dt = 2.2667 - 0.5 - 1.0 = 0.7667:
    // Ug = 0.4 x 0.6366 x [ln(8.916/1.0617) - ln(2.6325/1.0617) + ln(2.8658/1.295)] = 0.51290.
    EXPECT_NEAR(conductancia(*s), 51.290f, 0.01f);
}

TEST(Underground, SoleraSinDatosDeAislamientoYUPerimetral) {
    EntornoEnvolvente e("\n" + elemento("S1", "CONSTRUCTION = \"CS\" LOCATION = BOTTOM") +
                        elemento("S0", "CONSTRUCTION = \"CSINR\" LOCATION = BOTTOM") +
                        kConstruccion);
    auto s = suelo("\"S1\"");
    // Nothing joins the stack; afterwards D = 1.5 and R = the largest layer resistance.
    EXPECT_EQ(std::make_pair(s->D, s->R), std::make_pair(1.5f, 1.0f));
    EXPECT_NEAR(s->U, 0.625f, 1e-5f);
    // The ground method takes a 1.5 m band of negligible resistance: dt = 1.6 - 0.5 = 1.1,
    // Ug = 0.4 x 0.6366 x [ln(9.249/1.395) - ln(3.751/1.395) + ln(2.651/0.295)] = 0.78893.
    EXPECT_NEAR(s->Ug(), 0.78893f, 1e-4f);
    float U = -1.0f;
    // D' = 1 (a width above 1 m counts as 1 m), R' = 1, dt = 1.6 - 0.5 - 1 = 0.1: U = 1.01135.
    s->calcularUPerimetral(U, 3.0f, 1.0f, 25.0f, 7.7f);
    EXPECT_NEAR(U, 1.01135f, 1e-4f);
    // No insulation: dt = 1.1, repeated with D' = 1 and R' = 1.1 (dt then 0):
    // U = 2 x 0.6366 x ln((1.8658 + 1.1)/(0.295 + 1.1)) = 0.96031.
    s->calcularUPerimetral(U, 0.0f, 0.0f, 25.0f, 7.7f);
    EXPECT_NEAR(U, 0.96031f, 1e-4f);
    // A stack with no resistance beside the ground: dt = 0, the repetition uses 1e-6 and ends:
    // U = 2 x 0.6366 x ln(1.8658/0.295) = 2.34838.
    U = -1.0f;
    suelo("\"S0\"")->calcularUPerimetral(U, 0.0f, 0.0f, 25.0f, 7.7f);
    EXPECT_NEAR(U, 2.34838f, 1e-3f);
}

TEST(Underground, MuroDeSotanoSoleraEnterradaYSituacion) {
    EntornoEnvolvente e("\n" + elemento("M0", "CONSTRUCTION = \"CS\" TILT = 90 Z-GROUND = 0") +
                        elemento("S1", "CONSTRUCTION = \"CS\" TILT = 180 Z-GROUND = 2") +
                        elemento("H", "CONSTRUCTION = \"CU\" TILT = 10 HEIGHT = 3.5") +
                        elemento("S0", "CONSTRUCTION = \"CU0\" LOCATION = BOTTOM") +
                        elemento("SX", "CONSTRUCTION = \"CS\"") + kConstruccion);
    // A basement wall at ground level has the construction's own U.
    auto m0 = suelo("\"M0\"");
    EXPECT_TRUE(m0->esMuro);
    EXPECT_FLOAT_EQ(m0->Ug(), m0->U);
    // A positive Z-GROUND is a depth: z = -2. t' = 0.1 + 1.0 - 0.17, e = 0.7854 x 2:
    // Ug = 0.4 x 0.6366 x ln((7.854 + 0.295 + 0.93 + 1.5708)/(0.93 + 0.295 + 1.5708)) = 0.34056.
    auto s = suelo("\"S1\"");
    EXPECT_FLOAT_EQ(s->profundidad(), -2.0f);
    EXPECT_NEAR(conductancia(*s), 34.056f, 0.01f);
    // The ground and one layer of 1/0.5 = 2 m2K/W: U = 1/2.5.
    auto h = suelo("\"H\"");
    EXPECT_TRUE(h->esSuperior && h->alto == 3.5f && h->capas.size() == 2u);
    EXPECT_NEAR(h->U, 0.4f, 1e-6f);
    // Without its U the construction's layer lets nothing through.
    EXPECT_FLOAT_EQ(suelo("\"S0\"")->capas[1].resistencia, 1000000.0f);
    // Without LOCATION and TILT: a wall, and a note in the error log.
    EXPECT_TRUE(suelo("\"SX\"")->esMuro);
    e.global().cerrarSinVeredicto("");
    EXPECT_EQ(e.log(), "El cerramiento en contacto con el terreno \"SX\" est\xE1 mal definido\n"
                       "falta TILT. Se tomar\xE1 por defecto  90");
}

TEST(Underground, MensajesFatales) {
    const std::pair<std::string, const char*> casos[] = {
        {elemento("S1", "LOCATION = BOTTOM"), "CONSTRUCTION del muro %s esta mal definida"},
        {elemento("S1", "CONSTRUCTION = \"CX\""), "No se encuentra: \"CX\""},
        {elemento("S1", "CONSTRUCTION = \"CT\"") + "\"CT\" = CONSTRUCTION U-VALUE = 1 ..\n",
         "CONSTRUCTION mal definido: \"CT\""},
        {elemento("S1", "CONSTRUCTION = \"CL\"") +
             "\"CL\" = CONSTRUCTION TYPE = LAYERS LAYERS = \"LV\" ..\n"
             "\"LV\" = LAYERS THICKNESS = ( 0.1 ) ..\n",
         "CONSTRUCTION mal definido: \"CL\""},
        {elemento("S2", "CONSTRUCTION = \"CS\""), "No se encuentra: \"S1\""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(EntornoEnvolvente("\n" + c.first + kConstruccion).fatal([] { suelo("\"S1\""); }),
                  c.second)
            << c.first;
}
