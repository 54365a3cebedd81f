#pragma once
#include <vector>

#include "report/JsonInforme.h"

class ContextoInforme;
struct PerfilIntersticial;

// The condensation checks of an element in the report: the surface temperature factor against
// the space's minimum, and the month-by-month interstitial profile (Glaser), recomputed with
// the check's own function from what the check was given.
class InformeCondensacion {
public:
    // Null when no condensation check was made for the element.
    static Json condensacion(const ContextoInforme& c, int indice);
    // The month drawn by default: the one that condenses most, else the one whose vapour
    // pressure comes closest to saturation.
    static int peorMes(const PerfilIntersticial& p, const std::vector<double>& tasaMes);

private:
    static Json intersticial(const PerfilIntersticial& p, const float* Te, const float* Ti,
                             const float* HRe, float humedadInterior);
    static Json mes(const PerfilIntersticial& p, int m, const std::vector<int>& planos,
                    double& tasa);
};
