#pragma once
#include <string>

// The report page: the page template built into the executable, with its one placeholder
// replaced by the report's JSON. Every "<" of the JSON is written as the escape \u003c, so that
// no text of the building can close the script element that holds the data.
class EscritorHtml {
public:
    static constexpr const char* kMarcador = "/*@INFORME@*/";

    // Writes the page to a file; false when it cannot be written.
    static bool escribir(const std::string& ruta, const std::string& json);
    // The JSON text with every "<" escaped.
    static std::string escapar(const std::string& json);
};
