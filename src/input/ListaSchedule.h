#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Calendario.h"

class LeerBDL;

// Daily, weekly and annual schedules of the building file, the annual ones expanded to one value
// per calculated hour (element 0 = the first calculated hour).
class ListaSchedule {
public:
    static constexpr int kDiasAnio = 365;
    static constexpr int kHorasAnio = Calendario::kHorasAnio;
    static constexpr int kHorasDia = 24;
    static constexpr int kDiasSemana = 7;

    explicit ListaSchedule(const LeerBDL& bdl);
    virtual ~ListaSchedule();
    // The hourly series of the annual schedule with exactly this name (quotes included), or
    // null when there is none.
    const float* horario(const std::string& nombre) const;

    // A daily profile: 24 hourly values, hour 0 = 00:00-01:00.
    struct Diario {
        std::string nombre;
        std::vector<float> valores;
    };
    // A weekly schedule: the daily profile of each day of the 7-day cycle (day 0 = 1 January).
    struct Semanal {
        std::string nombre;
        int dias[kDiasSemana] = {};
    };
    // One period of an annual schedule: it ends on (mes, dia) and uses one weekly schedule.
    struct Periodo {
        int mes = 12;
        int dia = 31;
        int semanal = 0;
    };
    struct Anual {
        std::string nombre;
        std::vector<Periodo> periodos;
        std::vector<float> serie; // 8,760 values, the first `horas` re-based to the period
    };
    const std::vector<Diario>& diarios() const { return diarios_; }
    const std::vector<Semanal>& semanales() const { return semanales_; }
    const std::vector<Anual>& anuales() const { return anuales_; }

private:
    void leerDiarios(const LeerBDL& bdl);
    void leerSemanales(const LeerBDL& bdl);
    void leerAnuales(const LeerBDL& bdl);
    void expandir(Anual& a) const;

    std::vector<Diario> diarios_;
    std::vector<Semanal> semanales_;
    std::vector<Anual> anuales_;
    std::unordered_map<std::string, int> indiceDiarios_, indiceSemanales_, indiceAnuales_;
};

// The schedules of the current run, set by the run driver.
extern ListaSchedule* gSchedules;
