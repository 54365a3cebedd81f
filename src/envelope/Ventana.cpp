// Stand-in until windows are built.
#include "envelope/Ventana.h"

Ventana::Ventana(const std::string& n, int nl, const std::vector<float>& a,
                 const std::vector<int>& l, int, float) {
    nombre = n;
    tipo = "window";
    tipoMuro = "window";
    numLados = nl;
    areasLados = a;
    lados = l;
}
