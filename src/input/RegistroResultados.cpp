#include "input/RegistroResultados.h"

void RegistroResultados::guardar(ResultadoComprobacion&& r) {
    if (!activo_) return;
    r.espacio = espacio_;
    resultados_.push_back(std::move(r));
}
