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

bool lectorDisponible() {
    float x = 0.0f;
    return LeerBDL::desdeTexto("\nX = 1.5\n")->dameReal("X", x) == 0 && x == 1.5f;
}

class TablasTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!lectorDisponible()) GTEST_SKIP() << "the keyword reader is not available yet";
    }
    std::unique_ptr<LeerBDL> lector(const std::string& texto) {
        return LeerBDL::desdeTexto("\n" + texto);
    }
    HubDePrueba hub;
};

} // namespace

TEST_F(TablasTest, ZonaVaciaDaLosValoresInternos) {
    auto l = lector("\"D3\" = ZONA\n..\n" + std::string(kOrientaciones));
    Tablas t("D3", *l, true);
    EXPECT_EQ(t.porcentajeHuecosMaximo, 100);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaCubierta, 0.5f);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaSuelos, 0.53f);
    EXPECT_FLOAT_EQ(t.factorSolarLucernarios, 0.32f);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaLucernarios, 0.5f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaMedianeras, 1.0f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaMuros, 0.74f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaSuelos, 0.62f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaCubiertas, 0.46f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaHuecos, 3.1f);
    EXPECT_FLOAT_EQ(t.permeabilidadMaximaHuecos, 27.0f);
    EXPECT_FLOAT_EQ(t.fRsiMinimo[0], 0.64f);
    EXPECT_FLOAT_EQ(t.fRsiMinimo[1], 0.78f);
    EXPECT_FLOAT_EQ(t.fRsiMinimo[2], 0.90f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[0], 12.0f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[1], 28.0f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[2], 37.0f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaPonderada, 0.0f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoPonderado, 16.8f);
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
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaCubiertas, 0.49f); // techumbres ignored here
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaHuecos, 3.5f);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaLucernarios, 0.38f); // follows the mean U of roofs
    // A short list keeps the default of the missing entry.
    EXPECT_FLOAT_EQ(t.fRsiMinimo[0], 0.60f);
    EXPECT_FLOAT_EQ(t.fRsiMinimo[1], 0.75f);
    EXPECT_FLOAT_EQ(t.fRsiMinimo[2], 0.90f);
    // Orientation objects.
    EXPECT_EQ(t.porcentajeHuecosMaximoNorte, 60);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaMuros, 0.66f);
    EXPECT_FLOAT_EQ(t.transmitanciaMediaHuecos[0][0][0], 3.5f);
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
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[1], 60.0f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoVentanas[2], 80.0f);
    EXPECT_FLOAT_EQ(t.transmitanciaMaximaPonderada, 2.88f);
    EXPECT_FLOAT_EQ(t.porcentajeMaximoPonderado, 16.8f);
    // No ORIENTACION object is needed in this regime.
}

TEST_F(TablasTest, ObjetosQueFaltanSonFatales) {
    auto sinZona = lector("\"C2\" = ZONA\n..\n");
    EXPECT_THROW(Tablas("D3", *sinZona, false), ErrorFatal);
    auto sinNorte = lector("\"D3\" = ZONA\n..\n\"SUR-D3\" = ORIENTACION\n..\n");
    EXPECT_THROW(Tablas("D3", *sinNorte, true), ErrorFatal);
}

TEST_F(TablasTest, MensajeDelObjetoQueFalta) {
    DirectorioTemporal dir;
    std::string log = dir.fichero("Error.log");
    {
        HubDePrueba conLog(log);
        auto d = std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNO-HABITABLES = ( \"NINGUNO\" )\n"));
        d->numHoras = {24, true};
        conLog.ponerDefectos(std::move(d));
        conLog.global().leerParametros(LeerBDL(), dir.fichero("res.txt"));
        auto l = lector("\"D3\" = ZONA\n..\n\"NORTE-D3\" = ORIENTACION\n..\n");
        EXPECT_THROW(Tablas("D3", *l, true), ErrorFatal);
    }
    EXPECT_EQ(leerFichero(log), "No se encuentra: \"ESTE/OESTE-D3\"");
}

TEST_F(TablasTest, FicheroDeEjemploTieneTodasLasZonas) {
    const std::string ruta = std::string(ENVOLVENTE_FUENTES) + "/examples/lib/limites.lim";
    LeerBDL l(ruta);
    for (const char* z : {"A3", "A4", "B3", "B4", "C1", "C2", "C3", "C4", "D1", "D2", "D3", "E1"})
        EXPECT_NO_THROW(Tablas(z, l, true)) << z;
    for (const char* z : {"1", "2", "3", "4", "5", "6", "7"})
        EXPECT_NO_THROW(Tablas(z, l, false)) << z;
    Tablas c2("C2", l, true);
    EXPECT_FLOAT_EQ(c2.transmitanciaMaximaMuros, 0.95f);
    EXPECT_FLOAT_EQ(c2.transmitanciaMaximaSuelos, 0.65f);
    EXPECT_FLOAT_EQ(c2.transmitanciaMaximaCubiertas, 0.53f);
    EXPECT_FLOAT_EQ(c2.transmitanciaMaximaHuecos, 4.4f);
    EXPECT_FLOAT_EQ(c2.transmitanciaMaximaMedianeras, 1.0f);
    Tablas z7("7", l, false);
    EXPECT_FLOAT_EQ(z7.transmitanciaMaximaCubiertas, 0.25f);
    EXPECT_FLOAT_EQ(z7.transmitanciaMaximaMuros, 0.6f);
    EXPECT_FLOAT_EQ(z7.transmitanciaMaximaSuelos, 0.32f);
    EXPECT_FLOAT_EQ(z7.transmitanciaMaximaPonderada, 1.22f);
}
