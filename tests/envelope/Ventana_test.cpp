#include "envelope/Ventana.h"

#include <cmath>
#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"
#include "envelope/VidrioComplejo.h"
#include "envelope/VidrioSimple.h"

namespace {
// Glass of conductance 2.8 with the default films (so Ug = 2.8 W/m2K).
const std::string kVidrios = R"(
"G28" = GLASS-TYPE
   TYPE = SHADING-COEF
   SHADING-COEF = 0.9
   GLASS-CONDUCTANCE = 2.8
   ..
"G-CODE" = GLASS-TYPE
   TYPE = GLASS-TYPE-CODE
   GLASS-TYPE-CODE = "9001"
   ..
)";

std::string ventana(const std::string& nombre, const std::string& claves) {
    return "\"" + nombre + "\" = WINDOW\n" + claves + "   ..\n";
}

std::unique_ptr<Ventana> crear(const std::string& nombre) {
    return std::make_unique<Ventana>(nombre, 2, std::vector<float>{0.0f, 0.0f},
                                     std::vector<int>{3, -1}, 0, 0.0f);
}

// A 1.0 x 0.6 m window with a 0.05 m frame: glass (0.9 x 0.5) = 0.45 m2 of 0.6, frame share
// 0.25.
const char* const kMarcoCuarto = "   GLASS-TYPE = \"G28\"\n   WIDTH = 1.0\n   HEIGHT = 0.6\n"
                                 "   FRAME-WIDTH = 0.05\n   FRAME-CONDUCT = 4.0\n"
                                 "   FRAME-ABS = 0.7\n";
} // namespace

TEST(Ventana, AreasFraccionesYU) {
    EntornoEnvolvente e;
    e.edificio("\n" + ventana("V1", kMarcoCuarto) + kVidrios);
    auto v = crear("\"V1\"");
    EXPECT_EQ(v->tipo, "window");
    EXPECT_EQ(v->tipoMuro, "window");
    EXPECT_NEAR(v->A, 0.6f, 1e-6f);
    EXPECT_NEAR(v->areaVidrio, 0.45f, 1e-6f);
    EXPECT_NEAR(v->areaMarco, 0.15f, 1e-6f);
    EXPECT_NEAR(v->fraccionMarco, 0.25f, 1e-5f);
    EXPECT_NEAR(v->perimetro, 3.2f, 1e-6f);
    EXPECT_NEAR(v->area(), 0.6f, 1e-6f);
    EXPECT_NEAR(v->vidrio->U(), 2.8f, 1e-4f);
    // Uw = 0.25 x 4.0 + 0.75 x 2.8 = 3.1 W/m2K; the films do not enter.
    EXPECT_NEAR(v->UA() / v->A, 3.1f, 1e-4f);
    float H = 0.0f;
    v->calcularH(H, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(H, v->UA());
    // 0.75 x 0.9 + 0.04 x 0.25 x 4.0 x 0.7 = 0.703.
    EXPECT_NEAR(v->factorSolarModificado(), 0.703f, 1e-5f);
    EXPECT_NEAR(v->factorSolarModificadoVerano(), 0.703f, 1e-5f);
    // The spacer of the defaults (INSULATED).
    ASSERT_NE(v->espaciador, nullptr);
    EXPECT_FLOAT_EQ(v->espaciador->transmitanciaLineal, 0.06f);
    EXPECT_FALSE(v->lamas_->enUso);
}

TEST(Ventana, PuertasOpacas) {
    EntornoEnvolvente e;
    e.edificio("\n" +
               ventana("P1", "   GLASS-TYPE = \"G28\"\n   WIDTH = 1.0\n   HEIGHT = 1.0\n"
                             "   FRAME-WIDTH = 0.3\n   INF-COEF = 9\n") +
               ventana("P2", "   GLASS-TYPE = \"G28\"\n   WIDTH = 1.0\n   HEIGHT = 1.0\n"
                             "   INF-COEF = 60\n") +
               kVidrios);
    // Glass 0.4 x 0.4 = 0.16 m2: frame share 0.84, a door with the door permeability.
    auto p1 = crear("\"P1\"");
    EXPECT_NEAR(p1->areaVidrio, 0.16f, 1e-6f);
    EXPECT_NEAR(p1->fraccionMarco, 0.84f, 1e-6f);
    EXPECT_EQ(p1->tipo, "puertaOpaca");
    EXPECT_TRUE(p1->esPuerta());
    EXPECT_FLOAT_EQ(p1->permeabilidad(), 60.0f);
    EXPECT_FLOAT_EQ(p1->valorInfiltracion, 60.0f);
    // INF-COEF 60 makes a door whatever the frame (no frame here).
    auto p2 = crear("\"P2\"");
    EXPECT_FLOAT_EQ(p2->fraccionMarco, 0.0f);
    EXPECT_EQ(p2->tipo, "puertaOpaca");
    // A door is checked for U only.
    p1->comprobarHueco(1.0f, 25.0f, 7.7f, 1.0f);
    EXPECT_EQ(e.global().fallos(0).size(), 1u);
    EXPECT_TRUE(e.global().fallos(3).empty());
}

TEST(Ventana, MarcoLimitadoYPermeabilidad) {
    EntornoEnvolvente e;
    e.edificio("\n" +
               ventana("V7", "   GLASS-TYPE = \"G28\"\n   WIDTH = 2.0\n   HEIGHT = 1.5\n"
                             "   FRAME-WIDTH = 0.1\n   FRAME-CONDUCT = 7\n   INF-COEF = 9\n") +
               ventana("VD", "   GLASS-TYPE = \"G28\"\n   WIDTH = 2.0\n   HEIGHT = 1.5\n") +
               kVidrios);
    auto v7 = crear("\"V7\"");
    EXPECT_FLOAT_EQ(v7->UMarco, 5.88f);
    EXPECT_FLOAT_EQ(v7->marco->conductancia, 7.0f);
    // The frame absorptance of the defaults.
    EXPECT_FLOAT_EQ(v7->marco->absortancia, 0.7f);
    EXPECT_FLOAT_EQ(v7->permeabilidad(), 9.0f);
    // 9 x 0.04^0.66 / 3600.
    EXPECT_NEAR(v7->coefInfiltracion, 2.98744e-4f, 1e-8f);
    // Without INF-COEF: the defaults' permeability, no infiltration; the defaults' frame
    // (width 0: all glass).
    auto vd = crear("\"VD\"");
    EXPECT_FLOAT_EQ(vd->permeabilidad(), 27.0f);
    EXPECT_FLOAT_EQ(vd->coefInfiltracion, 0.0f);
    EXPECT_FLOAT_EQ(vd->fraccionVidrio, 1.0f);
    EXPECT_FLOAT_EQ(vd->perimetro, 0.0f);
    EXPECT_EQ(vd->tipo, "window");
}

TEST(Ventana, ComprobarHueco) {
    EntornoEnvolvente e;
    e.edificio("\n" + ventana("V1", kMarcoCuarto) + kVidrios);
    auto v = crear("\"V1\"");
    v->comprobarHueco(3.1f + 1e-3f, 25.0f, 7.7f, 27.0f);
    EXPECT_FALSE(e.global().fallido());
    v->comprobarHueco(2.0f, 25.0f, 7.7f, 12.0f);
    ASSERT_EQ(e.global().fallos(0).size(), 1u);
    EXPECT_EQ(e.global().fallos(0)[0], "\"V1\": Uventana = 3.10W/m2K Ulimite = 2.00W/m2K");
    ASSERT_EQ(e.global().fallos(3).size(), 1u);
    EXPECT_EQ(e.global().fallos(3)[0],
              "\"V1\": Permeabilidad = 27.00 Permeabilidad_limite = 12.00");
}

TEST(Ventana, CambiarAnchura) {
    EntornoEnvolvente e;
    e.edificio("\n" + ventana("V1", kMarcoCuarto) + kVidrios);
    auto v = crear("\"V1\"");
    // 0.5 x 0.6: glass 0.4 x 0.5 = 0.2 of 0.3.
    v->cambiarAnchura(-0.5f);
    EXPECT_NEAR(v->A, 0.3f, 1e-6f);
    EXPECT_NEAR(v->area(), 0.3f, 1e-6f);
    EXPECT_NEAR(v->fraccionVidrio, 2.0f / 3.0f, 1e-5f);
    EXPECT_EQ(v->tipo, "window");
    EXPECT_FLOAT_EQ(v->permeabilidad(), 27.0f);
    // 0.2 x 0.6: glass 0.1 x 0.5 = 0.05 of 0.12, frame share 0.58: a door.
    v->cambiarAnchura(-0.3f);
    EXPECT_NEAR(v->fraccionMarco, 0.07f / 0.12f, 1e-4f);
    EXPECT_EQ(v->tipo, "puertaOpaca");
    EXPECT_FLOAT_EQ(v->permeabilidad(), 60.0f);
}

TEST(Ventana, CoeficientesEspaciadorYLamas) {
    EntornoEnvolvente e;
    const std::string lamas = "   POSITION-LAMAS = VERTICAL\n   LAMAS-WIDTH = 0.08\n"
                              "   LAMAS-DISTANCE = 0.07\n   LAMAS-ANGLE = 30\n"
                              "   LAMAS-TRANSMISIVITY = 0.1\n";
    e.edificio(
        "\n" +
        ventana("V1", std::string(kMarcoCuarto) + "   COEFF = ( 0.5, 0.6, 0.7, 0.8 )\n" +
                          "   SPACER-TYPE = STEEL\n" + lamas + "   LAMAS-REFLECTIVITY = 0.5\n") +
        ventana("V2", std::string(kMarcoCuarto) + "   SPACER-TYPE = WOOD\n" + lamas) + kVidrios);
    auto v1 = crear("\"V1\"");
    EXPECT_FLOAT_EQ(v1->vidrio->coeficientes[0], 0.5f);
    EXPECT_FLOAT_EQ(v1->vidrio->coeficientes[3], 0.8f);
    ASSERT_NE(v1->espaciador, nullptr);
    EXPECT_EQ(v1->espaciador->tipo, "STEEL");
    ASSERT_TRUE(v1->lamas_->enUso);
    EXPECT_TRUE(v1->lamas_->vertical);
    EXPECT_FLOAT_EQ(v1->lamas_->ancho, 0.08f);
    EXPECT_EQ(v1->lamas_->cuenta, 70);
    EXPECT_EQ(v1->lamas_->muestrasPorGrupo, 10);
    // Unknown spacer: none; a missing reflectivity: no louvres; no COEFF: 1.0 each.
    auto v2 = crear("\"V2\"");
    EXPECT_EQ(v2->espaciador, nullptr);
    EXPECT_FALSE(v2->lamas_->enUso);
    EXPECT_FLOAT_EQ(v2->vidrio->coeficientes[1], 1.0f);
}

TEST(Ventana, VidrioDeLibreria) {
    EntornoEnvolvente e;
    e.libreria("BDLLIB.DAT", "$LIBRARY-ENTRY GLASS-TYPES                     9001            "
                             "GLASS-TYPE-CODE\n"
                             "   NLAYER = 3\n"
                             "   U-CENTER = 1.4\n"
                             "   ..\n");
    e.edificio("\n" +
               ventana("V1", "   GLASS-TYPE = \"G-CODE\"\n   WIDTH = 1.2\n   HEIGHT = 1.0\n") +
               kVidrios);
    auto v = crear("\"V1\"");
    ASSERT_NE(dynamic_cast<VidrioComplejo*>(v->vidrio.get()), nullptr);
    EXPECT_FLOAT_EQ(v->vidrio->U(), 1.4f);
    EXPECT_NEAR(v->UA() / v->A, 1.4f, 1e-6f);
    // A library glazing has no solar factor of its own.
    EXPECT_FLOAT_EQ(v->factorSolarModificado(), 0.0f);
}

TEST(Ventana, MensajesFatales) {
    struct Caso {
        std::string texto;
        const char* esperado;
    };
    const std::string medidas = "   WIDTH = 1.0\n   HEIGHT = 1.0\n";
    const Caso casos[] = {
        {ventana("V1", medidas), "Ventana mal definida, falta clave GLASS-TYPE"},
        {ventana("V1", "   GLASS-TYPE = \"GX\"\n" + medidas), "No se encuentra: \"GX\""},
        {ventana("V1", "   GLASS-TYPE = \"GT\"\n" + medidas) +
             "\"GT\" = GLASS-TYPE\n   GLASS-CONDUCTANCE = 2.8\n   ..\n",
         "GLASS-TYPE mal definido, falta clave obligatoria TYPE"},
        {ventana("V1", "   GLASS-TYPE = \"GT\"\n" + medidas) +
             "\"GT\" = GLASS-TYPE\n   TYPE = SIMPLE\n   GLASS-CONDUCTANCE = 2.8\n   ..\n",
         "GLASS-TYPE mal definido falta SHADING-COEF"},
        {ventana("V1", "   GLASS-TYPE = \"GT\"\n" + medidas) +
             "\"GT\" = GLASS-TYPE\n   TYPE = SIMPLE\n   SHADING-COEF = 0.8\n   ..\n",
         "GLASS-TYPE mal definido falta GLASS-CONDUCTANCE"},
        {ventana("V1", "   GLASS-TYPE = \"G28\"\n   HEIGHT = 1.0\n"),
         "Ventana mal definida falta WIDTH"},
        {ventana("V1", "   GLASS-TYPE = \"G28\"\n   WIDTH = 1.0\n"),
         "Ventana mal definida falta HEIGHT"},
        {ventana("V2", "   GLASS-TYPE = \"G28\"\n" + medidas), "No se encuentra: \"V1\""},
    };
    for (const Caso& c : casos) {
        EntornoEnvolvente e;
        e.edificio("\n" + c.texto + kVidrios);
        EXPECT_EQ(e.fatal([] { crear("\"V1\""); }), c.esperado) << c.texto;
    }
}
