#pragma once
#include <cstddef>

// The page template of the report (src/report/plantilla/informe.html), built into the
// executable when it is compiled: its bytes, without a terminating zero in the count.
extern const char kPlantillaInforme[];
extern const std::size_t kLongitudPlantillaInforme;
