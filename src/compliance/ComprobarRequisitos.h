#pragma once
#include <string>

class Edificio;

// The minimum-requirements check of the whole building; its effects are the hub's failure lists,
// failing flag and error-log lines, and the interior humidities it overwrites.
void ComprobarRequisitos(Edificio& edificio, const float Te[12], float Tanual, const float Ti[12],
                         const float HRe[12], float HRi[12], const std::string& zonaClimatica,
                         const std::string& ficheroLimites);
