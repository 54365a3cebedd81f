#include "envelope/VidrioComplejo.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {
// The sample library shipped with the engine.
struct LibreriaDeMuestra : EntornoEnvolvente {
    LibreriaDeMuestra() {
        Directorios::instancia().registrar("Lib",
                                           std::string(ENVOLVENTE_FUENTES) + "/examples/lib/");
    }
};
} // namespace

TEST(VidrioComplejo, LibreriaDeMuestra) {
    LibreriaDeMuestra e;
    VidrioComplejo simple("1001", 0.0f);
    EXPECT_EQ(simple.numCapas, 1);
    EXPECT_FLOAT_EQ(simple.U(), 5.7f);
    EXPECT_FLOAT_EQ(simple.espesores[0], 0.006f);
    EXPECT_FLOAT_EQ(simple.transmitanciaNormal(), 0.771f);
    EXPECT_FLOAT_EQ(simple.transmitanciaHemisferica(), 0.69f);
    EXPECT_FLOAT_EQ(simple.peliculaExterior, 25.0f);
    EXPECT_NEAR(simple.peliculaInteriorConveccion, 2.7f, 1e-6f);
    // Quoted codes are looked up without their quotes.
    VidrioComplejo doble("\"2001\"", 0.0f);
    EXPECT_EQ(doble.numCapas, 2);
    EXPECT_FLOAT_EQ(doble.U(), 2.7f);
    ASSERT_EQ(doble.absortancias.size(), 2u);
    EXPECT_FLOAT_EQ(doble.absortancias[1][0], 0.08f);
    EXPECT_NEAR(doble.alfaHemiTrasera, 1.0f - 0.6f - 0.15f, 1e-6f);
    VidrioComplejo bajoEmisivo("2601", 0.0f);
    EXPECT_FLOAT_EQ(bajoEmisivo.U(), 1.7f);
    EXPECT_FLOAT_EQ(bajoEmisivo.emisividadesDelanteras[1], 0.05f);
    EXPECT_FLOAT_EQ(bajoEmisivo.factorSolar(), 0.0f);
    // The fitted curve follows the table.
    EXPECT_NEAR(bajoEmisivo.curvaTransmitancia.evaluar(1.0f), 1.0f, 0.02f);
}

TEST(VidrioComplejo, CodigoAusenteEsFatal) {
    LibreriaDeMuestra e;
    EXPECT_EQ(e.fatal([] { VidrioComplejo v("7777", 0.0f); }), "No se encuentra: 7777");
}

TEST(VidrioComplejo, BalanceDeCapas) {
    LibreriaDeMuestra e;
    VidrioComplejo doble("2001", 0.0f);
    // Without sun the faces lie between the air temperatures, and the heat that enters the
    // outer film is the heat that leaves through the inner one.
    float tExt = 0.0f, tInt = 0.0f;
    doble.balanceCapas(0.0f, 20.0f, {0.0f, 0.0f}, tExt, tInt);
    EXPECT_GT(tExt, 0.0f);
    EXPECT_LT(tInt, 20.0f);
    EXPECT_GT(tInt, tExt);
    EXPECT_NEAR((20.0f - tInt) * 7.7f, (tExt - 0.0f) * 25.0f, 0.2f);
    // Sun absorbed in the outer pane warms both faces.
    float tExtSol = 0.0f, tIntSol = 0.0f;
    doble.balanceCapas(0.0f, 20.0f, {200.0f, 0.0f}, tExtSol, tIntSol);
    EXPECT_GT(tExtSol, tExt);
    EXPECT_GT(tIntSol, tInt);
}
