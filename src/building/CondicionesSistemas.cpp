#include "building/CondicionesSistemas.h"

#include "base/Calendario.h"
#include "base/Memoria.h"
#include "input/Global2.h"
#include "input/LecturaClaves.h"
#include "input/LeerBDL.h"

using LecturaClaves::horario;
using LecturaClaves::palabra;
using LecturaClaves::real;

namespace {

const char* const kMetodos[] = {"ZONAL-MODEL",
                                "FULLY-MIXED-FREE-COOLING",
                                "FULLY-MIXED-PDEC",
                                "SISTEMA-IDEAL-PDEC",
                                "FULLY-MIXED",
                                "SISTEMA-IDEAL",
                                "FULLY-MIXED-AIR-RADIATOR",
                                "SISTEMA-IDEAL-AIR-RADIATOR"};

int horasDelCalculo() {
    return gGlobal2->horas > 0 ? gGlobal2->horas : 0;
}

} // namespace

int CondicionesSistemas::metodoDe(const std::string& p) {
    for (int i = 0; i < static_cast<int>(sizeof(kMetodos) / sizeof(kMetodos[0])); ++i)
        if (p == kMetodos[i]) return i;
    return -1;
}

CondicionesSistemas::CondicionesSistemas() {
    const int n = horasDelCalculo();
    cero_ = reservarReales(n);
    consignaCalefaccion = consignaRefrigeracion = cero_.data();
    propiaCalefaccion = propiaRefrigeracion = false;
    horarioCalefaccion = horarioRefrigeracion = cero_.data();
    capacidadCalefaccion = reservarReales(n);
    capacidadRefrigeracion = reservarReales(n);
    ventilador = reservarReales(n);
    estacion = reservarReales(n);
}

// The schedules of an entry that its series are made of.
struct CondicionesSistemas::HorariosEntrada {
    const float* temperaturaCalefaccion;
    const float* temperaturaRefrigeracion;
    const float* ventilador;
    const float* estacion;
};

CondicionesSistemas::CondicionesSistemas(const LeerBDL& entrada, const std::string& n) : nombre(n) {
    const LeerBDL* e = &entrada;
    const int horas = horasDelCalculo();
    cero_ = reservarReales(horas);
    leerMetodo(e);
    const HorariosEntrada horarios = leerHorarios(e);
    leerPotenciasYCaudales(e);
    leerTemperaturasEdificio();
    calcularSeriesHorarias(horarios, horas);
    aplicarConsignasEdificio();
    if (metodo == 1) leerControlAireExterior(e);
}

// An unknown word keeps the ideal system, as when the key is absent.
void CondicionesSistemas::leerMetodo(const LeerBDL* e) {
    std::string palabraMetodo;
    if (palabra(e, "ZONAL-ZONE-METHOD", palabraMetodo)) {
        const int m = metodoDe(palabraMetodo);
        if (m >= 0) metodo = m;
    }
}

CondicionesSistemas::HorariosEntrada CondicionesSistemas::leerHorarios(const LeerBDL* e) {
    const float* cero = cero_.data();
    HorariosEntrada h;
    h.temperaturaCalefaccion = horario(e, "HEAT-TEMP-SCH", cero);
    h.temperaturaRefrigeracion = horario(e, "COOL-TEMP-SCH", cero);
    horarioCalefaccion = horario(e, "HEATING-SCHEDULE", cero);
    horarioRefrigeracion = horario(e, "COOLING-SCHEDULE", cero);
    h.ventilador = horario(e, "FAN-SCHEDULE", cero);
    std::string nombreEstacion;
    h.estacion = horario(e, "SEASON-SCH", cero, &nombreEstacion);
    hayEstacion = !nombreEstacion.empty();
    return h;
}

// Capacities, air flows and heat recovery (its power given in kW).
void CondicionesSistemas::leerPotenciasYCaudales(const LeerBDL* e) {
    real(e, "MAX-HEAT-RATE", potenciaCalefaccion);
    real(e, "MAX-COOL-RATE", potenciaRefrigeracion);
    if (real(e, "FLOW/AREA", caudalPorArea)) caudalPorArea *= 0.00033333333f;
    if (real(e, "OUTSIDE-AIR-FLOW", caudalAireExterior)) caudalAireExterior *= 0.00033333333f;
    real(e, "RECOV-TEMP", temperaturaRecuperacion);
    if (real(e, "RECOV-KW", potenciaRecuperacion)) potenciaRecuperacion *= 1000.0f;
    real(e, "RECOV-EFF", eficienciaRecuperacion);
    real(e, "THROTTLING-RANGE", rangoEstrangulamiento);
}

void CondicionesSistemas::leerTemperaturasEdificio() {
    real(gLeerBDL, "SUMMER-INTERNAL-TEMPERATURE", temperaturaVerano);
    real(gLeerBDL, "WINTER-INTERNAL-TEMPERATURE", temperaturaInvierno);
}

// The entry's own set-points, capacities, fan and season series, hour by hour.
void CondicionesSistemas::calcularSeriesHorarias(const HorariosEntrada& horarios, int horas) {
    calefaccionPropia_ = reservarReales(horas);
    refrigeracionPropia_ = reservarReales(horas);
    capacidadCalefaccion = reservarReales(horas);
    capacidadRefrigeracion = reservarReales(horas);
    ventilador = reservarReales(horas);
    estacion = reservarReales(horas);
    std::vector<float>& calefaccionHoraria = gGlobal2->calefaccionHoraria;
    for (int h = 0; h < horas; ++h) {
        refrigeracionPropia_[h] = horarios.temperaturaRefrigeracion[h];
        calefaccionPropia_[h] = horarios.temperaturaCalefaccion[h];
        // The season schedule decides which hours are heating hours, for every later user.
        if (hayEstacion) {
            estacion[h] = horarios.estacion[h];
            if (h < static_cast<int>(calefaccionHoraria.size()))
                calefaccionHoraria[h] = horarios.estacion[h];
        }
        // The building-wide temperatures rule outside and inside the heating hours, whether
        // those come from the heating months or from a season schedule.
        if (gGlobal2->noEsHoraCalefaccion(h) && temperaturaVerano > -100.0f)
            refrigeracionPropia_[h] = temperaturaVerano;
        if (gGlobal2->esHoraCalefaccion(h) && temperaturaInvierno > -100.0f)
            calefaccionPropia_[h] = temperaturaInvierno;
        // The month of h read as an hour of the year.
        int horaDia, diaMes, mes;
        Calendario::mesYDia(h, horaDia, diaMes, mes);
        capacidadCalefaccion[h] = potenciaCalefaccion * horarioCalefaccion[h] *
                                  static_cast<float>(gGlobal2->mesesCalefaccion[mes]);
        capacidadRefrigeracion[h] = potenciaRefrigeracion * horarioRefrigeracion[h] *
                                    static_cast<float>(gGlobal2->mesesRefrigeracion[mes]);
        ventilador[h] = horarios.ventilador[h];
    }
    consignaCalefaccion = calefaccionPropia_.data();
    consignaRefrigeracion = refrigeracionPropia_.data();
}

// Building-wide set-point schedules replace the entry's set-points.
void CondicionesSistemas::aplicarConsignasEdificio() {
    const float* minima = horario(gLeerBDL, "MIN-INTERNAL-TEMPERATURE-SCH", nullptr);
    if (minima) {
        consignaCalefaccion = minima;
        propiaCalefaccion = false;
        std::vector<float>().swap(calefaccionPropia_);
    }
    const float* maxima = horario(gLeerBDL, "MAX-INTERNAL-TEMPERATURE-SCH", nullptr);
    if (maxima) {
        consignaRefrigeracion = maxima;
        propiaRefrigeracion = false;
        std::vector<float>().swap(refrigeracionPropia_);
    }
}

// Free cooling (method 1) follows the enthalpy when OA-CONTROL says so.
void CondicionesSistemas::leerControlAireExterior(const LeerBDL* e) {
    std::string control;
    controlEntalpia = (palabra(e, "OA-CONTROL", control) && control == "ENTHALPY") ? 1 : 0;
}

CondicionesSistemas::~CondicionesSistemas() = default;
