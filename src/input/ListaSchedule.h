#pragma once
#include <string>
#include <vector>

class LeerBDL;

// Daily, weekly and annual schedules of the building file, the annual ones expanded to one value
// per calculated hour (element 0 = the first calculated hour).
class ListaSchedule {
public:
    explicit ListaSchedule(const LeerBDL& bdl);
    virtual ~ListaSchedule();
    // The hourly series of the annual schedule with exactly this name (quotes included), or
    // null when there is none.
    const float* horario(const std::string& nombre) const;
};
