#include "input/ParametrosCalculo.h"

#include <cmath>
#include <initializer_list>

#include "base/Calendario.h"
#include "base/ErrorFatal.h"
#include "base/Memoria.h"
#include "base/TextoLatin1.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// Month flags from a list of month numbers 1-12 ("HEATING-PERIOD", "COOLING-PERIOD").
void leerMeses(const LeerBDL& bdl, const char* clave, int meses[12],
               std::initializer_list<int> porDefecto) {
    for (int m = 0; m < 12; ++m) meses[m] = 0;
    std::vector<float> lista;
    int n = bdl.dameLista(clave, lista);
    if (n < 0) {
        for (int m : porDefecto) meses[m - 1] = 1;
        return;
    }
    if (n == 1 && lista[0] == 0.0f) return;
    for (int i = 0; i < n && i < static_cast<int>(lista.size()); ++i) {
        float v = lista[i];
        if (!(v >= 1.0f && v < 13.0f)) continue; // also rejects NaN before the cast
        int m = static_cast<int>(v);
        if (m >= 1 && m <= 12) meses[m - 1] = 1;
    }
}

// An integer key of the period: absent, it takes its default; present, the hours follow from
// the period (-1).
void leerFecha(const LeerBDL& bdl, const char* clave, int& campo, int porDefecto, int& horas,
               bool& horasDelFichero) {
    if (bdl.dameEntero(clave, campo) < 0) {
        campo = porDefecto;
        return;
    }
    horasDelFichero = true;
    horas = -1;
}

int diaDelAnio(int dia, int mes) {
    return dia + Calendario::kDiasAntesDelMes[mes - 1];
}

} // namespace

void ParametrosCalculo::leerEmplazamiento(const LeerBDL& bdl, const ValoresPorDefecto* defectos) {
    if (bdl.dameReal("LONGITUD-DE-REFERENCIA", longitudReferencia) < 0)
        longitudReferencia = defectos ? defectos->longitudReferencia : 15.0f;
    if (bdl.dameReal("LATITUDE", latitud) < 0) latitud = 40.0f;
    if (bdl.dameReal("ALTITUDE", altitud) < 0) altitud = -99.0f;
    limitesPorOrientacion = (longitudReferencia >= -30.0f && longitudReferencia <= 30.0f);
    if (bdl.dameCadena("BUILDING-TYPE", tipoEdificio) < 0) tipoEdificio = "OBJETO";
}

void ParametrosCalculo::leerPeriodo(const LeerBDL& bdl, const ValoresPorDefecto* defectos) {
    if (bdl.dameReal("TIME-STEP", pasoTiempo) < 0) pasoTiempo = 3600.0f;
    if (!(pasoTiempo > 0.0f)) pasoTiempo = 3600.0f;

    bool horasDelFichero = bdl.dameEntero("NUM-HORAS", horas) >= 0;
    leerFecha(bdl, "START-DAY", diaInicio, 1, horas, horasDelFichero);
    leerFecha(bdl, "START-MONTH", mesInicio, 1, horas, horasDelFichero);
    leerFecha(bdl, "END-DAY", diaFin, 31, horas, horasDelFichero);
    leerFecha(bdl, "END-MONTH", mesFin, 12, horas, horasDelFichero);
    if (!horasDelFichero) {
        comprobar(defectos != nullptr, "Falta la clave NUM-HORAS");
        horas = defectos->exigir(defectos->numHoras, "NUM-HORAS");
    }
    comprobar(
        mesInicio >= 1 && mesInicio <= 12 && mesFin >= 1 && mesFin <= 12,
        "Periodo de c\xE1lculo mal definido: START-MONTH y END-MONTH deben estar entre 1 y 12");
    comprobar(diaInicio >= 1 && diaInicio <= Calendario::kDiasMes[mesInicio - 1] && diaFin >= 1 &&
                  diaFin <= Calendario::kDiasMes[mesFin - 1],
              "Periodo de c\xE1lculo mal definido: d\xED"
              "a fuera del mes");
    horaInicio = 24 * diaDelAnio(diaInicio, mesInicio) - 24;
    horaFin = 24 * diaDelAnio(diaFin, mesFin) - 1;
    if (horas == -1) horas = horaFin - horaInicio + 1;
    comprobar(horas > 0 && horaInicio + horas <= Calendario::kHorasAnio,
              "Periodo de c\xE1lculo mal definido: el n\xFAmero de horas debe estar entre 1 y "
              "las que quedan del a\xF1o");
    horaFin = horas + horaInicio - 1;
    numeroPasos = static_cast<float>(horas) * 3600.0f / pasoTiempo;

    leerMeses(bdl, "HEATING-PERIOD", mesesCalefaccion, {1, 2, 12});
    leerMeses(bdl, "COOLING-PERIOD", mesesRefrigeracion, {6, 7, 8, 9});

    calefaccionHoraria = reservarReales(horas);
    for (int h = 0; h < horas; ++h) calefaccionHoraria[h] = esMesCalefaccion(h) ? 1.0f : 0.0f;
}

bool ParametrosCalculo::esObjeto() const {
    return compararNombres(tipoEdificio, "OBJETO") == 0;
}

bool ParametrosCalculo::esMesCalefaccion(int hora) const {
    int hd, dm, m;
    Calendario::mesYDia(hora + horaInicio, hd, dm, m);
    return mesesCalefaccion[m] != 0;
}

bool ParametrosCalculo::esMesRefrigeracion(int hora) const {
    int hd, dm, m;
    Calendario::mesYDia(hora + horaInicio, hd, dm, m);
    return mesesRefrigeracion[m] != 0;
}

void ParametrosCalculo::ponerModo(const std::string& m) {
    modo_ = m;
    calefaccionPorHoras_ = m == "PUNTA" || m == "DEMANDA" || m == "ORBEL";
}

bool ParametrosCalculo::esHoraCalefaccion(int hora) const {
    if (calefaccionPorHoras_) {
        if (hora < 0 || hora >= static_cast<int>(calefaccionHoraria.size())) return false;
        return calefaccionHoraria[hora] == 1.0f;
    }
    return esMesCalefaccion(hora);
}

void ParametrosCalculo::densidadAire(float altitudDada, float rocp) {
    if (altitud == -99.0f) altitud = altitudDada;
    capacidadCalorificaAire = rocp * std::exp(-0.0001219755f * altitud);
}
