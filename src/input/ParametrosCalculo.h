#pragma once
#include <string>
#include <vector>

#include "base/Valores.h"

class LeerBDL;
class ValoresPorDefecto;

// The calculation parameters of a run: site, calculation period, time step, heating and cooling
// months, the building kind and the run mode. Public fields: every part of the engine reads them.
struct ParametrosCalculo {
    // Site and kind: "LONGITUD-DE-REFERENCIA" (else the defaults' value, else 15.0),
    // "LATITUDE", "ALTITUDE" and "BUILDING-TYPE", and the regime the longitude selects.
    void leerEmplazamiento(const LeerBDL& bdl, const ValoresPorDefecto* defectos);
    // Period and months: "TIME-STEP", "NUM-HORAS" (else the defaults' value), the start and end
    // days and months, "HEATING-PERIOD" and "COOLING-PERIOD", and the hourly heating flags. A
    // period outside the year stops the run.
    void leerPeriodo(const LeerBDL& bdl, const ValoresPorDefecto* defectos);

    // Whether the kind of the building is "OBJETO" (its files are written only then).
    bool esObjeto() const;

    // Whether the hour (counted from the start hour) is a heating hour: by the hourly heating
    // flags in the modes "PUNTA", "DEMANDA" and "ORBEL", else by its month.
    bool esHoraCalefaccion(int hora) const;
    bool noEsHoraCalefaccion(int hora) const { return !esHoraCalefaccion(hora); }
    // Whether the month of (hour + start hour) is a heating or a cooling month.
    bool esMesCalefaccion(int hora) const;
    bool esMesRefrigeracion(int hora) const;
    // Air heat capacity at the site: ROCP x exp(-0.0001219755 x altitude); a missing altitude
    // (-99.0) is first replaced by the one given.
    void densidadAire(float altitudDada, float rocp);

    // The run mode: "PUNTA", "DEMANDA", "ORBEL" or "fenordia".
    void ponerModo(const std::string& m);
    const std::string& modo() const { return modo_; }

    float capacidadCalorificaAire = 0.0f;
    std::string tipoEdificio = "OBJETO"; // "BUILDING-TYPE"
    float longitudReferencia = 15.0f;
    float latitud = 40.0f;
    float altitud = -99.0f;
    bool limitesPorOrientacion = true;
    float toleranciaGeometrica = 0.01f;
    float higrometriaHR = kNoDado;
    float higrometriaG = kNoDado;
    float higrometriaN = kNoDado;
    float claseHigrometria = kNoDado;
    // How the building states its hygrometry: "humedad", "produccion", "clase" or "defecto"
    // (class 5, nothing stated).
    std::string origenHigrometria = "defecto";
    int mesesCalefaccion[12] = {};
    int mesesRefrigeracion[12] = {};
    std::vector<float> calefaccionHoraria;
    float pasoTiempo = 3600.0f;
    float numeroPasos = 0.0f;
    int horas = 0;
    int horaInicio = 0, horaFin = 0;
    int diaInicio = 1, mesInicio = 1, diaFin = 31, mesFin = 12;
    float stefanBoltzmann = 5.67e-8f;

private:
    std::string modo_ = "DEMANDA";
    bool calefaccionPorHoras_ = true; // the mode reads the hourly heating flags
};
