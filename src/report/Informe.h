#pragma once
#include <string>

#include "report/FuentesInforme.h"
#include "report/JsonInforme.h"

// The report of a run: every number behind the verdict, as the JSON document of
// docs/informe.schema.json (version 1) and as one self-contained HTML page.
class Informe {
public:
    static constexpr int kVersion = 1;

    // The report as JSON text (UTF-8, without a line end).
    static std::string texto(const FuentesInforme& fuentes);
    // The same read back as a tree.
    static Json construir(const FuentesInforme& fuentes);
    // Writes the JSON text to carpeta/informe.json (with a line end) and its page to
    // carpeta/informe.html, creating the folder when missing; false (with the reason) when a
    // file cannot be written.
    static bool escribir(const std::string& carpeta, const std::string& texto, std::string& motivo);
};
