#pragma once
#include "report/JsonInforme.h"

class ContextoInforme;

// The building-level summary of the zone-number regime in the report.
class InformeResumen {
public:
    // Null in the orientation regime, or when the summary was not reached.
    static Json resumenZonas(const ContextoInforme& c);
};
