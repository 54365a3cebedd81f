#pragma once

// The calendar of the engine: a 365-day year of 8,760 hours, hour 0 being the first hour of
// 1 January; months 0-11 in arrays.
namespace Calendario {

constexpr int kHorasAnio = 8760;
// Days of each month.
constexpr int kDiasMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days of the year before the first day of each month.
constexpr int kDiasAntesDelMes[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
// Days of the year at the end of each month.
constexpr int kDiasAcumulados[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// Splits an hour of the year (brought back into the year when outside it) into the hour of the
// day, the day of the month and the month, the last two 0-based.
void mesYDia(int horaAnio, int& horaDia, int& diaMes, int& mes);

} // namespace Calendario
