#include "input/Global2.h"

#include <functional>
#include <gtest/gtest.h>

#include "base/Calendario.h"
#include "base/ErrorFatal.h"
#include "base/Matrices.h"
#include "base/Redondeo.h"
#include "base/TextoLatin1.h"
#include "comun/Entorno.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

TEST(Global2Utilidades, RedondeoYDecimalesEnFloatDe32Bits) {
    // An exact half goes toward zero; the discarded fraction is a 32-bit float.
    EXPECT_EQ(
        std::vector<int>({redondear(2.5f), redondear(2.6f), redondear(-2.5f), redondear(-2.6f)}),
        std::vector<int>({2, 3, -2, -3}));
    EXPECT_FLOAT_EQ(redondearDecimales(0.125f, 2), 0.12f);
    // 0.745 is held slightly above 0.745, but x100 rounds to exactly 74.5 in float.
    EXPECT_FLOAT_EQ(redondearDecimales(0.745f, 2), 0.74f);
    EXPECT_FLOAT_EQ(redondearDecimales(0.1251f, 2), 0.13f);
}

TEST(Global2Utilidades, CompararNombresPliegaAcentosMayusculasYSeparadores) {
    const char* const iguales[][2] = {{"Muro-Norte", "MURO NORTE"},
                                      {"muro_norte", "MURO-NORTE"},
                                      {"c\xFAp\xD3la", "CUPOLA"},
                                      {"A\\B/C\tD\nE", "ABCDE"},
                                      {"Espa\xF1ol \xC7", "ESPANOLc"}};
    for (const auto& p : iguales) EXPECT_EQ(compararNombres(p[0], p[1]), 0) << p[0];
    EXPECT_NE(compararNombres("MURO1", "MURO2"), 0);
    EXPECT_NE(compararNombres("A\rB", "AB"), 0); // carriage returns stay
}

TEST(Global2Utilidades, MesYDiaYMatrizSingular) {
    int h, d, m;
    Calendario::mesYDia(8760 + 30, h, d, m); // brought back into the year once
    EXPECT_EQ(std::vector<int>({h, d, m}), std::vector<int>({6, 1, 0}));
    Calendario::mesYDia(744, h, d, m); // 1 February, 00:00
    EXPECT_EQ(std::vector<int>({h, d, m}), std::vector<int>({0, 0, 1}));
    float s[4] = {1, 2, 2, 4};
    EXPECT_THROW(invertirMatriz(s, 2), ErrorFatal);
}

// A run hub over a building text, with defaults read from a file; the log and results files
// are those of the temporary directory.
struct Parametros : ::testing::Test {
    DirectorioTemporal dir;
    std::unique_ptr<HubDePrueba> hub;
    Global2& leer(const std::string& bdl) {
        hub = std::make_unique<HubDePrueba>(dir.fichero("Error.log"));
        hub->ponerDefectos(std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNUM-HORAS = 100\nNO-HABITABLES = ( \"X\" )\n")));
        hub->global().leerParametros(*LeerBDL::desdeTexto(bdl), gDefectos, dir.fichero("res.txt"));
        return hub->global();
    }
    // A whole hub life (parameters, the action, destruction): the error log and results file.
    using S = std::pair<std::string, std::string>;
    S vida(const std::function<void(Global2&)>& accion) {
        ::testing::internal::CaptureStderr();
        Global2 g(dir.fichero("E.log"));
        try {
            g.leerParametros(*LeerBDL::desdeTexto("\nLATITUDE = 40\n"), gDefectos,
                             dir.fichero("R.txt"));
            accion(g);
            g.escribirVeredicto();
        } catch (const ErrorFatal& e) {
            g.cerrarSinVeredicto(e.mensaje());
        }
        ::testing::internal::GetCapturedStderr();
        return {leerFichero(dir.fichero("E.log")), leerFichero(dir.fichero("R.txt"))};
    }
};

TEST_F(Parametros, PeriodoYHoras) {
    Global2& g = leer("\n\"E\" = BUILDING\nLATITUDE = 41.5\n..\n");
    // No period keys: 1 January on, hours from the defaults.
    EXPECT_EQ(std::vector<int>({g.horaInicio, g.horas, g.horaFin}), std::vector<int>({0, 100, 99}));
    EXPECT_EQ(std::make_pair(g.latitud, g.altitud), std::make_pair(41.5f, -99.0f));
    // START-MONTH 2 alone: start day of year 32, the hours run to the end of the year.
    Global2& f = leer("\nSTART-MONTH = 2\nNUM-HORAS = 24\n");
    EXPECT_EQ(std::vector<int>({f.horaInicio, f.horas, f.horaFin}),
              std::vector<int>({744, 8016, 8759}));
    EXPECT_TRUE(f.esHoraCalefaccion(0));            // 1 February
    EXPECT_FALSE(f.esHoraCalefaccion(28 * 24 + 1)); // 1 March
}

TEST_F(Parametros, MesesDeCalefaccionYRefrigeracion) {
    Global2& g = leer("\nTIME-STEP = 1800\n");
    const int cal[12] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const int ref[12] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(std::make_pair(g.mesesCalefaccion[m], g.mesesRefrigeracion[m]),
                  std::make_pair(cal[m], ref[m]));
    EXPECT_FLOAT_EQ(g.numeroPasos, 200.0f); // 100 hours of half an hour
    Global2& h = leer("\nHEATING-PERIOD = ( 0 )\nCOOLING-PERIOD = ( 7, 8.9, 13 )\n");
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(std::make_pair(h.mesesCalefaccion[m], h.mesesRefrigeracion[m]),
                  std::make_pair(0, (m == 6 || m == 7) ? 1 : 0));
}

TEST_F(Parametros, LongitudFueraDeBandaEscribeDolarEnElLog) {
    EXPECT_TRUE(leer("\nLONGITUD-DE-REFERENCIA = 30\n").limitesPorOrientacion);
    EXPECT_FALSE(leer("\nLONGITUD-DE-REFERENCIA = 31\n").limitesPorOrientacion);
    hub.reset();
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")), "$\n");
}

TEST_F(Parametros, VeredictoExactoEnAmbosFicheros) {
    leer("\n"); // defaults for the hubs below
    const std::string tiempo = "0, Tiempo de c\xE1lculo del edificio objeto en segundos\n";
    auto cumple = vida([](Global2& g) {
        g.anotar(false, "nota");
        g.registrarFallo(true, "nada", 0);
    });
    EXPECT_EQ(cumple, S("nota\nCUMPLE\n" + tiempo, "CUMPLE"));

    auto falla = vida([](Global2& g) {
        g.registrarFallo(false, "\"V1\": Permeabilidad = 50.00", 3);
        g.registrarFallo(false, "\"M1\": U = 0.80W/m2K", 0);
        g.registrarFallo(false, "\"m1\": u = 0.80w/m2k", 0); // equal by compararNombres
        g.registrarFallo(false, "\"M1\": U = 0.80W/m2K", 2);
        EXPECT_TRUE(g.fallido());
    });
    EXPECT_EQ(falla.first, "NO CUMPLE\n" + tiempo);
    EXPECT_EQ(falla.second, "\"M1\": U = 0.80W/m2K, \"REQUERIMIENTOS M\xCDNIMOS\"\n"
                            "\"M1\": U = 0.80W/m2K, \"CONDENSACIONES INTERSTICIALES\"\n"
                            "\"V1\": Permeabilidad = 50.00, \"PERMEABILIDAD\"\n"
                            "NO CUMPLE");

    // A fatal error after the log is open: the log ends with the message, no verdict.
    auto fatal = vida([](Global2& g) {
        g.anotar(false, "nota");
        g.registrarFallo(false, "fallo", 0);
        comprobar(false, "No se encuentra: \"X\"");
    });
    EXPECT_EQ(fatal, S("nota\nNo se encuentra: \"X\"", ""));
}

// Kept for a report: every result in order, stamped with the space whose loop made it, and a
// copy of the error log byte for byte; a hub that is not asked keeps nothing.
TEST_F(Parametros, ResultadosGuardadosYCopiaDelLog) {
    leer("\n");
    for (bool guardar : {false, true}) {
        ::testing::internal::CaptureStderr();
        Global2 g(dir.fichero("E.log"));
        if (guardar) {
            g.resultados().activar();
            g.copiarLog();
        }
        g.leerParametros(*LeerBDL::desdeTexto("\nLONGITUD-DE-REFERENCIA = 70\n"), gDefectos,
                         dir.fichero("R.txt"));
        g.resultados().ponerEspacio(3);
        ResultadoComprobacion r;
        r.tipo = TipoComprobacion::Permeabilidad;
        r.valor = 50.0f;
        r.limite = 27.0f;
        r.cumple = false;
        r.lista = 3;
        r.texto = "\"V1\": Permeabilidad = 50.00 Permeabilidad_limite = 27.00";
        g.registrar(std::move(r));
        g.resultados().ponerEspacio(-1);
        g.registrarFallo(true, "nada", 0);
        g.anotar(false, "UMUROS = ( 0.70 )");
        g.escribirVeredicto();
        ::testing::internal::GetCapturedStderr();
        const auto& guardados = g.resultados().resultados();
        EXPECT_TRUE(g.fallido());
        EXPECT_EQ(g.fallos(3).size(), 1u);
        if (!guardar) {
            EXPECT_TRUE(guardados.empty());
            EXPECT_EQ(g.textoLog(), "");
            continue;
        }
        ASSERT_EQ(guardados.size(), 2u);
        EXPECT_EQ(std::make_pair(guardados[0].espacio, guardados[1].espacio),
                  std::make_pair(3, -1));
        EXPECT_EQ(guardados[0].texto, g.fallos(3)[0]);
        EXPECT_TRUE(g.logAbierto());
        EXPECT_EQ(g.textoLog(), leerFichero(dir.fichero("E.log")));
        EXPECT_EQ(g.textoLog().substr(0, 20), "$\nUMUROS = ( 0.70 )\n");
        EXPECT_EQ(g.listasFallos().textoResultados(), leerFichero(dir.fichero("R.txt")));
    }
}

} // namespace
