#include "report/ContextoInforme.h"

#include "building/Edificio.h"
#include "climate/Excitacion.h"
#include "compliance/DatosComprobacion.h"
#include "envelope/Elemento.h"
#include "input/Global2.h"

ContextoInforme::ContextoInforme(const FuentesInforme& fuentes) : f(fuentes) {
    if (f.edificio) {
        // The record array first, then the elements the model holds outside it.
        const std::vector<Elemento*>& regs = f.edificio->registros();
        elementos.assign(regs.begin(), regs.end());
        numEnRegistros = static_cast<int>(elementos.size());
        posicion_.reserve(f.edificio->elementos.size() + elementos.size());
        for (std::size_t i = 0; i < elementos.size(); ++i)
            posicion_.emplace(elementos[i], static_cast<int>(i));
        for (const auto& e : f.edificio->elementos)
            if (posicion_.emplace(e.get(), static_cast<int>(elementos.size())).second)
                elementos.push_back(e.get());
    }
    resultados_.resize(elementos.size());
    puentesComprobados_.assign(elementos.size(), 0);
    if (f.excitacion) {
        const auto& sup = f.excitacion->superficiesExteriores();
        superficie_.reserve(sup.size());
        for (std::size_t k = 0; k < sup.size(); ++k)
            superficie_.emplace(sup[k], static_cast<int>(k));
    }
    if (!f.global) return;
    for (const ResultadoComprobacion& r : f.global->resultados().resultados()) {
        const int i = indice(r.elemento);
        if (i < 0) continue;
        resultados_[i].push_back(&r);
        if (r.tipo == TipoComprobacion::PuenteTermico) puentesComprobados_[i] = 1;
    }
}

int ContextoInforme::indice(const void* e) const {
    auto it = posicion_.find(e);
    return it == posicion_.end() ? -1 : it->second;
}

const std::vector<const ResultadoComprobacion*>& ContextoInforme::resultadosDe(int i) const {
    return resultados_[i];
}

bool ContextoInforme::puentesComprobados(int i) const {
    return puentesComprobados_[i] != 0;
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
