#pragma once
#include <string>

class LeerBDL;

// System conditions of a SYSTEM-CONDITIONS entry.
class CondicionesSistemas {
public:
    // The default record "NO-ACONDICIONADO-POR-DEFECTO": method 5, every series 0.
    CondicionesSistemas();
    CondicionesSistemas(const LeerBDL& entrada, const std::string& nombre);
    virtual ~CondicionesSistemas();

    std::string nombre = "NO-ACONDICIONADO-POR-DEFECTO";
    int metodo = 5;
};
