#include "compliance/Tablas.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/LeerBDL.h"

namespace {

// The four orientation objects of a zone; the north one may carry a key.
std::string orientaciones(const std::string& zona, const std::string& norte = "") {
    return "\"NORTE-" + zona + "\" = ORIENTACION " + norte + " ..\n\"ESTE/OESTE-" + zona +
           "\" = ORIENTACION ..\n\"SURESTE/SUROESTE-" + zona + "\" = ORIENTACION ..\n\"SUR-" +
           zona + "\" = ORIENTACION ..\n";
}

// Walls, floors and roofs.
std::vector<float> opacos(const Tablas& t) {
    return {t.transmitanciaMaximaMuros, t.transmitanciaMaximaSuelos,
            t.transmitanciaMaximaCubiertas};
}

// The text starts with a line end: a header at the very first character is never found.
std::unique_ptr<LeerBDL> lector(const std::string& texto) {
    return LeerBDL::desdeTexto("\n" + texto);
}

// Walls, floors, roofs, windows and party walls (W/m2K), and window permeability (m3/hm2).
std::vector<float> maximos(const Tablas& t) {
    return {t.transmitanciaMaximaMuros,      t.transmitanciaMaximaSuelos,
            t.transmitanciaMaximaCubiertas,  t.transmitanciaMaximaHuecos,
            t.transmitanciaMaximaMedianeras, t.permeabilidadMaximaHuecos};
}

TEST(Tablas, FicheroDeEjemploSegunLasTablasPublicadas) {
    LeerBDL limites(std::string(ENVOLVENTE_FUENTES) + "/examples/lib/limites.lim");
    // DB-HE1 2006 Table 2.1, column C (confirmed), and the class 2 permeability.
    EXPECT_EQ(maximos(Tablas("C2", limites, true)),
              (std::vector<float>{0.95f, 0.65f, 0.53f, 4.40f, 1.00f, 27.0f}));
    // OGUC 4.1.10 Table 1, zone 5: walls 1.6, ventilated floors 0.50, roofs 0.33.
    EXPECT_EQ(opacos(Tablas("5", limites, false)), (std::vector<float>{1.6f, 0.50f, 0.33f}));
}

TEST(Tablas, ClavesQueFaltanConservanLosValoresInternos) {
    auto l = lector("\"E1\" = ZONA fRsi-minimo = ( 0.60 ) ..\n" + orientaciones("E1") +
                    "\"7\" = ZONA ..\n");
    // Zone E of DB-HE1: fRsi,min 0.64 / 0.78 / 0.90 (the same in both editions); a short list
    // replaces only its own entries.
    Tablas e("E1", *l, true);
    EXPECT_EQ(std::vector<float>(e.fRsiMinimo, e.fRsiMinimo + 3),
              (std::vector<float>{0.60f, 0.78f, 0.90f}));
    EXPECT_EQ(maximos(e), (std::vector<float>{0.74f, 0.62f, 0.46f, 3.1f, 1.0f, 27.0f}));
    // The zone-number regime falls back on zone 7 of the OGUC table: 0.6, 0.32, 0.25.
    Tablas siete("7", *l, false);
    EXPECT_EQ(opacos(siete), (std::vector<float>{0.6f, 0.32f, 0.25f}));
    EXPECT_EQ(
        std::vector<float>(siete.porcentajeMaximoVentanas, siete.porcentajeMaximoVentanas + 3),
        (std::vector<float>{12.0f, 28.0f, 37.0f}));
}

TEST(Tablas, ElRegimenEligeLasClaves) {
    auto l = lector("\"3\" = ZONA Transmitancia-maxima-muros = 1.9 "
                    "Transmitancia-maxima-cubiertas = 0.9 Transmitancia-maxima-techumbres = 0.47 "
                    "Transmitancia-maxima-suelos = 0.9 Transmitancia-maxima-pisos-ventilados = 0.7 "
                    "Porcentaje-maximo-ventanas-1 = 25 Transmitancia-maxima-ponderada = 2.88 ..\n" +
                    orientaciones("3", "Transmitancia-media-muros = 0.66"));
    // By orientation: roofs and floors by their own keys, the zone-number keys unread, the
    // orientation objects read.
    Tablas o("3", *l, true);
    EXPECT_EQ(opacos(o), (std::vector<float>{1.9f, 0.9f, 0.9f}));
    EXPECT_EQ(std::make_pair(o.porcentajeMaximoVentanas[0], o.transmitanciaMaximaPonderada),
              std::make_pair(12.0f, 0.0f));
    EXPECT_FLOAT_EQ(o.transmitanciaMediaMuros, 0.66f);
    // By zone number: "techumbres" and "pisos ventilados" replace them; no orientation object.
    Tablas n("3", *l, false);
    EXPECT_EQ(opacos(n), (std::vector<float>{1.9f, 0.7f, 0.47f}));
    EXPECT_EQ(std::make_pair(n.porcentajeMaximoVentanas[0], n.transmitanciaMaximaPonderada),
              std::make_pair(25.0f, 2.88f));
    EXPECT_FLOAT_EQ(n.transmitanciaMediaMuros, 0.94f);
}

TEST(Tablas, ObjetosQueFaltanSonFatales) {
    // Without the second orientation object: fatal in the orientation regime only.
    auto l = lector("\"D3\" = ZONA ..\n\"NORTE-D3\" = ORIENTACION ..\n");
    EXPECT_EQ(mensajeFatal([&] { Tablas("D3", *l, false); }), "(ninguno)");
    EXPECT_EQ(mensajeFatal([&] { Tablas("D3", *l, true); }), "No se encuentra: \"ESTE/OESTE-D3\"");
    EXPECT_EQ(mensajeFatal([&] { Tablas("D3", *lector("\"C2\" = ZONA ..\n"), false); }),
              "No se encuentra: \"D3\"");
}

} // namespace
