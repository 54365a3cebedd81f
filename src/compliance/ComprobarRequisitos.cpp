// Stand-in until the requirements check is built: nothing is recorded.
#include "compliance/ComprobarRequisitos.h"

void ComprobarRequisitos(Edificio&, const float*, float, const float*, const float*, float*,
                         const std::string&, const std::string&) {}
