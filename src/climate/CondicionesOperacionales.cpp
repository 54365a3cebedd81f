// Stand-in until the operating conditions are built.
#include "climate/CondicionesOperacionales.h"

CondicionesOperacionales::CondicionesOperacionales() = default;
CondicionesOperacionales::CondicionesOperacionales(const LeerBDL&, const std::string& n)
    : nombre(n) {}
CondicionesOperacionales::~CondicionesOperacionales() = default;
