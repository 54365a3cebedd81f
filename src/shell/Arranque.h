#pragma once
#include <string>
#include <vector>

#include "shell/Opciones.h"

// The engine's entry point: parameter log, argument splitting, progress display and run driver.
class Arranque {
public:
    static constexpr int kMaxTokens = 250;

    // Runs the engine on a raw argument string; returns the exit code (0 or 3).
    static int ejecutar(const std::string& linea, const std::string& ejecutable);
    // The same, with the switches of the command line (progress, report, review).
    static int ejecutar(const std::string& linea, const std::string& ejecutable,
                        const OpcionesEjecucion& opciones);
    // Splits on commas, dropping the leading blanks of every token; at most 250 tokens.
    static std::vector<std::string> dividir(const std::string& linea);
    // The six run arguments: tokens 1 to 5, and token 6 only when there are at least six
    // ("defectos.inp" otherwise).
    static std::vector<std::string> argumentos(const std::vector<std::string>& tokens);
};
