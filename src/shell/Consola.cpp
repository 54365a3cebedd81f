#include "shell/Consola.h"

#include <cstdio>
#include <unistd.h>

#include "base/ErrorFatal.h"
#include "base/TextoLatin1.h"

bool Consola::esTerminal() {
    return isatty(fileno(stderr)) != 0;
}

void Consola::mensajeError(const std::string& mensaje) {
    linea(ErrorFatal::kPrefijo + mensaje);
}

void Consola::linea(const std::string& texto) {
    if (texto.empty()) return;
    std::string l = texto + "\n";
    if (esTerminal()) l = aUtf8(l);
    std::fputs(l.c_str(), stderr);
    std::fflush(stderr);
}
