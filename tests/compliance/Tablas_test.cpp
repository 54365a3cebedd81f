#include "compliance/Tablas.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"
#include "shell/ErrorFatal.h"

namespace {

// The limit file starts with a line end: a header at the very first character is never found.
const char* kOrientaciones = "\"NORTE-D3\" = ORIENTACION\nPorcentaje-huecos-maximo = 60\n"
                             "Transmitancia-media-muros = 0.66\n"
                             "Transmitancia-media-de-huecos = ( 3.5, 3.0, 2.5 )\n"
                             "Factor-solar-modificado-de-huecos-alto = ( 0.9, 0.8 )\n..\n"
                             "\"ESTE/OESTE-D3\" = ORIENTACION\n..\n"
                             "\"SURESTE/SUROESTE-D3\" = ORIENTACION\n..\n"
                             "\"SUR-D3\" = ORIENTACION\n"
                             "Factor-solar-modificado-de-huecos-bajo = ( 0.5 )\n..\n";

class TablasTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto d = std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNO-HABITABLES = ( \"NINGUNO\" )\n"));
        d->numHoras = {24, true};
        hub.ponerDefectos(std::move(d));
        hub.global().leerParametros(LeerBDL(), dir.fichero("res.txt"));
    }
    std::unique_ptr<LeerBDL> lector(const std::string& texto) {
        return LeerBDL::desdeTexto("\n" + texto);
    }
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
};

} // namespace

TEST_F(TablasTest, ZonaVaciaDaLosValoresInternos) {
    auto l = lector("\"D3\" = ZONA\n..\n" + std::string(kOrientaciones));
    Tablas t("D3", *l, true);
    EXPECT_EQ(t.porcentajeHuecosMaximo, 100);
    const float leidos[] = {t.transmitanciaMediaLucernarios,
                            t.transmitanciaMaximaMedianeras,
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
    const float esperados[] = {0.5f,  1.0f,  0.74f, 0.62f, 0.46f, 3.1f,
                               27.0f, 0.64f, 0.78f, 0.90f, 12.0f, 16.8f};
    for (int i = 0; i < 12; ++i) EXPECT_FLOAT_EQ(leidos[i], esperados[i]) << i;
}

TEST_F(TablasTest, ZonaDelRegimenPorOrientacion) {
    auto l = lector("\"C2\" = ZONA\nTransmitancia-maxima-muros = 0.95\n..\n"
                    "\"D3\" = ZONA\nTransmitancia-maxima-muros = 0.86\n"
                    "Transmitancia-maxima-suelos = 0.64\nTransmitancia-maxima-cubiertas = 0.49\n"
                    "Transmitancia-maxima-huecos = 3.5\nPermeabilidad-maxima-huecos = 27\n"
                    "Transmitancia-media-cubierta = 0.38\n"
                    "Transmitancia-maxima-techumbres = 0.1\n"
                    "fRsi-minimo = ( 0.60, 0.75 )\n..\n" +
                    std::string(kOrientaciones));
    Tablas t("D3", *l, true);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaMuros, 0.86f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaSuelos, 0.64f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaCubiertas, 0.49f);  // techumbres ignored here
    EXPECT_FLOAT_EQ(t.transmitanciaMediaLucernarios, 0.38f); // follows the mean U of roofs
    // A short list keeps the default of the missing entry.
    EXPECT_FLOAT_EQ(t.fRsiMinimo[1], 0.75f);
    EXPECT_FLOAT_EQ(t.fRsiMinimo[2], 0.90f);
    // Orientation objects, the south one only for the solar factors.
    EXPECT_EQ(t.porcentajeHuecosMaximoNorte, 60);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaHuecos[0][0][2], 2.5f);
    EXPECT_FLOAT_EQ(t.factorSolarHuecos[0][2][1], 0.8f);
    EXPECT_FLOAT_EQ(t.factorSolarHuecos[3][0][0], 0.5f);
}

TEST_F(TablasTest, RegimenNumeradoSustituyeLosMaximos) {
    auto l = lector("\"3\" = ZONA\nTransmitancia-maxima-techumbres = 0.47\n"
                    "Transmitancia-maxima-cubiertas = 0.9\nTransmitancia-maxima-suelos = 0.9\n"
                    "Transmitancia-maxima-pisos-ventilados = 0.70\n"
                    "Porcentaje-maximo-ventanas-1 = 25\nPorcentaje-maximo-ventanas-2 = 60\n"
                    "Porcentaje-maximo-ventanas-3 = 80\nTransmitancia-maxima-ponderada = 2.88\n"
                    "..\n");
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
    auto l = lector("\"D3\" = ZONA\n..\n\"NORTE-D3\" = ORIENTACION\n..\n");
    EXPECT_NO_THROW(Tablas("D3", *l, false));
    EXPECT_THROW(Tablas("D3", *l, true), ErrorFatal);
    auto sinZona = lector("\"C2\" = ZONA\n..\n");
    EXPECT_THROW(Tablas("D3", *sinZona, false), ErrorFatal);
    // The first fatal error closed the log.
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")), "No se encuentra: \"ESTE/OESTE-D3\"");
}

TEST_F(TablasTest, FicheroDeEjemploTieneTodasLasZonas) {
    const std::string ruta = std::string(ENVOLVENTE_FUENTES) + "/examples/lib/limites.lim";
    LeerBDL l(ruta);
    for (const char* z : {"A3", "A4", "B3", "B4", "C1", "C2", "C3", "C4", "D1", "D2", "D3", "E1"})
        EXPECT_NO_THROW(Tablas(z, l, true)) << z;
    for (const char* z : {"1", "2", "3", "4", "5", "6", "7"})
        EXPECT_NO_THROW(Tablas(z, l, false)) << z;
}
