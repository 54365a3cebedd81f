// Stand-in until the system conditions are built.
#include "climate/CondicionesSistemas.h"

CondicionesSistemas::CondicionesSistemas() = default;
CondicionesSistemas::CondicionesSistemas(const LeerBDL&, const std::string& n) : nombre(n) {}
CondicionesSistemas::~CondicionesSistemas() = default;
