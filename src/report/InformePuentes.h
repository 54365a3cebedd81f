#pragma once
#include "report/JsonInforme.h"

class ContextoInforme;

// The inferred partitions and the thermal bridges of the report: the partitions in the order of
// Particio.dat, the bridge edges in the order of puentes.dat, and the check of each bridge type
// against the building's minimum temperature factor.
class InformePuentes {
public:
    static Json particiones(const ContextoInforme& c);
    static Json puentesTermicos(const ContextoInforme& c);
    static Json comprobacionesPuentes(const ContextoInforme& c);
};
