#include "climate/CondicionesSistemas.h"

#include <gtest/gtest.h>

#include <sstream>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ListaSchedule.h"
#include "input/ValoresPorDefecto.h"
#include "shell/ErrorFatal.h"
#include "shell/Globales.h"

namespace {

// Hours of the year (the calculation covers the whole year).
const int kEnero = 10 * 24 + 12, kMarzo = (59 + 10) * 24 + 12, kJulio = (181 + 10) * 24 + 12,
          kDiciembre = (334 + 10) * 24 + 12;

// Constant schedules "UNO", "T18", "T20", "T25", and "EST": 1 up to 31 March, 0 afterwards.
// Heating in January, February and December; cooling June to September.
class CondicionesSistemasTest : public ::testing::Test {
protected:
    CondicionesSistemasTest() : previoBDL_(gLeerBDL), previoSchedules_(gSchedules) {
        hub_.ponerDefectos(std::make_unique<ValoresPorDefecto>(
            dir_.escribir("defectos.inp", "\nNUM-HORAS = 8760\nNO-HABITABLES = ( \"X\" )\n")));
    }
    ~CondicionesSistemasTest() override {
        gLeerBDL = previoBDL_;
        gSchedules = previoSchedules_;
    }

    std::unique_ptr<CondicionesSistemas> leer(const std::string& edificio,
                                              const std::string& cuerpo) {
        std::string t = "\n";
        for (std::string n : {"UNO", "CERO", "T18", "T20", "T25"}) {
            const std::string v = n == "UNO" ? "1" : n == "CERO" ? "0" : n.substr(1);
            t += "\"D-" + n + "\" = DAY-SCHEDULE-PD\n VALUES = ( " + v + " )\n ..\n\"S-" + n +
                 "\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D-" + n + "\" )\n ..\n\"" + n +
                 "\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S-" + n +
                 "\" )\n MONTH = ( 12 )\n DAY = ( 31 )\n ..\n";
        }
        t += "\"EST\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S-UNO\", \"S-CERO\" )\n"
             " MONTH = ( 3, 12 )\n DAY = ( 31, 31 )\n ..\n";
        bdl_ = LeerBDL::desdeTexto(t + "\"EDIFICIO\" = BUILD-PARAMETERS\n" + edificio +
                                   "\n ..\n\"S\" = SYSTEM-CONDITIONS\n" + cuerpo + "\n ..\n");
        gLeerBDL = bdl_.get();
        if (!schedules_) hub_.global().leerParametros(*bdl_, dir_.fichero("resultados.txt"));
        schedules_ = std::make_unique<ListaSchedule>(*bdl_);
        gSchedules = schedules_.get();
        return std::make_unique<CondicionesSistemas>(
            *LeerBDL::objeto(*bdl_, "SYSTEM-CONDITIONS", "\"S\""), "\"S\"");
    }

    DirectorioTemporal dir_;
    HubDePrueba hub_;
    std::unique_ptr<LeerBDL> bdl_;
    std::unique_ptr<ListaSchedule> schedules_;
    LeerBDL* previoBDL_;
    ListaSchedule* previoSchedules_;
};

TEST_F(CondicionesSistemasTest, MetodoYConstantes) {
    std::istringstream palabras("ZONAL-MODEL FULLY-MIXED-FREE-COOLING FULLY-MIXED-PDEC "
                                "SISTEMA-IDEAL-PDEC FULLY-MIXED SISTEMA-IDEAL "
                                "FULLY-MIXED-AIR-RADIATOR SISTEMA-IDEAL-AIR-RADIATOR");
    std::string p;
    for (int i = 0; palabras >> p; ++i) EXPECT_EQ(CondicionesSistemas::metodoDe(p), i) << p;
    EXPECT_EQ(CondicionesSistemas::metodoDe("sistema-ideal"), -1);

    auto s = leer("", " ZONAL-ZONE-METHOD = SISTEMA-IDEAL-PDEC\n RECOV-KW = 2.5\n FLOW/AREA = 3\n"
                      " OUTSIDE-AIR-FLOW = 6\n OA-CONTROL = ENTHALPY");
    EXPECT_EQ(s->metodo, 3);
    EXPECT_FLOAT_EQ(s->potenciaRecuperacion, 2500.0f);
    EXPECT_FLOAT_EQ(s->caudalPorArea, 3.0f * 0.00033333333f);
    EXPECT_FLOAT_EQ(s->caudalAireExterior, 6.0f * 0.00033333333f);
    EXPECT_EQ(s->controlEntalpia, 0); // only for method 1
    EXPECT_EQ(leer("", " ZONAL-ZONE-METHOD = SISTEMA-REAL")->metodo, 5);
    s = leer("", " ZONAL-ZONE-METHOD = FULLY-MIXED-FREE-COOLING\n OA-CONTROL = ENTHALPY");
    EXPECT_EQ(s->controlEntalpia, 1);

    CondicionesSistemas defecto; // no entry: method 5, every series 0
    EXPECT_EQ(defecto.metodo, 5);
    EXPECT_FLOAT_EQ(defecto.consignaCalefaccion[kEnero], 0.0f);
}

TEST_F(CondicionesSistemasTest, ConsignasYCapacidades) {
    auto s = leer(" SUMMER-INTERNAL-TEMPERATURE = -100\n WINTER-INTERNAL-TEMPERATURE = 21",
                  " HEAT-TEMP-SCH = \"T20\"\n COOL-TEMP-SCH = \"T25\"\n MAX-HEAT-RATE = 1000\n"
                  " MAX-COOL-RATE = 2000\n HEATING-SCHEDULE = \"UNO\"\n"
                  " COOLING-SCHEDULE = \"UNO\"");
    // The winter temperature rules the heating hours; a summer temperature of -100 never does.
    EXPECT_FLOAT_EQ(s->consignaCalefaccion[kEnero], 21.0f);
    EXPECT_FLOAT_EQ(s->consignaCalefaccion[kJulio], 20.0f);
    EXPECT_FLOAT_EQ(s->consignaRefrigeracion[kJulio], 25.0f);
    // Capacities only in the months of their season.
    EXPECT_FLOAT_EQ(s->capacidadCalefaccion[kEnero], 1000.0f);
    EXPECT_FLOAT_EQ(s->capacidadCalefaccion[kJulio], 0.0f);
    EXPECT_FLOAT_EQ(s->capacidadRefrigeracion[kJulio], 2000.0f);

    // The season schedule makes March a heating month and December not.
    s = leer(" SUMMER-INTERNAL-TEMPERATURE = 26\n WINTER-INTERNAL-TEMPERATURE = 21",
             " HEAT-TEMP-SCH = \"T20\"\n COOL-TEMP-SCH = \"T25\"\n SEASON-SCH = \"EST\"");
    EXPECT_FLOAT_EQ(hub_.global().calefaccionHoraria[kMarzo], 1.0f);
    EXPECT_FLOAT_EQ(hub_.global().calefaccionHoraria[kDiciembre], 0.0f);
    EXPECT_FLOAT_EQ(s->consignaCalefaccion[kMarzo], 21.0f);
    EXPECT_FLOAT_EQ(s->consignaRefrigeracion[kMarzo], 25.0f);
    EXPECT_FLOAT_EQ(s->consignaCalefaccion[kDiciembre], 20.0f);
    EXPECT_FLOAT_EQ(s->consignaRefrigeracion[kDiciembre], 26.0f);

    // The building's set-point schedules replace the entry's.
    s = leer(" MIN-INTERNAL-TEMPERATURE-SCH = \"T18\"\n MAX-INTERNAL-TEMPERATURE-SCH = \"T25\"",
             " HEAT-TEMP-SCH = \"T20\"");
    EXPECT_FALSE(s->propiaCalefaccion || s->propiaRefrigeracion);
    EXPECT_FLOAT_EQ(s->consignaCalefaccion[kEnero], 18.0f);
    EXPECT_FLOAT_EQ(s->consignaRefrigeracion[kJulio], 25.0f);
}

TEST_F(CondicionesSistemasTest, HorarioDesconocidoEsFatal) {
    testing::internal::CaptureStderr();
    EXPECT_THROW(leer("", " COOLING-SCHEDULE = \"NINGUNO\""), ErrorFatal);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Se ha producido un error: No se encuentra: \"NINGUNO\"\n");
}

} // namespace
