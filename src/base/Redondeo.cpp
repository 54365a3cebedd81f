#include "base/Redondeo.h"

#include <cmath>

int redondear(float x) {
    if (!(std::fabs(x) < 2.0e9f)) return x > 0 ? 2000000000 : (x < 0 ? -2000000000 : 0);
    int i = static_cast<int>(x);
    float fraccion = x - static_cast<float>(i);
    if (fraccion > 0.5f) return i + 1;
    if (fraccion < -0.5f) return i - 1;
    return i;
}

float redondearDecimales(float x, int n) {
    float escala = 1.0f;
    for (int k = 0; k < n; ++k) escala *= 10.0f;
    float producto = x * escala;
    return static_cast<float>(redondear(producto)) / escala;
}

void acotar(float& valor, float bajo, float alto) {
    if (valor < bajo) valor = bajo;
    if (valor > alto) valor = alto;
}
