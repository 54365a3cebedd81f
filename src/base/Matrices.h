#pragma once

// Dense square matrices stored row-major in arrays of n x n values.

void matrizPorVector(const float* m, const float* v, float* r, int n);
void matrizPorVector(const double* m, const double* v, double* r, int n);
void matrizPorMatriz(const float* a, const float* b, float* r, int n);
// Inverts in place (Gauss-Jordan with partial pivoting); a singular matrix stops the run with
// "Matriz singular: no se puede invertir".
void invertirMatriz(float* m, int n);
void invertirMatriz(double* m, int n);
