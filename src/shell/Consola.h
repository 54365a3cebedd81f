#pragma once
#include <string>

// Standard error of the engine: the fatal-error report that stands in for the message box.
class Consola {
public:
    // "Se ha producido un error: " + message + line end, on standard error (UTF-8 on a
    // terminal, the Latin-1 bytes otherwise).
    static void mensajeError(const std::string& mensaje);
    // One more line on standard error, in the same encoding; nothing for an empty text.
    static void linea(const std::string& texto);
    static bool esTerminal();
};
