// Stand-in until layered constructions are built.
#include "envelope/Muro1D.h"

Muro1D::Muro1D(const std::string& n, int nl, const std::vector<float>& a, const std::vector<int>& l,
               int) {
    nombre = n;
    tipo = "onedimensional_wall";
    numLados = nl;
    areasLados = a;
    lados = l;
}

Muro1D::Muro1D(int, const std::vector<float>& a, const std::vector<int>& l) {
    tipo = "onedimensional_wall";
    tipoMuro = "partition";
    areasLados = a;
    lados = l;
}
