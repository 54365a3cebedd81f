#pragma once
#include "envelope/Elemento1D.h"

// Element in contact with the ground: slabs on or below ground and basement walls.
class Underground : public Elemento1D {
public:
    // alturaDefecto: the space height; profundidadDefecto: the storey Z (the default depth).
    Underground(const std::string& nombre, int numLados, const std::vector<float>& areasLados,
                const std::vector<int>& lados, int etiqueta, float alturaDefecto,
                float profundidadDefecto);
};
