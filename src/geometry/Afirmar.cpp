#include "geometry/Afirmar.h"

#include "input/Global2.h"
#include "shell/ErrorFatal.h"
#include "shell/Globales.h"

void comprobarGeometria(bool condicion, const std::string& mensaje) {
    if (condicion) return;
    if (gGlobal2) gGlobal2->comprobar(false, mensaje);
    throw ErrorFatal(3, mensaje);
}

void afirmarGeometria(bool condicion) {
    comprobarGeometria(condicion, "Se ha producido un error");
}
