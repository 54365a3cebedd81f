#include "envelope/CurvaAngular.h"

#include <cmath>
#include <utility>

const std::array<float, CurvaAngular::kNumAngulos>& CurvaAngular::cosenos() {
    static const std::array<float, CurvaAngular::kNumAngulos> c = [] {
        std::array<float, CurvaAngular::kNumAngulos> r{};
        const double gradARad = 3.14159265358979323846 / 180.0;
        for (int i = 0; i < CurvaAngular::kNumAngulos - 1; ++i)
            r[i] = static_cast<float>(std::cos(10.0 * i * gradARad));
        r[CurvaAngular::kNumAngulos - 1] = 0.0f;
        return r;
    }();
    return c;
}

void CurvaAngular::ajustar(const std::array<float, kNumAngulos>& razones) {
    razon = razones;
    // Normal equations of the least-squares problem, solved by Gaussian elimination with
    // partial pivoting. The cosines are distinct and non-zero but one, so the powers c..c^5
    // are independent and the system is regular.
    const std::array<float, kNumAngulos>& c = CurvaAngular::cosenos();
    double m[kGrado][kGrado + 1] = {};
    for (int i = 0; i < kNumAngulos; ++i) {
        double potencias[kGrado];
        double p = c[i];
        for (int k = 0; k < kGrado; ++k, p *= c[i]) potencias[k] = p;
        for (int f = 0; f < kGrado; ++f) {
            for (int k = 0; k < kGrado; ++k) m[f][k] += potencias[f] * potencias[k];
            m[f][kGrado] += potencias[f] * razones[i];
        }
    }
    for (int col = 0; col < kGrado; ++col) {
        int piv = col;
        for (int f = col + 1; f < kGrado; ++f)
            if (std::fabs(m[f][col]) > std::fabs(m[piv][col])) piv = f;
        for (int k = 0; k <= kGrado; ++k) std::swap(m[col][k], m[piv][k]);
        if (m[col][col] == 0.0) continue;
        for (int f = 0; f < kGrado; ++f) {
            if (f == col) continue;
            double factor = m[f][col] / m[col][col];
            for (int k = col; k <= kGrado; ++k) m[f][k] -= factor * m[col][k];
        }
    }
    for (int k = 0; k < kGrado; ++k)
        coeficientes[k] = m[k][k] != 0.0 ? m[k][kGrado] / m[k][k] : 0.0;
}

float CurvaAngular::evaluar(float c) const {
    if (!(c > 0.0f)) return 0.0f;
    if (c > 1.0f) c = 1.0f;
    double v = 0.0, p = c;
    for (int k = 0; k < kGrado; ++k, p *= c) v += coeficientes[k] * p;
    return v > 0.0 ? static_cast<float>(v) : 0.0f;
}
