#include "input/Global2.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"
#include "shell/ErrorFatal.h"
#include "shell/Globales.h"

namespace {

TEST(Global2Redondeo, MediosHaciaCeroYFraccionesAlSiguiente) {
    EXPECT_EQ(Global2::redondear(2.5f), 2);
    EXPECT_EQ(Global2::redondear(2.6f), 3);
    EXPECT_EQ(Global2::redondear(-2.5f), -2);
    EXPECT_EQ(Global2::redondear(-2.6f), -3);
    EXPECT_EQ(Global2::redondear(0.4f), 0);
}

TEST(Global2Redondeo, DecimalesEnFloatDe32Bits) {
    EXPECT_FLOAT_EQ(Global2::redondearDecimales(0.125f, 2), 0.12f);
    EXPECT_FLOAT_EQ(Global2::redondearDecimales(0.375f, 2), 0.37f);
    // 0.745 is held slightly above 0.745, but x100 rounds to exactly 74.5 in float.
    EXPECT_FLOAT_EQ(Global2::redondearDecimales(0.745f, 2), 0.74f);
    EXPECT_FLOAT_EQ(Global2::redondearDecimales(0.1251f, 2), 0.13f);
    EXPECT_FLOAT_EQ(Global2::redondearDecimales(-0.125f, 2), -0.12f);
}

TEST(Global2Nombres, PlegadoDeAcentosMayusculasYSeparadores) {
    EXPECT_EQ(Global2::compararNombres("Muro-Norte", "MURO NORTE"), 0);
    EXPECT_EQ(Global2::compararNombres("muro_norte", "MURO-NORTE"), 0);
    EXPECT_EQ(Global2::compararNombres("CUBIERTA", "cubi\xE9rta"), 0);
    EXPECT_EQ(Global2::compararNombres("CUBIERTA", "c\xFA"
                                                   "bierta"),
              0);
    EXPECT_EQ(Global2::compararNombres("A\\B/C\tD\nE", "ABCDE"), 0);
    EXPECT_EQ(Global2::compararNombres("Espa\xF1"
                                       "a",
                                       "ESPANA"),
              0);
    EXPECT_NE(Global2::compararNombres("MURO1", "MURO2"), 0);
    // Carriage returns are not among the removed characters.
    EXPECT_NE(Global2::compararNombres("A\rB", "AB"), 0);
}

TEST(Global2Fallos, UnMensajeRepetidoSeListaUnaVezYElFalloQuedaMarcado) {
    HubDePrueba hub;
    Global2& g = hub.global();
    g.registrarFallo(true, "no", 0);
    EXPECT_FALSE(g.fallido());
    g.registrarFallo(false, "\"M1\": U = 1.00", 0);
    g.registrarFallo(false, "\"m1\": u = 1.00", 0);
    g.registrarFallo(false, "\"M1\": U = 1.00", 2);
    EXPECT_TRUE(g.fallido());
    EXPECT_EQ(g.fallos(0).size(), 1u);
    EXPECT_EQ(g.fallos(2).size(), 1u);
}

TEST(Global2Calendario, MesYDiaDelAnio) {
    int h, d, m;
    Global2::mesYDia(0, h, d, m);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(m, 0);
    Global2::mesYDia(744, h, d, m); // 1 February, 00:00
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 0);
    Global2::mesYDia(8759, h, d, m);
    EXPECT_EQ(h, 23);
    EXPECT_EQ(d, 30);
    EXPECT_EQ(m, 11);
    Global2::mesYDia(8760 + 30, h, d, m);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(m, 0);
}

TEST(Global2Matrices, InversionYSingular) {
    HubDePrueba hub;
    double m[4] = {4, 7, 2, 6};
    hub.global().invertirMatriz(m, 2);
    EXPECT_NEAR(m[0], 0.6, 1e-12);
    EXPECT_NEAR(m[1], -0.7, 1e-12);
    EXPECT_NEAR(m[2], -0.2, 1e-12);
    EXPECT_NEAR(m[3], 0.4, 1e-12);
    float s[4] = {1, 2, 2, 4};
    EXPECT_THROW(hub.global().invertirMatriz(s, 2), ErrorFatal);
}

// Reads the calculation parameters of a building text, with defaults read from a file.
struct Parametros : ::testing::Test {
    DirectorioTemporal dir;
    std::unique_ptr<HubDePrueba> hub;
    void leer(const std::string& bdl, const std::string& defectos = "\nNUM-HORAS = 8760\n"
                                                                    "NO-HABITABLES = ( \"X\" )\n") {
        hub = std::make_unique<HubDePrueba>(dir.fichero("Error.log"));
        hub->ponerDefectos(
            std::make_unique<ValoresPorDefecto>(dir.escribir("defectos.inp", defectos)));
        auto lector = LeerBDL::desdeTexto(bdl);
        hub->global().leerParametros(*lector, dir.fichero("resultados.txt"));
    }
};

TEST_F(Parametros, SinClavesDePeriodoLasHorasVienenDeLosDefectos) {
    leer("\n\"E\" = BUILDING\nLATITUDE = 41.5\n..\n",
         "\nNUM-HORAS = 100\nNO-HABITABLES = ( \"X\" )\n");
    Global2& g = hub->global();
    EXPECT_EQ(g.horaInicio, 0);
    EXPECT_EQ(g.horas, 100);
    EXPECT_EQ(g.horaFin, 99);
    EXPECT_FLOAT_EQ(g.latitud, 41.5f);
    EXPECT_FLOAT_EQ(g.altitud, -99.0f);
    EXPECT_TRUE(g.limitesPorOrientacion);
}

TEST_F(Parametros, SoloStartMonthFebrero) {
    leer("\nSTART-MONTH = 2\n");
    Global2& g = hub->global();
    EXPECT_EQ(g.horaInicio, 744);
    EXPECT_EQ(g.horas, 8016);
    EXPECT_EQ(g.horaFin, 8759);
    // The hourly heating series starts on 1 February, a heating month.
    EXPECT_TRUE(g.esHoraCalefaccion(0));
    EXPECT_FALSE(g.esHoraCalefaccion(28 * 24 + 1)); // 1 March
}

TEST_F(Parametros, MesesDeCalefaccionYRefrigeracion) {
    leer("\nTIME-STEP = 1800\n");
    Global2& g = hub->global();
    int cal[12] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    int ref[12] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(g.mesesCalefaccion[m], cal[m]) << m;
        EXPECT_EQ(g.mesesRefrigeracion[m], ref[m]) << m;
    }
    EXPECT_FLOAT_EQ(g.numeroPasos, 8760.0f * 2.0f);
    leer("\nHEATING-PERIOD = ( 0 )\nCOOLING-PERIOD = ( 7, 8, 13 )\n");
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(hub->global().mesesCalefaccion[m], 0);
        EXPECT_EQ(hub->global().mesesRefrigeracion[m], (m == 6 || m == 7) ? 1 : 0);
    }
}

TEST_F(Parametros, LongitudFueraDeBandaEscribeDolarEnElLog) {
    leer("\nLONGITUD-DE-REFERENCIA = 31\n");
    EXPECT_FALSE(hub->global().limitesPorOrientacion);
    hub.reset();
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")), "$\n");
    leer("\nLONGITUD-DE-REFERENCIA = -30\n");
    EXPECT_TRUE(hub->global().limitesPorOrientacion);
}

TEST_F(Parametros, VeredictoCumpleExactoEnAmbosFicheros) {
    leer("\nLATITUDE = 40\n");
    hub->global().anotar(false, "nota");
    hub->global().registrarFallo(true, "nada", 0);
    // The verdict is written by the hub's destruction; HubDePrueba would suppress it.
    gGlobal2 = nullptr;
    {
        auto g = std::make_unique<Global2>(dir.fichero("Error2.log"));
        auto lector = LeerBDL::desdeTexto("\nLATITUDE = 40\n");
        g->leerParametros(*lector, dir.fichero("res2.txt"));
        g->anotar(false, "nota");
    }
    EXPECT_EQ(leerFichero(dir.fichero("res2.txt")), "CUMPLE");
    EXPECT_EQ(leerFichero(dir.fichero("Error2.log")),
              "nota\nCUMPLE\n0, Tiempo de c\xE1lculo del edificio objeto en segundos\n");
}

TEST_F(Parametros, VeredictoNoCumpleConEtiquetasLatin1) {
    leer("\n");
    {
        auto g = std::make_unique<Global2>(dir.fichero("Error2.log"));
        auto lector = LeerBDL::desdeTexto("\nLATITUDE = 40\n");
        g->leerParametros(*lector, dir.fichero("res2.txt"));
        g->registrarFallo(false, "\"V1\": Permeabilidad = 50.00 Permeabilidad_limite = 27.00", 3);
        g->registrarFallo(false, "\"M1\": U = 0.80W/m2K Ulimite = 0.74W/m2K", 0);
    }
    EXPECT_EQ(leerFichero(dir.fichero("res2.txt")),
              "\"M1\": U = 0.80W/m2K Ulimite = 0.74W/m2K, \"REQUERIMIENTOS M\xCDNIMOS\"\n"
              "\"V1\": Permeabilidad = 50.00 Permeabilidad_limite = 27.00, \"PERMEABILIDAD\"\n"
              "NO CUMPLE");
    EXPECT_EQ(leerFichero(dir.fichero("Error2.log")),
              "NO CUMPLE\n0, Tiempo de c\xE1lculo del edificio objeto en segundos\n");
}

TEST_F(Parametros, FatalTrasAbrirElLogDejaElMensajeSinVeredicto) {
    leer("\n");
    {
        auto g = std::make_unique<Global2>(dir.fichero("Error2.log"));
        auto lector = LeerBDL::desdeTexto("\nLATITUDE = 40\n");
        g->leerParametros(*lector, dir.fichero("res2.txt"));
        g->anotar(false, "nota");
        g->registrarFallo(false, "fallo", 0);
        EXPECT_THROW(g->comprobar(false, "No se encuentra: \"X\""), ErrorFatal);
    }
    EXPECT_EQ(leerFichero(dir.fichero("Error2.log")), "nota\nNo se encuentra: \"X\"");
    EXPECT_EQ(leerFichero(dir.fichero("res2.txt")), "");
}

TEST_F(Parametros, OtroTipoDeEdificioNoEscribeNada) {
    leer("\n");
    {
        auto g = std::make_unique<Global2>(dir.fichero("Error3.log"));
        auto lector = LeerBDL::desdeTexto("\nBUILDING-TYPE = REFERENCIA\n");
        g->leerParametros(*lector, dir.fichero("res3.txt"));
        g->anotar(false, "nota");
    }
    EXPECT_FALSE(existe(dir.fichero("Error3.log")));
    EXPECT_FALSE(existe(dir.fichero("res3.txt")));
}

} // namespace
