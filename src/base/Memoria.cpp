#include "base/Memoria.h"

#include <new>

#include "base/ErrorFatal.h"

std::vector<float> reservarReales(long n) {
    comprobar(n >= 0 && n <= 100000000L, "Sin Memoria");
    try {
        return std::vector<float>(static_cast<std::size_t>(n), 0.0f);
    } catch (const std::bad_alloc&) {
        errorFatal("Sin Memoria");
    }
}
