// Stand-in until the condensation checks are built: nothing is recorded.
#include "compliance/Condensaciones.h"

void Condensaciones::superficial(const Elemento1D&, float, float, float) {}
void Condensaciones::intersticial(const Elemento1D&, float, float, float, const float*,
                                  const float*, const float*, const float*) {}
void Condensaciones::comprobarPuentesTermicos(const Elemento&, float) {}
