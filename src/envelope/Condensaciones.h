#pragma once
#include <vector>

class Elemento;
class Elemento1D;
struct Capa;

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
};
