#include "input/ListaSchedule.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "shell/ErrorFatal.h"

namespace {

// Two daily profiles: "D1" all 1.0 (written as 1 and repeats), "D0" all 0.0; "DH" gives each
// hour its own number.
const std::string kDiarios = " $ horarios\n"
                             "\"D1\" = DAY-SCHEDULE-PD\n VALUES = ( 1, &D )\n..\n"
                             "\"D0\" = DAY-SCHEDULE-PD\n VALUES = ( 0 )\n..\n"
                             "\"DH\" = DAY-SCHEDULE-PD\n VALUES = ( 0, 1, 2, 3, 4, 5, 6, 7, 8, "
                             "9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23 )\n..\n";

struct Horarios : ::testing::Test {
    HubDePrueba hub;
    Horarios() { periodo(0, 8760); }
    void periodo(int inicio, int horas) {
        hub.global().horaInicio = inicio;
        hub.global().horas = horas;
        hub.global().horaFin = inicio + horas - 1;
    }
    std::unique_ptr<ListaSchedule> leer(const std::string& texto) {
        bdl = LeerBDL::desdeTexto(kDiarios + texto);
        return std::make_unique<ListaSchedule>(*bdl);
    }
    std::string fatal(const std::string& texto) {
        ::testing::internal::CaptureStderr();
        try {
            leer(texto);
        } catch (const ErrorFatal& e) {
            EXPECT_EQ(e.codigo(), 3);
            return ::testing::internal::GetCapturedStderr();
        }
        ::testing::internal::GetCapturedStderr();
        return "sin error";
    }
    std::unique_ptr<LeerBDL> bdl;
};

TEST_F(Horarios, OneWeeklyScheduleAllYear) {
    auto l = leer("\"S1\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\" )\n..\n"
                  "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S1\" )\n MONTH = ( 12 )\n"
                  " DAY = ( 31 )\n..\n");
    const float* s = l->horario("\"A\"");
    ASSERT_NE(s, nullptr);
    for (int h = 0; h < 8760; ++h) ASSERT_EQ(s[h], 1.0f) << h;
    EXPECT_EQ(l->horario("\"B\""), nullptr);
    EXPECT_EQ(l->horario("\"a\""), nullptr); // exact names
}

TEST_F(Horarios, WeekCycleStartsOnFirstOfJanuaryAndLastNameRepeats) {
    // Days 0 and 1 of the cycle use D0, days 2..6 repeat the last name, D1.
    auto l = leer("\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D0\", \"D0\", \"D1\" )\n..\n"
                  "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n MONTH = ( 12 )\n"
                  " DAY = ( 31 )\n..\n");
    const float* s = l->horario("\"A\"");
    for (int d : {0, 1, 7, 8, 364}) EXPECT_EQ(s[24 * d + 5], 0.0f) << d; // 364 = 52*7
    for (int d : {2, 6, 9, 363}) EXPECT_EQ(s[24 * d + 5], 1.0f) << d;
}

TEST_F(Horarios, PeriodsSplitAtTheirEndDay) {
    auto l = leer("\"S0\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D0\" )\n..\n"
                  "\"S1\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\" )\n..\n"
                  "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S0\", \"S1\" )\n"
                  " MONTH = ( 6, 12 )\n DAY = ( 30, 31 )\n..\n"
                  // An end date earlier than the one before: days after 31 March still match
                  // the first period whose end is not before them.
                  "\"B\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S1\", \"S0\", \"S1\" )\n"
                  " MONTH = ( 6, 3, 12 )\n DAY = ( 30, 31, 31 )\n..\n");
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
                  " \"D0\", \"D0\", \"D0\" )\n..\n"
                  "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n MONTH = ( 12 )\n"
                  " DAY = ( 31 )\n..\n");
    const float* s = l->horario("\"A\"");
    // 1 February is day 31 = 4 weeks + 3: day 3 of the cycle (D0); day 35 is day 0 (DH).
    EXPECT_EQ(s[0], 0.0f);
    EXPECT_EQ(s[24 * 4 + 7], 7.0f); // 5 February, 07:00
    EXPECT_EQ(s[24 * 4 + 23], 23.0f);
    EXPECT_EQ(s[8015], 23.0f); // 31 December, 23:00: day 364 = 52 weeks, cycle day 0 (DH)
}

TEST_F(Horarios, Failures) {
    EXPECT_NE(fatal("\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"d1\" )\n..\n")
                  .find("No se encuentra el schedule diario \"d1\""),
              std::string::npos);
    EXPECT_NE(fatal("\"S\" = WEEK-SCHEDULE-PD\n NADA = 1\n..\n")
                  .find("Error leyendo schedule semanal \"S\""),
              std::string::npos);
    EXPECT_NE(fatal("\"X\" = DAY-SCHEDULE-PD\n TYPE = FRACTION\n..\n")
                  .find("Error leyendo schedule diario \"X\""),
              std::string::npos);
    EXPECT_NE(fatal("\"X\" = DAY-SCHEDULE-PD\n VALUES = ( &D, 1 )\n..\n")
                  .find("El schedule VALUES esta mal definido"),
              std::string::npos);
    const std::string semana = "\"S\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D1\" )\n..\n";
    EXPECT_NE(fatal(semana + "\"A\" = SCHEDULE-PD\n MONTH = ( 12 )\n DAY = ( 31 )\n..\n")
                  .find("Error leyendo schedule anual \"A\""),
              std::string::npos);
    EXPECT_NE(fatal(semana + "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n"
                             " DAY = ( 31 )\n..\n")
                  .find("Error leyendo meses en schedule anual \"A\""),
              std::string::npos);
    EXPECT_NE(fatal(semana + "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n"
                             " MONTH = ( 12 )\n..\n")
                  .find("Error leyendo dias en schedule anual \"A\""),
              std::string::npos);
    EXPECT_NE(fatal(semana + "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"T\" )\n"
                             " MONTH = ( 12 )\n DAY = ( 31 )\n..\n")
                  .find("No se encuentra el schedule semanal \"T\""),
              std::string::npos);
    // Fewer months than days: the months list is short.
    EXPECT_NE(fatal(semana + "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\", \"S\" )\n"
                             " MONTH = ( 12 )\n DAY = ( 30, 31 )\n..\n")
                  .find("Error leyendo meses en schedule anual \"A\""),
              std::string::npos);
}

} // namespace
