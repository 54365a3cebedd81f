#include "building/CondicionesOperacionales.h"

#include "base/ErrorFatal.h"
#include "base/Memoria.h"
#include "input/Global2.h"
#include "input/LecturaClaves.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

using LecturaClaves::horario;
using LecturaClaves::palabra;
using LecturaClaves::real;

CondicionesOperacionales::CondicionesOperacionales() {
    leer(nullptr);
    calcularSeries();
}

CondicionesOperacionales::CondicionesOperacionales(const LeerBDL& entrada, const std::string& n)
    : nombre(n) {
    leer(&entrada);
    calcularSeries();
}

CondicionesOperacionales::~CondicionesOperacionales() = default;

float CondicionesOperacionales::cuotaConvectiva() {
    comprobar(gDefectos != nullptr, "Falta la clave HCINT");
    const float hc = gDefectos->exigir(gDefectos->hcint, "HCINT");
    const float hr = gDefectos->exigir(gDefectos->hrint, "HRINT");
    const float suma = hc + hr;
    return suma != 0.0f ? hc / suma : 0.0f;
}

void CondicionesOperacionales::leer(const LeerBDL* e) {
    prepararSeriesConstantes(e);
    leerHorarios(e);
    leerInfiltracion(e);
    leerOcupantes(e);
    leerIluminacion(e);
    leerEquipos(e);
    leerRepartoConvectivo(e);
    leerPonderaciones(e);
    leerMobiliario(e);
    leerMetodoInfiltracion(e);
}

// The constant series: zero, the 0.5 humidity and the set temperature of every hour.
void CondicionesOperacionales::prepararSeriesConstantes(const LeerBDL* e) {
    const int n = gGlobal2->horas > 0 ? gGlobal2->horas : 0;
    cero_ = reservarReales(n);
    humedadDefecto_ = reservarReales(n);
    for (float& v : humedadDefecto_) v = 0.5f;

    float t = 22.0f;
    real(e, "TEMPERATURE", t);
    temperatura = reservarReales(n);
    for (float& v : temperatura) v = t;
}

void CondicionesOperacionales::leerHorarios(const LeerBDL* e) {
    humedad = horario(e, "RH-SCHEDULE", humedadDefecto_.data());
    horarioInfiltracion = horario(e, "INF-SCHEDULE", cero_.data());
    horarioOcupantes = horario(e, "PEOPLE-SCHEDULE", cero_.data());
    horarioIluminacion = horario(e, "LIGHTING-SCHEDULE", cero_.data());
    horarioEquipos = horario(e, "EQUIP-SCHEDULE", cero_.data());
}

// A flow per area, else air changes per hour, else no infiltration.
void CondicionesOperacionales::leerInfiltracion(const LeerBDL* e) {
    if (real(e, "INF-FLOW/AREA", infiltracion))
        infiltracionRenovaciones = false;
    else if (real(e, "AIR-CHANGES/HR", infiltracion))
        infiltracionRenovaciones = true;
    else
        infiltracion = 0.0f;
}

// People: a number of people is turned into an area per person (no people when it is not
// positive); without either key there are no people.
void CondicionesOperacionales::leerOcupantes(const LeerBDL* e) {
    float numero = 0.0f;
    if (real(e, "NUMBER-OF-PEOPLE", numero)) {
        ocupantesPorNumero = true;
        superficiePorPersona = numero > 0.0f ? 1.0f / numero : 0.0f;
    } else if (!real(e, "AREA/PERSON", superficiePorPersona)) {
        superficiePorPersona = 1.0f;
        horarioOcupantes = cero_.data();
    }
    real(e, "PEOPLE-HG-LAT", calorLatentePersona);
    if (!real(e, "PEOPLE-HG-SENS", calorSensiblePersona)) horarioOcupantes = cero_.data();
}

// A power in kW, else in W per m2; recessed fluorescent fittings (REC-FLUOR-RV, -RSV) count
// at 80 %.
void CondicionesOperacionales::leerIluminacion(const LeerBDL* e) {
    float kw = 0.0f;
    if (real(e, "LIGHTING-KW", kw)) {
        iluminacionKW = true;
        potenciaIluminacion = 0.001f * kw;
    } else if (!real(e, "LIGHTING-W/AREA", potenciaIluminacion)) {
        potenciaIluminacion = 0.0f;
    }
    palabra(e, "LIGHTING-TYPE", tipoIluminacion);
    if (tipoIluminacion == "REC-FLUOR-RV" || tipoIluminacion == "REC-FLUOR-RSV")
        potenciaIluminacion *= 0.8f;
}

// A power in kW, else in W per m2, and its sensible and latent fractions (all sensible without
// a latent key).
void CondicionesOperacionales::leerEquipos(const LeerBDL* e) {
    float kw = 0.0f;
    if (real(e, "EQUIPMENT-KW", kw)) {
        equiposKW = true;
        potenciaEquipos = 0.001f * kw;
    } else if (!real(e, "EQUIPMENT-W/AREA", potenciaEquipos)) {
        potenciaEquipos = 0.0f;
    }
    if (!real(e, "EQUIP-SENSIBLE", fraccionSensibleEquipos) &&
        !real(e, "EQUIPMENT-SENSIBLE", fraccionSensibleEquipos))
        fraccionSensibleEquipos = 1.0f;
    float latente = 0.0f;
    if (!real(e, "EQUIP-LATENT", latente)) fraccionSensibleEquipos = 1.0f;
    if (fraccionSensibleEquipos > 1.0f) fraccionSensibleEquipos = 1.0f;
    fraccionLatenteEquipos = 1.0f - fraccionSensibleEquipos;
}

// The defaults' film coefficients are asked for only when a split is missing.
void CondicionesOperacionales::leerRepartoConvectivo(const LeerBDL* e) {
    const bool hayOcupantes = real(e, "PEOPLE-SPLIT-CR", repartoOcupantes);
    const bool hayIluminacion = real(e, "LIGHTING-SPLIT-CR", repartoIluminacion);
    const bool hayEquipos = real(e, "EQUIPMENT-SPLIT-CR", repartoEquipos);
    if (hayOcupantes && hayIluminacion && hayEquipos) return;
    const float cuota = cuotaConvectiva();
    if (!hayOcupantes) repartoOcupantes = cuota;
    if (!hayIluminacion) repartoIluminacion = cuota;
    if (!hayEquipos) repartoEquipos = cuota;
}

void CondicionesOperacionales::leerPonderaciones(const LeerBDL* e) {
    if (!real(e, "PEAK-LOAD-SOURCE-W", ponderacionCalefaccion) &&
        !real(e, "HEATING-PONDERATION", ponderacionCalefaccion))
        ponderacionCalefaccion = 1.0f;
    if (!real(e, "PEAK-LOAD-SOURCE-S", ponderacionRefrigeracion) &&
        !real(e, "COOLING-PONDERATION", ponderacionRefrigeracion))
        ponderacionRefrigeracion = 1.0f;
    real(e, "FRACCION-SOLAR-SUELO", fraccionSolarSuelo);
}

// Furniture is not used by the requirements check: a defaults file without it gives 0.
void CondicionesOperacionales::leerMobiliario(const LeerBDL* e) {
    if (!real(e, "FURN-FRACTION", fraccionMobiliario))
        fraccionMobiliario =
            gDefectos && gDefectos->furnFraction.presente ? gDefectos->furnFraction.valor : 0.0f;
    if (!real(e, "FURN-WEIGHT", pesoMobiliario))
        pesoMobiliario =
            gDefectos && gDefectos->furnWeight.presente ? gDefectos->furnWeight.valor : 0.0f;
}

void CondicionesOperacionales::leerMetodoInfiltracion(const LeerBDL* e) {
    std::string metodo;
    metodoInfiltracion = 2;
    if (palabra(e, "INF-METHOD", metodo)) {
        if (metodo == "CRACK")
            metodoInfiltracion = 0;
        else if (metodo == "CRACK-AIR-CHANGE")
            metodoInfiltracion = 1;
    }
}

void CondicionesOperacionales::calcularSeries() {
    const int n = static_cast<int>(temperatura.size());
    ocupantesSensible = reservarReales(n);
    iluminacion = reservarReales(n);
    equiposSensible = reservarReales(n);
    infiltracionHoraria = reservarReales(n);
    gananciaConvectiva = reservarReales(n);
    gananciaLatente = reservarReales(n);

    const bool hayPersonas = superficiePorPersona > 0.0f;
    float suma = 0.0f;
    for (int h = 0; h < n; ++h) {
        const float ocupacion = horarioOcupantes[h];
        ocupantesSensible[h] =
            hayPersonas ? calorSensiblePersona * ocupacion / superficiePorPersona : 0.0f;
        iluminacion[h] = potenciaIluminacion * horarioIluminacion[h];
        equiposSensible[h] = fraccionSensibleEquipos * potenciaEquipos * horarioEquipos[h];
        infiltracionHoraria[h] = infiltracion * horarioInfiltracion[h];
        gananciaConvectiva[h] = ocupantesSensible[h] * repartoOcupantes +
                                iluminacion[h] * repartoIluminacion +
                                equiposSensible[h] * repartoEquipos;
        gananciaLatente[h] = hayPersonas
                                 ? calorLatentePersona * ocupacion / superficiePorPersona +
                                       fraccionLatenteEquipos * potenciaEquipos * horarioEquipos[h]
                                 : 0.0f;
        suma += ocupantesSensible[h] + iluminacion[h] + equiposSensible[h];
    }
    gananciaSensibleMedia = n > 0 ? suma / static_cast<float>(n) : 0.0f;
}
