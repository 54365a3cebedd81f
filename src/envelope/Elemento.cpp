#include "envelope/Elemento.h"

#include "input/ValoresPorDefecto.h"

Elemento::Elemento() {
    if (gDefectos) iniciarPuentes(static_cast<int>(gDefectos->puentes.size()));
}

Elemento::~Elemento() = default;

bool Elemento::tieneLadoExterior() const {
    for (int l : lados)
        if (l >= 0) return true;
    return false;
}

void Elemento::iniciarPuentes(int numTipos) {
    std::size_t n = static_cast<std::size_t>(numTipos < 0 ? 0 : numTipos);
    puentes.assign(n + 1, FilaPuente());
    if (gDefectos) {
        const std::vector<TipoPuenteTermico>& tipos = gDefectos->puentes;
        for (std::size_t i = 0; i < n && i < tipos.size(); ++i) {
            puentes[i].ttl = tipos[i].ttl;
            puentes[i].frsi = tipos[i].frsi;
        }
    }
    puentes.back() = FilaPuente{0.0f, 1.0f, 0.0f};
}

void Elemento::anadirPuente(int t, float ttl, float frsi, float longitud, float reparto) {
    if (puentes.empty()) iniciarPuentes(0);
    int numTipos = static_cast<int>(puentes.size()) - 1;
    if (t >= 0 && t < numTipos) {
        FilaPuente& f = puentes[t];
        float nueva = f.longitud + longitud;
        if (nueva != 0.0f) f.ttl = (f.ttl * f.longitud + ttl * reparto * longitud) / nueva;
        f.longitud = nueva;
        f.frsi = frsi;
    } else {
        puentes.back().longitud += longitud;
    }
}
