#include "base/Matrices.h"

#include <cmath>
#include <utility>
#include <vector>

#include "base/ErrorFatal.h"

void matrizPorVector(const float* m, const float* v, float* r, int n) {
    for (int i = 0; i < n; ++i) {
        double s = 0.0;
        for (int j = 0; j < n; ++j) s += static_cast<double>(m[i * n + j]) * v[j];
        r[i] = static_cast<float>(s);
    }
}

void matrizPorVector(const double* m, const double* v, double* r, int n) {
    for (int i = 0; i < n; ++i) {
        double s = 0.0;
        for (int j = 0; j < n; ++j) s += m[i * n + j] * v[j];
        r[i] = s;
    }
}

void matrizPorMatriz(const float* a, const float* b, float* r, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double s = 0.0;
            for (int k = 0; k < n; ++k) s += static_cast<double>(a[i * n + k]) * b[k * n + j];
            r[i * n + j] = static_cast<float>(s);
        }
}

namespace {
// Gauss-Jordan with partial pivoting on [m | I]; false when the matrix is singular.
template <class T> bool gaussJordan(T* m, int n) {
    std::vector<T> a(static_cast<std::size_t>(n) * 2 * n, T(0));
    const int w = 2 * n;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) a[i * w + j] = m[i * n + j];
        a[i * w + n + i] = T(1);
    }
    for (int c = 0; c < n; ++c) {
        int p = c;
        for (int i = c + 1; i < n; ++i)
            if (std::fabs(a[i * w + c]) > std::fabs(a[p * w + c])) p = i;
        if (!(std::fabs(a[p * w + c]) > T(0))) return false;
        if (p != c)
            for (int j = 0; j < w; ++j) std::swap(a[p * w + j], a[c * w + j]);
        T piv = a[c * w + c];
        for (int j = 0; j < w; ++j) a[c * w + j] /= piv;
        for (int i = 0; i < n; ++i) {
            if (i == c) continue;
            T f = a[i * w + c];
            if (f == T(0)) continue;
            for (int j = 0; j < w; ++j) a[i * w + j] -= f * a[c * w + j];
        }
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m[i * n + j] = a[i * w + n + j];
    return true;
}

const char* const kMensajeSingular = "Matriz singular: no se puede invertir";
} // namespace

void invertirMatriz(float* m, int n) {
    comprobar(gaussJordan(m, n), kMensajeSingular);
}

void invertirMatriz(double* m, int n) {
    comprobar(gaussJordan(m, n), kMensajeSingular);
}
