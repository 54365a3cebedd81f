#include "envelope/Ventana.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {
// Glass of conductance 2.8 with the default films (so Ug = 2.8 W/m2K).
const std::string kVidrios = R"(
"G28" = GLASS-TYPE TYPE = SHADING-COEF SHADING-COEF = 0.9 GLASS-CONDUCTANCE = 2.8 ..
"G-CODE" = GLASS-TYPE TYPE = GLASS-TYPE-CODE GLASS-TYPE-CODE = "9001" ..
)";

std::string ventana(const std::string& nombre, const std::string& claves) {
    return "\"" + nombre + "\" = WINDOW " + claves + " ..\n";
}

std::unique_ptr<Ventana> crear(const std::string& nombre) {
    return std::make_unique<Ventana>(nombre, 2, std::vector<float>{0.0f, 0.0f},
                                     std::vector<int>{3, -1}, 0, 0.0f);
}

// A 1.0 x 0.6 m window with a 0.05 m frame: glass 0.9 x 0.5 = 0.45 m2 of 0.6, frame share 0.25.
const std::string kMarcoCuarto = "GLASS-TYPE = \"G28\" WIDTH = 1.0 HEIGHT = 0.6 FRAME-WIDTH = 0.05"
                                 " FRAME-CONDUCT = 4.0 FRAME-ABS = 0.7 ";
} // namespace

TEST(Ventana, AreasFraccionesYU) {
    EntornoEnvolvente e;
    e.edificio("\n" + ventana("V1", kMarcoCuarto) + kVidrios);
    auto v = crear("\"V1\"");
    EXPECT_EQ(v->tipo, "window");
    EXPECT_NEAR(v->area(), 0.6f, 1e-6f);
    EXPECT_NEAR(v->areaVidrio, 0.45f, 1e-6f);
    EXPECT_NEAR(v->fraccionMarco, 0.25f, 1e-5f);
    EXPECT_NEAR(v->perimetro, 3.2f, 1e-6f);
    // Uw = 0.25 x 4.0 + 0.75 x 2.8 = 3.1 W/m2K; the films do not enter.
    float H = 0.0f;
    v->calcularH(H, 1.0f, 1.0f);
    EXPECT_NEAR(H / v->A, 3.1f, 1e-4f);
    // 0.75 x 0.9 + 0.04 x 0.25 x 4.0 x 0.7 = 0.703.
    EXPECT_NEAR(v->factorSolarModificado(), 0.703f, 1e-5f);
    // Checked with Uw unrounded: a limit just above passes; the messages of both checks.
    v->comprobarHueco(3.1f + 1e-3f, 25.0f, 7.7f, 27.0f);
    EXPECT_FALSE(e.global().fallido());
    v->comprobarHueco(2.0f, 25.0f, 7.7f, 12.0f);
    EXPECT_EQ(e.global().fallos(0).at(0), "\"V1\": Uventana = 3.10W/m2K Ulimite = 2.00W/m2K");
    EXPECT_EQ(e.global().fallos(3).at(0),
              "\"V1\": Permeabilidad = 27.00 Permeabilidad_limite = 12.00");
    // Narrowed to 0.2 x 0.6: glass 0.1 x 0.5 = 0.05 of 0.12, frame share 0.58: a door.
    v->cambiarAnchura(-0.8f);
    EXPECT_NEAR(v->area(), 0.12f, 1e-6f);
    EXPECT_EQ(v->tipo, "puertaOpaca");
    EXPECT_FLOAT_EQ(v->permeabilidad(), 60.0f);
}

TEST(Ventana, PuertasOpacas) {
    EntornoEnvolvente e;
    e.edificio("\n" +
               ventana("P1", "GLASS-TYPE = \"G28\" WIDTH = 1.0 HEIGHT = 1.0 FRAME-WIDTH = 0.3"
                             " INF-COEF = 9") +
               ventana("P2", "GLASS-TYPE = \"G28\" WIDTH = 1.0 HEIGHT = 1.0 INF-COEF = 60") +
               kVidrios);
    // Glass 0.4 x 0.4 = 0.16 m2: frame share 0.84, a door with the door permeability.
    auto p1 = crear("\"P1\"");
    EXPECT_NEAR(p1->areaVidrio, 0.16f, 1e-6f);
    EXPECT_NEAR(p1->fraccionMarco, 0.84f, 1e-6f);
    EXPECT_EQ(p1->tipo, "puertaOpaca");
    EXPECT_FLOAT_EQ(p1->permeabilidad(), 60.0f);
    EXPECT_FLOAT_EQ(p1->valorInfiltracion, 60.0f);
    // INF-COEF 60 makes a door whatever the frame (none here).
    auto p2 = crear("\"P2\"");
    EXPECT_EQ(p2->tipo, "puertaOpaca");
    // A door is checked for U only.
    p1->comprobarHueco(1.0f, 25.0f, 7.7f, 1.0f);
    EXPECT_EQ(e.global().fallos(0).size(), 1u);
    EXPECT_TRUE(e.global().fallos(3).empty());
}

TEST(Ventana, MarcoPermeabilidadYLamas) {
    EntornoEnvolvente e;
    const std::string lamas = " POSITION-LAMAS = VERTICAL LAMAS-WIDTH = 0.08 LAMAS-DISTANCE = 0.07"
                              " LAMAS-ANGLE = 30 LAMAS-TRANSMISIVITY = 0.1";
    e.edificio("\n" +
               ventana("V7", "GLASS-TYPE = \"G28\" WIDTH = 2.0 HEIGHT = 1.5 FRAME-WIDTH = 0.1"
                             " FRAME-CONDUCT = 7 INF-COEF = 9 COEFF = ( 0.5, 0.6, 0.7, 0.8 )"
                             " SPACER-TYPE = WOOD" +
                                 lamas + " LAMAS-REFLECTIVITY = 0.5") +
               ventana("VD", "GLASS-TYPE = \"G28\" WIDTH = 2.0 HEIGHT = 1.5" + lamas) + kVidrios);
    auto v7 = crear("\"V7\"");
    EXPECT_FLOAT_EQ(v7->UMarco, 5.88f);
    EXPECT_FLOAT_EQ(v7->marco->absortancia, 0.7f); // of the defaults
    EXPECT_FLOAT_EQ(v7->permeabilidad(), 9.0f);
    EXPECT_NEAR(v7->coefInfiltracion, 2.98744e-4f, 1e-8f); // 9 x 0.04^0.66 / 3600
    EXPECT_FLOAT_EQ(v7->vidrio->coeficientes[3], 0.8f);
    EXPECT_EQ(v7->espaciador, nullptr); // an unknown spacer type gives none
    ASSERT_TRUE(v7->lamas_->enUso);
    EXPECT_TRUE(v7->lamas_->vertical);
    EXPECT_EQ(v7->lamas_->cuenta, 70);
    // Without INF-COEF: the defaults' permeability and no infiltration; the defaults' frame
    // (width 0: all glass, no perimeter) and spacer; COEFF 1.0 each; without the slats'
    // reflectivity no louvres.
    auto vd = crear("\"VD\"");
    EXPECT_FLOAT_EQ(vd->permeabilidad(), 27.0f);
    EXPECT_FLOAT_EQ(vd->coefInfiltracion, 0.0f);
    EXPECT_FLOAT_EQ(vd->fraccionVidrio, 1.0f);
    EXPECT_FLOAT_EQ(vd->perimetro, 0.0f);
    ASSERT_NE(vd->espaciador, nullptr);
    EXPECT_EQ(vd->espaciador->tipo, "INSULATED");
    EXPECT_FLOAT_EQ(vd->vidrio->coeficientes[1], 1.0f);
    EXPECT_FALSE(vd->lamas_->enUso);
}

TEST(Ventana, VidrioDeLibreria) {
    EntornoEnvolvente e;
    e.libreria("BDLLIB.DAT", "$LIBRARY-ENTRY GLASS-TYPES                     9001            "
                             "GLASS-TYPE-CODE\n   NLAYER = 3\n   U-CENTER = 1.4\n   ..\n");
    e.edificio("\n" + ventana("V1", "GLASS-TYPE = \"G-CODE\" WIDTH = 1.2 HEIGHT = 1.0") + kVidrios);
    auto v = crear("\"V1\"");
    EXPECT_NEAR(v->UA() / v->A, 1.4f, 1e-6f);
    // A library glazing has no solar factor of its own.
    EXPECT_FLOAT_EQ(v->factorSolarModificado(), 0.0f);
}

TEST(Ventana, MensajesFatales) {
    const std::string medidas = " WIDTH = 1.0 HEIGHT = 1.0";
    const std::pair<std::string, const char*> casos[] = {
        {ventana("V1", medidas), "Ventana mal definida, falta clave GLASS-TYPE"},
        {ventana("V1", "GLASS-TYPE = \"GX\"" + medidas), "No se encuentra: \"GX\""},
        {ventana("V1", "GLASS-TYPE = \"GT\"" + medidas) +
             "\"GT\" = GLASS-TYPE GLASS-CONDUCTANCE = 2.8 ..\n",
         "GLASS-TYPE mal definido, falta clave obligatoria TYPE"},
        {ventana("V1", "GLASS-TYPE = \"GT\"" + medidas) +
             "\"GT\" = GLASS-TYPE TYPE = SIMPLE GLASS-CONDUCTANCE = 2.8 ..\n",
         "GLASS-TYPE mal definido falta SHADING-COEF"},
        {ventana("V1", "GLASS-TYPE = \"GT\"" + medidas) +
             "\"GT\" = GLASS-TYPE TYPE = SIMPLE SHADING-COEF = 0.8 ..\n",
         "GLASS-TYPE mal definido falta GLASS-CONDUCTANCE"},
        {ventana("V1", "GLASS-TYPE = \"G28\" HEIGHT = 1.0"), "Ventana mal definida falta WIDTH"},
        {ventana("V1", "GLASS-TYPE = \"G28\" WIDTH = 1.0"), "Ventana mal definida falta HEIGHT"},
        {ventana("V2", "GLASS-TYPE = \"G28\"" + medidas), "No se encuentra: \"V1\""},
    };
    for (const auto& c : casos) {
        EntornoEnvolvente e;
        e.edificio("\n" + c.first + kVidrios);
        EXPECT_EQ(e.fatal([] { crear("\"V1\""); }), c.second) << c.first;
    }
}
