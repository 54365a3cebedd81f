// Stand-in until thermal bridges are built: no bridge.
#include "geometry/PuentesTermicos.h"

void PuentesTermicos::ejecutar() {}
