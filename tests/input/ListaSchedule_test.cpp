#include "input/ListaSchedule.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "shell/ErrorFatal.h"

namespace {

// Daily profiles: "D1" all 1.0 (1 and repeats), "D0" all 0.0 (a short list), "DH" its hour.
const std::string kDiarios = " $ horarios\n"
                             "\"D1\" = DAY-SCHEDULE-PD\n VALUES = ( 1, &D )\n..\n"
                             "\"D0\" = DAY-SCHEDULE-PD\n VALUES = ( 0 )\n..\n"
                             "\"DH\" = DAY-SCHEDULE-PD\n VALUES = ( 0, 1, 2, 3, 4, 5, 6, 7, 8, "
                             "9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23 )\n..\n";

std::string anual(const std::string& nombre, const std::string& semanas, const std::string& meses,
                  const std::string& dias) {
    return "\"" + nombre + "\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( " + semanas + " )\n MONTH = ( " +
           meses + " )\n DAY = ( " + dias + " )\n..\n";
}

struct Horarios : ::testing::Test {
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
    std::unique_ptr<LeerBDL> bdl;
    // The calculation period; the error log is (re)opened by reading the parameters.
    void periodo(int inicio, int horas) {
        hub.global().leerParametros(*LeerBDL::desdeTexto(" START-DAY = 1\n"),
                                    dir.fichero("res.txt"));
        hub.global().horaInicio = inicio;
        hub.global().horas = horas;
        hub.global().horaFin = inicio + horas - 1;
    }
    Horarios() { periodo(0, 8760); }
    std::unique_ptr<ListaSchedule> leer(const std::string& texto) {
        bdl = LeerBDL::desdeTexto(kDiarios + texto);
        return std::make_unique<ListaSchedule>(*bdl);
    }
    // The error log of a run that the text stops.
    std::string fatal(const std::string& texto) {
        periodo(0, 8760);
        ::testing::internal::CaptureStderr();
        EXPECT_THROW(leer(texto), ErrorFatal);
        ::testing::internal::GetCapturedStderr();
        return leerFichero(dir.fichero("Error.log"));
    }
};

TEST_F(Horarios, WeekCycleStartsOnFirstOfJanuaryAndTheLastNameRepeats) {
    auto l = leer("\"S1\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\" )\n..\n"
                  "\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D0\", \"D0\", \"D1\" )\n..\n" +
                  anual("A", "\"S1\"", "12", "31") + anual("C", "\"S\"", "12", "31"));
    const float* a = l->horario("\"A\"");
    ASSERT_NE(a, nullptr);
    for (int h = 0; h < 8760; ++h) ASSERT_EQ(a[h], 1.0f) << h;
    EXPECT_EQ(l->horario("\"a\""), nullptr); // exact names
    // Days 0 and 1 of the cycle use D0, days 2..6 repeat the last name, D1.
    const float* c = l->horario("\"C\"");
    for (int d : {0, 1, 7, 8, 364}) EXPECT_EQ(c[24 * d + 5], 0.0f) << d; // 364 = 52*7
    for (int d : {2, 6, 9, 363}) EXPECT_EQ(c[24 * d + 5], 1.0f) << d;
}

TEST_F(Horarios, PeriodsSplitAtTheirEndDay) {
    auto l = leer("\"S0\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D0\" )\n..\n"
                  "\"S1\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\" )\n..\n" +
                  anual("A", "\"S0\", \"S1\"", "6, 12", "30, 31") +
                  // An end date earlier than the one before: days after 31 March still match
                  // the first period whose end is not before them.
                  anual("B", "\"S1\", \"S0\", \"S1\"", "6, 3, 12", "30, 31, 31"));
    const float* a = l->horario("\"A\"");
    EXPECT_EQ(a[24 * 180 + 23], 0.0f); // 30 June, day of year 180
    EXPECT_EQ(a[24 * 181], 1.0f);      // 1 July
    const float* b = l->horario("\"B\"");
    EXPECT_EQ(b[24 * 100], 1.0f); // April: first period (ends 30 June)
    EXPECT_EQ(b[24 * 200], 1.0f); // July: the third
}

TEST_F(Horarios, ReBasedToACalculationPeriodStartingInFebruary) {
    periodo(744, 8016); // from 1 February to the end of the year
    auto l = leer("\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"DH\", \"D0\", \"D0\", \"D0\","
                  " \"D0\", \"D0\", \"D0\" )\n..\n" +
                  anual("A", "\"S\"", "12", "31"));
    const float* s = l->horario("\"A\"");
    // 1 February is day 31 = 4 weeks + 3: day 3 of the cycle (D0); day 35 is day 0 (DH).
    EXPECT_EQ(s[0], 0.0f);
    EXPECT_EQ(s[24 * 4 + 7], 7.0f); // 5 February, 07:00
    EXPECT_EQ(s[8015], 23.0f);      // 31 December, 23:00: day 364, cycle day 0 (DH)
}

TEST_F(Horarios, FailuresNameTheSchedule) {
    const std::string semana = "\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\" )\n..\n";
    const struct {
        std::string texto, mensaje;
    } casos[] = {
        {"\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"d1\" )\n..\n",
         "No se encuentra el schedule diario \"d1\""},
        // Every listed name must exist, also beyond the seventh.
        {"\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\", \"D1\", \"D1\", \"D1\", \"D1\", "
         "\"D1\", \"D1\", \"NO\" )\n..\n",
         "No se encuentra el schedule diario \"NO\""},
        {"\"S\" = WEEK-SCHEDULE-PD\n NADA = 1\n..\n", "Error leyendo schedule semanal \"S\""},
        {"\"X\" = DAY-SCHEDULE-PD\n TYPE = FRACTION\n..\n", "Error leyendo schedule diario \"X\""},
        {"\"X\" = DAY-SCHEDULE-PD\n VALUES = ( &D, 1 )\n..\n",
         "El schedule VALUES esta mal definido"},
        {semana + "\"A\" = SCHEDULE-PD\n MONTH = ( 12 )\n DAY = ( 31 )\n..\n",
         "Error leyendo schedule anual \"A\""},
        {semana + "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n DAY = ( 31 )\n..\n",
         "Error leyendo meses en schedule anual \"A\""},
        {semana + "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n MONTH = ( 12 )\n..\n",
         "Error leyendo dias en schedule anual \"A\""},
        {semana + anual("A", "\"T\"", "12", "31"), "No se encuentra el schedule semanal \"T\""},
        // Fewer months than days: the months list is short.
        {semana + anual("A", "\"S\", \"S\"", "12", "30, 31"),
         "Error leyendo meses en schedule anual \"A\""},
    };
    for (const auto& c : casos) EXPECT_EQ(fatal(c.texto), c.mensaje) << c.texto;
}

} // namespace
