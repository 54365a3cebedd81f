#pragma once

// Rounding and clamping of the engine's 32-bit values.

// Nearest integer, an exact half rounded toward zero (the fraction must exceed 0.5); values
// beyond +-2e9 (and NaN, to 0) are held at the ends of that range.
int redondear(float x);
// x rounded to n decimals: x * 10^n (a 32-bit product) rounded with redondear, divided by 10^n.
float redondearDecimales(float x, int n);
// Holds the value within [bajo, alto].
void acotar(float& valor, float bajo, float alto);
