#include "input/ListaSchedule.h"

#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// Daily profiles: "D1" all 1.0 (1 and repeats), "D0" all 0.0 (a short list), "DH" its hour.
const std::string kDiarios = " $ horarios\n"
                             "\"D1\" = DAY-SCHEDULE-PD\n VALUES = ( 1, &D )\n..\n"
                             "\"D0\" = DAY-SCHEDULE-PD\n VALUES = ( 0 )\n..\n"
                             "\"DH\" = DAY-SCHEDULE-PD\n VALUES = ( 0, 1, 2, 3, 4, 5, 6, 7, 8, "
                             "9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23 )\n..\n";

std::string semanal(const std::string& nombre, const std::string& dias) {
    return "\"" + nombre + "\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( " + dias + " )\n..\n";
}
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
        hub.global().leerParametros(*LeerBDL::desdeTexto(" START-DAY = 1\n"), gDefectos,
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
        return mensajeFatal([&] { leer(texto); });
    }
};

TEST_F(Horarios, WeekCycleStartsOnFirstOfJanuaryAndTheLastNameRepeats) {
    auto l = leer(semanal("S1", "\"D1\"") + semanal("S", "\"D0\", \"D0\", \"D1\"") +
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
    auto l = leer(semanal("S0", "\"D0\"") + semanal("S1", "\"D1\"") +
                  anual("A", "\"S0\", \"S1\"", "6, 12", "30, 31") +
                  // An end date earlier than the one before: days after 31 March still match
                  // the first period whose end is not before them.
                  anual("B", "\"S1\", \"S0\", \"S1\"", "6, 3, 12", "30, 31, 31"));
    const float *a = l->horario("\"A\""), *b = l->horario("\"B\"");
    // 30 June (day of year 180) 23:00, 1 July; in B April falls in the first period (ends 30
    // June), July in the third.
    EXPECT_EQ(std::vector<float>({a[24 * 180 + 23], a[24 * 181], b[24 * 100], b[24 * 200]}),
              std::vector<float>({0, 1, 1, 1}));
}

TEST_F(Horarios, ReBasedToACalculationPeriodStartingInFebruary) {
    periodo(744, 8016); // from 1 February to the end of the year
    auto l = leer(semanal("S", "\"DH\", \"D0\", \"D0\", \"D0\", \"D0\", \"D0\", \"D0\"") +
                  anual("A", "\"S\"", "12", "31"));
    const float* s = l->horario("\"A\"");
    // 1 February is day 31 = 4 weeks + 3: day 3 of the cycle (D0); day 35 is day 0 (DH).
    // 5 February 07:00; 31 December 23:00 is day 364, cycle day 0 (DH).
    EXPECT_EQ(std::vector<float>({s[0], s[24 * 4 + 7], s[8015]}), std::vector<float>({0, 7, 23}));
}

TEST_F(Horarios, FailuresNameTheSchedule) {
    const std::string s = semanal("S", "\"D1\"");
    const std::string a = "\"A\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S\" )\n";
    const std::pair<std::string, std::string> casos[] = {
        {semanal("S", "\"d1\""), "No se encuentra el schedule diario \"d1\""},
        // Every listed name must exist, also beyond the seventh.
        {semanal("S", "\"D1\", \"D1\", \"D1\", \"D1\", \"D1\", \"D1\", \"D1\", \"NO\""),
         "No se encuentra el schedule diario \"NO\""},
        {"\"S\" = WEEK-SCHEDULE-PD\n..\n", "Error leyendo schedule semanal \"S\""},
        {"\"X\" = DAY-SCHEDULE-PD\n..\n", "Error leyendo schedule diario \"X\""},
        {"\"X\" = DAY-SCHEDULE-PD\n VALUES = ( &D, 1 )\n..\n",
         "El schedule VALUES esta mal definido"},
        {s + "\"A\" = SCHEDULE-PD\n MONTH = ( 12 )\n DAY = ( 31 )\n..\n",
         "Error leyendo schedule anual \"A\""},
        {s + a + " DAY = ( 31 )\n..\n", "Error leyendo meses en schedule anual \"A\""},
        {s + a + " MONTH = ( 12 )\n..\n", "Error leyendo dias en schedule anual \"A\""},
        {s + anual("A", "\"T\"", "12", "31"), "No se encuentra el schedule semanal \"T\""},
        // Fewer months than days: the months list is short.
        {s + anual("A", "\"S\", \"S\"", "12", "30, 31"),
         "Error leyendo meses en schedule anual \"A\""},
    };
    for (const auto& c : casos) EXPECT_EQ(fatal(c.first), c.second) << c.first;
}

} // namespace
