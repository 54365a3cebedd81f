#include "compliance/Tablas.h"

#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// The orientation objects the orientation regime requires (their values are never used).
const char* kOrientaciones =
    "\"NORTE-D3\" = ORIENTACION ..\n\"ESTE/OESTE-D3\" = ORIENTACION ..\n"
    "\"SURESTE/SUROESTE-D3\" = ORIENTACION ..\n\"SUR-D3\" = ORIENTACION ..\n";

class TablasTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto d = std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNO-HABITABLES = ( \"NINGUNO\" )\n"));
        d->numHoras = {24, true};
        hub.ponerDefectos(std::move(d));
        hub.global().leerParametros(LeerBDL(), gDefectos, dir.fichero("res.txt"));
    }
    // The text starts with a line end: a header at the very first character is never found.
    std::unique_ptr<LeerBDL> lector(const std::string& texto) {
        return LeerBDL::desdeTexto("\n" + texto);
    }
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
};

} // namespace

TEST_F(TablasTest, ZonaVaciaDaLosValoresInternos) {
    auto l = lector("\"D3\" = ZONA ..\n" + std::string(kOrientaciones));
    Tablas t("D3", *l, true);
    const float leidos[] = {t.transmitanciaMaximaMedianeras,
                            t.transmitanciaMaximaMuros,
                            t.transmitanciaMaximaSuelos,
                            t.transmitanciaMaximaCubiertas,
                            t.transmitanciaMaximaHuecos,
                            t.permeabilidadMaximaHuecos,
                            t.fRsiMinimo[0],
                            t.fRsiMinimo[1],
                            t.fRsiMinimo[2],
                            t.porcentajeMaximoVentanas[0],
                            t.porcentajeMaximoPonderado};
    const float esperados[] = {1.0f,  0.74f, 0.62f, 0.46f, 3.1f, 27.0f,
                               0.64f, 0.78f, 0.90f, 12.0f, 16.8f};
    for (int i = 0; i < 11; ++i) EXPECT_FLOAT_EQ(leidos[i], esperados[i]) << i;
}

TEST_F(TablasTest, ZonaDelRegimenPorOrientacion) {
    auto l =
        lector("\"C2\" = ZONA Transmitancia-maxima-muros = 0.95 ..\n"
               "\"D3\" = ZONA Transmitancia-maxima-muros = 0.86 Transmitancia-maxima-suelos = 0.64"
               " Transmitancia-maxima-cubiertas = 0.49 Transmitancia-maxima-techumbres = 0.1"
               " fRsi-minimo = ( 0.60, 0.75 ) ..\n" +
               std::string(kOrientaciones));
    Tablas t("D3", *l, true);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaMuros, 0.86f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaSuelos, 0.64f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaCubiertas, 0.49f); // techumbres ignored here
    // A short list keeps the default of the missing entry.
    EXPECT_TRUE(t.fRsiMinimo[1] == 0.75f && t.fRsiMinimo[2] == 0.90f);
}

TEST_F(TablasTest, RegimenNumeradoSustituyeLosMaximos) {
    auto l =
        lector("\"3\" = ZONA Transmitancia-maxima-techumbres = 0.47"
               " Transmitancia-maxima-cubiertas = 0.9 Transmitancia-maxima-suelos = 0.9"
               " Transmitancia-maxima-pisos-ventilados = 0.70 Porcentaje-maximo-ventanas-1 = 25"
               " Porcentaje-maximo-ventanas-3 = 80 Transmitancia-maxima-ponderada = 2.88 ..\n");
    Tablas t("3", *l, false);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaCubiertas, 0.47f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaSuelos, 0.70f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaMuros, 0.6f); // absent: 0.6 in this regime
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[0], 25.0f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[2], 80.0f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaPonderada, 2.88f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoPonderado, 16.8f);
}

TEST_F(TablasTest, ObjetosQueFaltanSonFatales) {
    // Without the second orientation object: fatal in the orientation regime only.
    auto l = lector("\"D3\" = ZONA ..\n\"NORTE-D3\" = ORIENTACION ..\n");
    EXPECT_NO_THROW(Tablas("D3", *l, false));
    EXPECT_EQ(mensajeFatal([&] { Tablas("D3", *l, true); }), "No se encuentra: \"ESTE/OESTE-D3\"");
    EXPECT_EQ(mensajeFatal([&] { Tablas("D3", *lector("\"C2\" = ZONA ..\n"), false); }),
              "No se encuentra: \"D3\"");
}
