#pragma once
#include "report/JsonInforme.h"

class ContextoInforme;
class DocumentoJson;

// The building-level parts of the report: the building's parameters, the limits of the zone,
// the monthly climate of the check, the storeys and the spaces.
class InformeEdificio {
public:
    static Json edificio(const ContextoInforme& c);
    static Json limites(const ContextoInforme& c);
    static Json clima(const ContextoInforme& c);
    static Json plantas(const ContextoInforme& c);
    // The member "espacios", space by space.
    static void espacios(const ContextoInforme& c, DocumentoJson& d);

private:
    static Json espacio(const ContextoInforme& c, int i);
};
