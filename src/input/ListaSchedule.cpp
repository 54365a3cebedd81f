#include "input/ListaSchedule.h"

#include <algorithm>
#include <cmath>

#include "base/Calendario.h"
#include "base/ErrorFatal.h"
#include "base/Memoria.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"

ListaSchedule* gSchedules = nullptr;

namespace {

// Days of the year before the first day of each month (no leap year).

// A list value truncated to an integer; false when it is not a finite number of sane size.
bool truncar(float v, int& r) {
    if (!(std::fabs(v) < 1.0e6f)) return false;
    r = static_cast<int>(v);
    return true;
}

} // namespace

ListaSchedule::ListaSchedule(const LeerBDL& bdl) {
    comprobar(gGlobal2 != nullptr, "Sin Memoria");
    for (const std::string& n : bdl.nombresObjetos("SCHEDULE-PD")) {
        Anual a;
        a.nombre = n;
        a.serie = reservarReales(kHorasAnio);
        indiceAnuales_.emplace(n, static_cast<int>(anuales_.size()));
        anuales_.push_back(std::move(a));
    }
    for (const std::string& n : bdl.nombresObjetos("WEEK-SCHEDULE-PD")) {
        Semanal s;
        s.nombre = n;
        indiceSemanales_.emplace(n, static_cast<int>(semanales_.size()));
        semanales_.push_back(s);
    }
    for (const std::string& n : bdl.nombresObjetos("DAY-SCHEDULE-PD")) {
        Diario d;
        d.nombre = n;
        d.valores = reservarReales(kHorasDia);
        indiceDiarios_.emplace(n, static_cast<int>(diarios_.size()));
        diarios_.push_back(std::move(d));
    }
    leerDiarios(bdl);
    leerSemanales(bdl);
    leerAnuales(bdl);
    for (Anual& a : anuales_) expandir(a);
}

ListaSchedule::~ListaSchedule() = default;

void ListaSchedule::leerDiarios(const LeerBDL& bdl) {
    for (Diario& d : diarios_) {
        auto o = LeerBDL::objeto(bdl, "DAY-SCHEDULE-PD", d.nombre);
        comprobar(o->texto() != nullptr, "No se encuentra: " + d.nombre);
        comprobar(o->dameValores("VALUES", kHorasDia, d.valores) == 0,
                  "Error leyendo schedule diario " + d.nombre);
    }
}

void ListaSchedule::leerSemanales(const LeerBDL& bdl) {
    std::vector<std::string> nombres;
    for (Semanal& s : semanales_) {
        auto o = LeerBDL::objeto(bdl, "WEEK-SCHEDULE-PD", s.nombre);
        comprobar(o->texto() != nullptr, "No se encuentra: " + s.nombre);
        int n = o->dameListaCadenas("DAY-SCHEDULES", nombres);
        comprobar(n > 0, "Error leyendo schedule semanal " + s.nombre);
        // Every listed name must exist; the first seven give the days of the cycle and, when
        // fewer are listed, the last one repeats.
        for (int k = 0; k < n; ++k) {
            const std::string& dn = nombres[static_cast<std::size_t>(k)];
            auto it = indiceDiarios_.find(dn);
            comprobar(it != indiceDiarios_.end(), "No se encuentra el schedule diario " + dn);
            if (k < kDiasSemana) s.dias[k] = it->second;
        }
        for (int k = n; k < kDiasSemana; ++k) s.dias[k] = s.dias[k - 1];
    }
}

void ListaSchedule::leerAnuales(const LeerBDL& bdl) {
    std::vector<std::string> semanas;
    std::vector<float> meses, dias;
    for (Anual& a : anuales_) {
        auto o = LeerBDL::objeto(bdl, "SCHEDULE-PD", a.nombre);
        comprobar(o->texto() != nullptr, "No se encuentra: " + a.nombre);
        const std::string errorSemanas = "Error leyendo schedule anual " + a.nombre;
        const std::string errorMeses = "Error leyendo meses en schedule anual " + a.nombre;
        const std::string errorDias = "Error leyendo dias en schedule anual " + a.nombre;
        meses.clear();
        dias.clear();
        int nSemanas = o->dameListaCadenas("WEEK-SCHEDULES", semanas);
        comprobar(nSemanas >= 0, errorSemanas);
        int nMeses = o->dameLista("MONTH", meses);
        comprobar(nMeses >= 0, errorMeses);
        int nDias = o->dameLista("DAY", dias);
        comprobar(nDias > 0, errorDias);
        // Every period needs its weekly schedule and its end month.
        comprobar(nSemanas >= nDias, errorSemanas);
        comprobar(nMeses >= nDias, errorMeses);
        a.periodos.assign(static_cast<std::size_t>(nDias), Periodo{});
        for (int k = 0; k < nDias; ++k) {
            std::size_t i = static_cast<std::size_t>(k);
            Periodo& p = a.periodos[i];
            comprobar(truncar(meses[i], p.mes) && p.mes >= 1 && p.mes <= 12, errorMeses);
            comprobar(truncar(dias[i], p.dia), errorDias);
            auto it = indiceSemanales_.find(semanas[i]);
            comprobar(it != indiceSemanales_.end(),
                      "No se encuentra el schedule semanal " + semanas[i]);
            p.semanal = it->second;
        }
    }
}

void ListaSchedule::expandir(Anual& a) const {
    std::vector<int> finPeriodo;
    for (const Periodo& p : a.periodos)
        finPeriodo.push_back(Calendario::kDiasAntesDelMes[p.mes - 1] + p.dia - 1);
    const int P = static_cast<int>(a.periodos.size());
    for (int d = 0; d < kDiasAnio; ++d) {
        int k = 0;
        while (k < P && finPeriodo[static_cast<std::size_t>(k)] < d) ++k;
        if (k == P) k = P - 1;
        const Semanal& s =
            semanales_[static_cast<std::size_t>(a.periodos[static_cast<std::size_t>(k)].semanal)];
        const Diario& dia = diarios_[static_cast<std::size_t>(s.dias[d % kDiasSemana])];
        std::copy(dia.valores.begin(), dia.valores.begin() + kHorasDia,
                  a.serie.begin() + static_cast<long>(kHorasDia) * d);
    }
    // Re-base to the calculation period: element 0 becomes the first calculated hour.
    const int inicio = std::clamp(gGlobal2->horaInicio, 0, kHorasAnio);
    const int fin = std::clamp(gGlobal2->horaFin, inicio - 1, kHorasAnio - 1);
    std::vector<float> periodo(a.serie.begin() + inicio, a.serie.begin() + fin + 1);
    const std::size_t n =
        std::min(periodo.size(), static_cast<std::size_t>(std::max(0, gGlobal2->horas)));
    std::copy(periodo.begin(), periodo.begin() + static_cast<long>(n), a.serie.begin());
}

const float* ListaSchedule::horario(const std::string& nombre) const {
    auto it = indiceAnuales_.find(nombre);
    return it == indiceAnuales_.end() ? nullptr
                                      : anuales_[static_cast<std::size_t>(it->second)].serie.data();
}
