// Stand-in until ground-contact elements are built.
#include "envelope/Underground.h"

Underground::Underground(const std::string& n, int nl, const std::vector<float>& a,
                         const std::vector<int>& l, int, float, float) {
    nombre = n;
    tipo = "underground_wall";
    numLados = nl;
    areasLados = a;
    lados = l;
}
