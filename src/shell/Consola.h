#pragma once
#include <string>

// Standard error of the engine: the fatal-error report that stands in for the message box, and
// the Latin-1 to UTF-8 conversion of what is printed to a terminal.
class Consola {
public:
    // "Se ha producido un error: " + message + line end, on standard error.
    static void mensajeError(const std::string& mensaje);
    // Windows-1252 bytes to UTF-8.
    static std::string aUtf8(const std::string& latin1);
    static bool esTerminal();
};
