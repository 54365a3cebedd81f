#pragma once
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "report/JsonInforme.h"

class ContextoInforme;
class Elemento1D;
struct ResultadoComprobacion;

// The constructions and interstitial condensation profiles of the report, each written once:
// elements of the same construction (layers, names and values alike) refer to one entry, and
// those that also share the check's films and interior humidity to one profile.
class CatalogoInforme {
public:
    // Position of the element's construction in `construcciones`, adding it when new.
    int construccion(const Elemento1D& e);
    // Position in `perfiles` of the interstitial profile of the element (of construction
    // `construccion`) under the interstitial check r; -1 when the profile is undefined (a stack
    // without resistance or without vapour resistance).
    int perfil(const ContextoInforme& c, const Elemento1D& e, int construccion,
               const ResultadoComprobacion& r);

    Json construcciones = Json::array();
    Json perfiles = Json::array();

private:
    static std::string clave(const Elemento1D& e);

    std::unordered_map<std::string, int> porConstruccion_;
    std::map<std::tuple<int, float, float, float>, int> porPerfil_;
};
