#pragma once
#include "envelope/Elemento1D.h"

// Window or opaque door ("puertaOpaca").
class Ventana : public Elemento1D {
public:
    Ventana(const std::string& nombre, int numLados, const std::vector<float>& areasLados,
            const std::vector<int>& lados, int etiqueta, float parametroSolar);
};
