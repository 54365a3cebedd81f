#pragma once
#include <vector>

// An array of n 32-bit floats set to 0. A negative or unreasonable size (above 1e8 values) or a
// failed allocation stops the run with "Sin Memoria".
std::vector<float> reservarReales(long n);
