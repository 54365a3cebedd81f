#pragma once
#include <vector>

#include "input/ResultadoComprobacion.h"

// The results of every check of a run, kept in the order the checks made them when a report of
// the run is wanted (otherwise nothing is kept). The run's check marks the space whose loop is
// running, and every result kept is stamped with it.
class RegistroResultados {
public:
    void activar() { activo_ = true; }
    bool activo() const { return activo_; }
    // The space whose elements are being checked (-1: none).
    void ponerEspacio(int espacio) { espacio_ = espacio; }
    void guardar(ResultadoComprobacion&& r);
    const std::vector<ResultadoComprobacion>& resultados() const { return resultados_; }

private:
    bool activo_ = false;
    int espacio_ = -1;
    std::vector<ResultadoComprobacion> resultados_;
};
