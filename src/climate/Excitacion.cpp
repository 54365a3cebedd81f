// Stand-in until the solar excitation is built.
#include "climate/Excitacion.h"

#include <algorithm>

Excitacion::Excitacion(const std::string& f, int c) : ficheroClima(f), creacion(c) {}
Excitacion::~Excitacion() = default;

void Excitacion::registrar(const std::vector<PoliArea*>&, const std::vector<PoliArea*>&,
                           const std::vector<int>& l1, const std::vector<int>& l2) {
    lista1_ = l1;
    lista2_ = l2;
}

int Excitacion::esExterior(int a, int b) const {
    if (a < 0 && b < 0) return 1;
    int id = a >= 0 ? a : b;
    if (std::binary_search(lista1_.begin(), lista1_.end(), id)) return 4;
    if (std::binary_search(lista2_.begin(), lista2_.end(), id)) return 2;
    return 0;
}

void Excitacion::calcularVisionCielo(const std::string&) {}
