#include "base/Calendario.h"

void Calendario::mesYDia(int hora, int& horaDia, int& diaMes, int& mes) {
    if (hora >= kHorasAnio) hora -= kHorasAnio;
    if (hora < 0) hora += kHorasAnio;
    if (hora < 0 || hora >= kHorasAnio) hora = ((hora % kHorasAnio) + kHorasAnio) % kHorasAnio;
    int d = hora / 24;
    horaDia = hora - 24 * d;
    mes = 0;
    while (mes < 11 && d >= kDiasAcumulados[mes]) ++mes;
    diaMes = d - kDiasAntesDelMes[mes];
}
