#pragma once
#include <string>

// Fatal checks of the geometry primitives. A failed internal check (an assertion) reaches the
// user with the generic text "Se ha producido un error"; a failed check with a message shows
// and logs that message. Both go through the run hub's error service and unwind with
// ErrorFatal; without a hub (a bare unit of code) ErrorFatal is thrown directly.
void afirmarGeometria(bool condicion);
void comprobarGeometria(bool condicion, const std::string& mensaje);
