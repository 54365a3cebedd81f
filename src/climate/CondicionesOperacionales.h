#pragma once
#include <string>
#include <vector>

class LeerBDL;

// Operating conditions of a SPACE-CONDITIONS entry: infiltration and hourly internal gains.
class CondicionesOperacionales {
public:
    // The default record "SIN-FUENTES-INTERNAS-POR-DEFECTO".
    CondicionesOperacionales();
    // From the entry's object view and its name (with quotes).
    CondicionesOperacionales(const LeerBDL& entrada, const std::string& nombre);
    virtual ~CondicionesOperacionales();

    std::string nombre = "SIN-FUENTES-INTERNAS-POR-DEFECTO";
    bool infiltracionRenovaciones = false; // AIR-CHANGES/HR rather than INF-FLOW/AREA
    float infiltracion = 0.0f;
};
