// Stand-in until schedules are built: no schedule.
#include "input/ListaSchedule.h"

ListaSchedule::ListaSchedule(const LeerBDL&) {}
ListaSchedule::~ListaSchedule() = default;
const float* ListaSchedule::horario(const std::string&) const {
    return nullptr;
}
