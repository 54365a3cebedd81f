#include "base/ErrorFatal.h"

void errorFatal(const std::string& mensaje) {
    throw ErrorFatal(mensaje);
}

void comprobarSinMensaje(bool condicion) {
    if (!condicion) errorFatal("Error");
}

void afirmar(bool condicion) {
    if (!condicion) errorFatal("Se ha producido un error");
}
