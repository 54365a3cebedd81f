#include "input/ParametrosCalculo.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// Parameters read from a building text; the defaults file gives 100 hours.
struct Parametros : ::testing::Test {
    DirectorioTemporal dir;
    std::unique_ptr<ValoresPorDefecto> defectos = conDefectos("NUM-HORAS = 100\n");

    std::unique_ptr<ValoresPorDefecto> conDefectos(const std::string& claves) {
        return std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\n" + claves + "NO-HABITABLES = ( \"X\" )\n"));
    }
    ParametrosCalculo leer(const std::string& bdl) const {
        ParametrosCalculo p;
        auto l = LeerBDL::desdeTexto("\n" + bdl);
        p.leerEmplazamiento(*l, defectos.get());
        p.leerPeriodo(*l, defectos.get());
        return p;
    }
};

TEST_F(Parametros, PeriodoYHoras) {
    ParametrosCalculo g = leer("\"E\" = BUILDING\nLATITUDE = 41.5\n..\n");
    // No period keys: 1 January on, hours from the defaults.
    EXPECT_EQ(std::vector<int>({g.horaInicio, g.horas, g.horaFin}), std::vector<int>({0, 100, 99}));
    EXPECT_EQ(std::make_pair(g.latitud, g.altitud), std::make_pair(41.5f, -99.0f));
    // START-MONTH 2 alone: start day of year 32, the hours run to the end of the year.
    ParametrosCalculo f = leer("START-MONTH = 2\nNUM-HORAS = 24\n");
    EXPECT_EQ(std::vector<int>({f.horaInicio, f.horas, f.horaFin}),
              std::vector<int>({744, 8016, 8759}));
    EXPECT_TRUE(f.esHoraCalefaccion(0));            // 1 February
    EXPECT_FALSE(f.esHoraCalefaccion(28 * 24 + 1)); // 1 March
    // Hours given without a period: counted from 1 January.
    ParametrosCalculo h = leer("NUM-HORAS = 48\n");
    EXPECT_EQ(std::vector<int>({h.horaInicio, h.horas, h.horaFin}), std::vector<int>({0, 48, 47}));
}

TEST_F(Parametros, PeriodosImposiblesYHorasQueFaltan) {
    const std::pair<const char*, const char*> casos[] = {
        {"START-MONTH = 13\n", "START-MONTH y END-MONTH deben estar entre 1 y 12"},
        {"END-MONTH = 2\n", "fuera del mes"}, // END-DAY 31 in February
        {"NUM-HORAS = 9000\n", "el n\xFAmero de horas debe estar entre 1 y las que quedan"}};
    for (const auto& [bdl, mensaje] : casos)
        EXPECT_NE(mensajeFatal([&] { leer(bdl); }).find(mensaje), std::string::npos) << bdl;
    defectos = conDefectos("");
    EXPECT_EQ(mensajeFatal([&] { leer(""); }),
              "Falta la clave NUM-HORAS en el fichero de valores por defecto " +
                  dir.fichero("defectos.inp"));
}

TEST_F(Parametros, MesesDeCalefaccionYRefrigeracion) {
    ParametrosCalculo g = leer("TIME-STEP = 1800\n");
    const int cal[12] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const int ref[12] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(std::make_pair(g.mesesCalefaccion[m], g.mesesRefrigeracion[m]),
                  std::make_pair(cal[m], ref[m]));
    EXPECT_FLOAT_EQ(g.numeroPasos, 200.0f); // 100 hours of half an hour
    ParametrosCalculo h = leer("HEATING-PERIOD = ( 0 )\nCOOLING-PERIOD = ( 7, 8.9, 13 )\n");
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(std::make_pair(h.mesesCalefaccion[m], h.mesesRefrigeracion[m]),
                  std::make_pair(0, (m == 6 || m == 7) ? 1 : 0));
}

TEST_F(Parametros, LaLongitudDeReferenciaEligeElRegimen) {
    const std::pair<const char*, bool> casos[] = {{"LONGITUD-DE-REFERENCIA = -30\n", true},
                                                  {"LONGITUD-DE-REFERENCIA = 30\n", true},
                                                  {"LONGITUD-DE-REFERENCIA = 31\n", false},
                                                  {"", true}}; // the defaults' 15
    for (const auto& [bdl, porOrientacion] : casos)
        EXPECT_EQ(leer(bdl).limitesPorOrientacion, porOrientacion) << bdl;
    defectos = conDefectos("NUM-HORAS = 100\nLONGITUD-DE-REFERENCIA = -70\n");
    EXPECT_FALSE(leer("").limitesPorOrientacion);
    EXPECT_EQ(leer("BUILDING-TYPE = REFERENCIA\n").tipoEdificio, "REFERENCIA");
}

} // namespace
