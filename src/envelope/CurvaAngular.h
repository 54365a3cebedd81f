#pragma once
#include <array>

// Angular curve of a glazing property: the ratio to its value at normal incidence at 0, 10,
// ..., 90 degrees, and the least-squares fit of that ratio by a polynomial in cos(theta)
// without constant term, a1 c + a2 c^2 + ... + a5 c^5. The missing constant makes the curve
// vanish at grazing incidence, as the tabulated ratios do, and the fit smooths the table
// between its points.
struct CurvaAngular {
    static constexpr int kNumAngulos = 10;
    static constexpr int kGrado = 5;
    std::array<float, kNumAngulos> razon{};
    std::array<double, kGrado> coeficientes{};

    void ajustar(const std::array<float, kNumAngulos>& razones);
    // The fitted ratio at cos(theta) = c; 0 for c <= 0 (the sun behind the glazing).
    float evaluar(float c) const;

    // cos of 0, 10, ..., 90 degrees (the last exactly 0).
    static const std::array<float, kNumAngulos>& cosenos();
};
