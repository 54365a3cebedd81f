#include "shell/Consola.h"

#include <cstdio>
#include <unistd.h>

#include "base/TextoLatin1.h"

bool Consola::esTerminal() {
    return isatty(fileno(stderr)) != 0;
}

void Consola::mensajeError(const std::string& mensaje) {
    std::string linea = "Se ha producido un error: " + mensaje + "\n";
    if (esTerminal()) linea = aUtf8(linea);
    std::fputs(linea.c_str(), stderr);
    std::fflush(stderr);
}

void Consola::linea(const std::string& texto) {
    if (texto.empty()) return;
    std::string l = texto + "\n";
    if (esTerminal()) l = aUtf8(l);
    std::fputs(l.c_str(), stderr);
    std::fflush(stderr);
}
