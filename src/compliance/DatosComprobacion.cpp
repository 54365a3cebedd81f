#include "compliance/DatosComprobacion.h"

#include <cstring>

void DatosComprobacion::anotarElemento(const Elemento* e, int categoria, const char* motivo) {
    auto it = elementos.find(e);
    if (it == elementos.end()) {
        elementos.emplace(e, EstadoElemento{categoria, motivo});
        return;
    }
    EstadoElemento& estado = it->second;
    if (!estado.motivo) return; // already compared
    if (motivo && std::strcmp(motivo, "espacioNoHabitable") == 0) return;
    estado.categoria = categoria;
    estado.motivo = motivo;
}
