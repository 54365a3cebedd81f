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

CondicionesSistemas::CondicionesSistemas(const LeerBDL& entrada, const std::string& n) : nombre(n) {
    const LeerBDL* e = &entrada;
    const int horas = horasDelCalculo();
    cero_ = reservarReales(horas);
    const float* cero = cero_.data();

    // An unknown word keeps the ideal system, as when the key is absent.
    std::string palabraMetodo;
    if (palabra(e, "ZONAL-ZONE-METHOD", palabraMetodo)) {
        const int m = metodoDe(palabraMetodo);
        if (m >= 0) metodo = m;
    }

    const float* temperaturaCalefaccion = horario(e, "HEAT-TEMP-SCH", cero);
    const float* temperaturaRefrigeracion = horario(e, "COOL-TEMP-SCH", cero);
    horarioCalefaccion = horario(e, "HEATING-SCHEDULE", cero);
    horarioRefrigeracion = horario(e, "COOLING-SCHEDULE", cero);
    const float* fan = horario(e, "FAN-SCHEDULE", cero);
    std::string nombreEstacion;
    const float* season = horario(e, "SEASON-SCH", cero, &nombreEstacion);
    hayEstacion = !nombreEstacion.empty();

    real(e, "MAX-HEAT-RATE", potenciaCalefaccion);
    real(e, "MAX-COOL-RATE", potenciaRefrigeracion);
    if (real(e, "FLOW/AREA", caudalPorArea)) caudalPorArea *= 0.00033333333f;
    if (real(e, "OUTSIDE-AIR-FLOW", caudalAireExterior)) caudalAireExterior *= 0.00033333333f;
    real(e, "RECOV-TEMP", temperaturaRecuperacion);
    if (real(e, "RECOV-KW", potenciaRecuperacion)) potenciaRecuperacion *= 1000.0f;
    real(e, "RECOV-EFF", eficienciaRecuperacion);
    real(e, "THROTTLING-RANGE", rangoEstrangulamiento);

    real(gLeerBDL, "SUMMER-INTERNAL-TEMPERATURE", temperaturaVerano);
    real(gLeerBDL, "WINTER-INTERNAL-TEMPERATURE", temperaturaInvierno);

    calefaccionPropia_ = reservarReales(horas);
    refrigeracionPropia_ = reservarReales(horas);
    capacidadCalefaccion = reservarReales(horas);
    capacidadRefrigeracion = reservarReales(horas);
    ventilador = reservarReales(horas);
    estacion = reservarReales(horas);
    std::vector<float>& calefaccionHoraria = gGlobal2->calefaccionHoraria;
    for (int h = 0; h < horas; ++h) {
        refrigeracionPropia_[h] = temperaturaRefrigeracion[h];
        calefaccionPropia_[h] = temperaturaCalefaccion[h];
        // The season schedule decides which hours are heating hours, for every later user.
        if (hayEstacion) {
            estacion[h] = season[h];
            if (h < static_cast<int>(calefaccionHoraria.size())) calefaccionHoraria[h] = season[h];
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
        ventilador[h] = fan[h];
    }
    consignaCalefaccion = calefaccionPropia_.data();
    consignaRefrigeracion = refrigeracionPropia_.data();

    // Building-wide set-point schedules replace the entry's set-points.
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

    if (metodo == 1) {
        std::string control;
        controlEntalpia = (palabra(e, "OA-CONTROL", control) && control == "ENTHALPY") ? 1 : 0;
    }
}

CondicionesSistemas::~CondicionesSistemas() = default;
