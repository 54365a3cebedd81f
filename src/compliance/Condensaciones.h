#pragma once

class Elemento;
class Elemento1D;

// Surface and interstitial condensation checks and the thermal-bridge check of an element.
class Condensaciones {
public:
    // fRsi = 1 - 0.25 U against fRsiMin; failure list 1.
    static void superficial(const Elemento1D& e, float fRsiMin, float hOut, float hIn);
    // The surface check, then interstitial condensation month by month over the layer stack;
    // failure list 2.
    static void intersticial(const Elemento1D& e, float fRsiMin, float hOut, float hIn,
                             const float* Te, const float* Ti, const float* HRe, const float* HRi);
    // Every row of the element's bridge table but the closing one against fRsiMin; list 4.
    static void comprobarPuentesTermicos(const Elemento& e, float fRsiMin);
};
