#pragma once
#include <string>

#include "report/FuentesInforme.h"
#include "report/JsonInforme.h"

// The report of a run: every number behind the verdict, as the JSON document of
// docs/informe.schema.json (version 1) and as one self-contained HTML page.
class Informe {
public:
    static constexpr int kVersion = 1;
    static constexpr const char* kPrefijoError = "Se ha producido un error: ";

    static Json construir(const FuentesInforme& fuentes);
    // Writes carpeta/informe.json and carpeta/informe.html, creating the folder when missing;
    // false (with the reason, UTF-8) when a file cannot be written.
    static bool escribir(const std::string& carpeta, const Json& informe, std::string& motivo);
};
