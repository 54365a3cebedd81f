#pragma once
#include <string>
#include <vector>

class DirectorioTemporal;

// One room with a south wall and a window, as the integration case "ventanas" has it: the
// building that the diagnostics tests edit. Its line numbers are those their expectations name.
extern const char* const kEdificioUnaSala;

// An edit of a building text: the first occurrence of `buscar` replaced (appended when empty).
struct Cambio {
    std::string buscar, poner;
};
std::string editar(std::string texto, const std::vector<Cambio>& cambios);

// A run folder for edificio.bdl: a constant climate (clima.txt), the sample limits and glazing
// library, the defaults of the integration cases and an empty catalogue.
void prepararCarpetaDeEjecucion(const DirectorioTemporal& dir);
// The defaults of the integration cases with `antes` in front of them, as defectos.inp.
void escribirDefectos(const DirectorioTemporal& dir, const std::string& antes);
