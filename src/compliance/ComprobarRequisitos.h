#pragma once
#include <string>

class Edificio;
struct DatosComprobacion;

// The minimum-requirements check of the whole building; its effects are the hub's results,
// failure lists, failing flag and error-log lines, and the interior humidities it overwrites.
// When given `datos`, it also leaves there what it worked with (limits, films, per-space
// hygrometry, reduction factors, how it saw each element, the zone-number summary).
void ComprobarRequisitos(Edificio& edificio, const float Te[12], float Tanual, const float Ti[12],
                         const float HRe[12], float HRi[12], const std::string& zonaClimatica,
                         const std::string& ficheroLimites, DatosComprobacion* datos = nullptr);
