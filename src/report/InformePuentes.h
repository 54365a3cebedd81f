#pragma once
#include "report/JsonInforme.h"

class ContextoInforme;
class DocumentoJson;

// The inferred partitions and the thermal bridges of the report: the partitions in the order of
// Particio.dat, the bridge edges in the order of puentes.dat, and the check of each bridge type
// against the building's minimum temperature factor.
class InformePuentes {
public:
    static Json particiones(const ContextoInforme& c);
    // The member "puentesTermicos", edge by edge.
    static void puentesTermicos(const ContextoInforme& c, DocumentoJson& d);
    static Json comprobacionesPuentes(const ContextoInforme& c);

private:
    static void puentes(const ContextoInforme& c, DocumentoJson& d);
};
