#include "base/Calendario.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// Hour of the day, day of the month and month (both 0-based) of an hour of the year.
std::array<int, 3> partes(int hora) {
    std::array<int, 3> r{};
    Calendario::mesYDia(hora, r[0], r[1], r[2]);
    return r;
}

TEST(Calendario, CadaMesEmpiezaYAcabaEnSuHora) {
    // 365 days, February of 28: the first and last hour of every month.
    const int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int primera = 0;
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(partes(primera), (std::array<int, 3>{0, 0, m})) << m;
        primera += 24 * dias[m];
        EXPECT_EQ(partes(primera - 1), (std::array<int, 3>{23, dias[m] - 1, m})) << m;
    }
    EXPECT_EQ(primera, 8760);
    EXPECT_EQ(partes(1416 + 13), (std::array<int, 3>{13, 0, 2})); // 1 March, 13:00
}

TEST(Calendario, HorasFueraDelAnioVuelvenAEl) {
    EXPECT_EQ(partes(8760), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(partes(8760 + 30), (std::array<int, 3>{6, 1, 0}));
    EXPECT_EQ(partes(-1), (std::array<int, 3>{23, 30, 11}));
    EXPECT_EQ(partes(3 * 8760 + 5), (std::array<int, 3>{5, 0, 0}));
    EXPECT_EQ(partes(-2 * 8760 - 1), (std::array<int, 3>{23, 30, 11}));
}

} // namespace
