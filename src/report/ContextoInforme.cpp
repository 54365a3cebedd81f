#include "report/ContextoInforme.h"

#include <unordered_set>

#include "building/Edificio.h"
#include "climate/Excitacion.h"
#include "compliance/DatosComprobacion.h"
#include "envelope/Elemento.h"
#include "input/Global2.h"

ContextoInforme::ContextoInforme(const FuentesInforme& fuentes) : f(fuentes) {
    if (f.edificio) {
        const std::vector<Elemento*>& regs = f.edificio->registros();
        elementos.assign(regs.begin(), regs.end());
        numEnRegistros = static_cast<int>(elementos.size());
        std::unordered_set<const Elemento*> enRegistros(regs.begin(), regs.end());
        for (const auto& e : f.edificio->elementos)
            if (!enRegistros.count(e.get())) elementos.push_back(e.get());
    }
    posicion_.reserve(elementos.size());
    for (std::size_t i = 0; i < elementos.size(); ++i)
        posicion_.emplace(elementos[i], static_cast<int>(i));
    resultados_.resize(elementos.size());
    if (f.excitacion) {
        const auto& sup = f.excitacion->superficiesExteriores();
        superficie_.reserve(sup.size());
        for (std::size_t k = 0; k < sup.size(); ++k)
            superficie_.emplace(sup[k], static_cast<int>(k));
    }
    if (!f.global) return;
    for (const ResultadoComprobacion& r : f.global->resultados().resultados()) {
        const int i = indice(r.elemento);
        if (i >= 0) resultados_[i].push_back(&r);
    }
}

int ContextoInforme::indice(const void* e) const {
    auto it = posicion_.find(e);
    return it == posicion_.end() ? -1 : it->second;
}

const std::vector<const ResultadoComprobacion*>& ContextoInforme::resultadosDe(int i) const {
    return resultados_[i];
}

bool ContextoInforme::comprobacionTerminada() const {
    return f.datos && f.datos->terminada;
}

int ContextoInforme::espacioDe(const Elemento& e) const {
    if (e.espacio >= 0) return e.espacio;
    for (int l : e.lados)
        if (l < 0) return -l - 1;
    return -1;
}

int ContextoInforme::superficieExterior(const void* poligono) const {
    auto it = superficie_.find(poligono);
    return it == superficie_.end() ? -1 : it->second;
}

int ContextoInforme::plantaDeEspacio(int espacio) const {
    if (!f.edificio || espacio < 0 || espacio >= f.edificio->numEspacios()) return -1;
    return f.edificio->espacios[espacio].planta;
}
