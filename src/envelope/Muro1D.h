#pragma once
#include "envelope/Elemento1D.h"

// One-dimensional wall: exterior walls, roofs, interior walls and detected partitions.
class Muro1D : public Elemento1D {
public:
    // From the building file: name (as in the BDL text, with its quotes), number of sides, side
    // areas (net area, perimeter), side codes and the integer tag.
    Muro1D(const std::string& nombre, int numLados, const std::vector<float>& areasLados,
           const std::vector<int>& lados, int etiqueta);
    // A detected partition: its index, side areas and side codes (two spaces).
    Muro1D(int indiceParticion, const std::vector<float>& areasLados,
           const std::vector<int>& lados);
};
