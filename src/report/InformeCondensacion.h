#pragma once
#include <vector>

#include "report/JsonInforme.h"

class ContextoInforme;
class Elemento1D;
struct PerfilIntersticial;
struct ResultadoComprobacion;

// The condensation checks of an element in the report: the surface temperature factor against
// the space's minimum, and the month-by-month interstitial profile (Glaser), recomputed with
// the check's own function from what the check was given.
class InformeCondensacion {
public:
    // Null when no condensation check was made for the element; intersticial: its interstitial
    // check (resultadoIntersticial) or null; perfil: the position of its interstitial profile
    // among the report's profiles (-1: none).
    static Json condensacion(const ContextoInforme& c, int indice,
                             const ResultadoComprobacion* intersticial, int perfil);
    // The interstitial check of the element, or null.
    static const ResultadoComprobacion* resultadoIntersticial(const ContextoInforme& c, int indice);
    // The interstitial profile of the element under its check r; null when it is undefined.
    static Json intersticial(const ContextoInforme& c, const Elemento1D& e,
                             const ResultadoComprobacion& r);
    // The month drawn by default: the one that condenses most, else the one whose vapour
    // pressure comes closest to saturation.
    static int peorMes(const PerfilIntersticial& p, const std::vector<double>& tasaMes);

private:
    static Json perfil(const PerfilIntersticial& p, const float* Te, const float* Ti,
                       const float* HRe, float humedadInterior);
    // The profile of month m into its object j; tasa: the month's sum of rates.
    static void mes(const PerfilIntersticial& p, int m, const std::vector<int>& planos, Json& j,
                    double& tasa);
};
