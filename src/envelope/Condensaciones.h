#pragma once
#include <vector>

class Elemento;
class Elemento1D;
struct Capa;

// The monthly profile of the interstitial check of a layer stack, as the check computes it: the
// interfaces of the sub-layers from the outer face (0) to the inner face (N), and per month the
// temperature, saturation pressure and vapour pressure at each interface (the pressure held at
// saturation at the condensation planes) and the condensation rate at each plane (kg/m2 in the
// month; negative: evaporation).
struct PerfilIntersticial {
    bool definido = false;     // false when the stack has no resistance or no vapour resistance
    bool condensa = false;     // the verdict of the check (true: it fails)
    std::vector<double> x, sd; // distance and equivalent air thickness from the outer face, m
    std::vector<int> capa; // the layer on the inner side of each interface, -1 at the inner face
    std::vector<std::vector<double>> temperatura, psat, p, tasas; // [month][interface]
    std::vector<char> plano; // the planes that remain after dropping those that never condense
};

// Surface and interstitial condensation checks and the thermal-bridge check of an element.
class Condensaciones {
public:
    // Interior surface resistance of the surface check, m2K/W.
    static constexpr float kRsiSuperficial = 0.25f;
    // Vapour permeability of still air, kg/(m s Pa).
    static constexpr double kPermeabilidadAire = 2.0e-10;

    // fRsi = 1 - 0.25 U against fRsiMin; failure list 1.
    static void superficial(const Elemento1D& e, float fRsiMin, float hOut, float hIn);
    // The surface check, then interstitial condensation month by month over the layer stack;
    // failure list 2.
    static void intersticial(const Elemento1D& e, float fRsiMin, float hOut, float hIn,
                             const float* Te, const float* Ti, const float* HRe, const float* HRi);
    // Every row of the element's bridge table but the closing one against fRsiMin; list 4.
    static void comprobarPuentesTermicos(const Elemento& e, float fRsiMin);

    // The interstitial verdict of a layer stack (outside first) with the exterior and interior
    // film coefficients he and hi: true when some layer accumulates condensate over the year,
    // or an insulating layer (0 < conductivity < 0.1 W/mK) condenses in some month, with less
    // than 100 m of equivalent air thickness between it and the outer face.
    static bool condensaIntersticial(const std::vector<Capa>& capas, float he, float hi,
                                     const float* Te, const float* Ti, const float* HRe,
                                     const float* HRi);
    // The same computation with its whole monthly profile.
    static PerfilIntersticial perfilIntersticial(const std::vector<Capa>& capas, float he, float hi,
                                                 const float* Te, const float* Ti, const float* HRe,
                                                 const float* HRi);
};
