#pragma once
#include "envelope/Elemento1D.h"

// One-dimensional wall: exterior walls, roofs, interior walls and detected partitions. Its
// construction is a stack of layers (or a given U), read from the building file.
class Muro1D : public Elemento1D {
public:
    // From the building file: name (as in the BDL text, with its quotes), number of sides, side
    // areas (net area, perimeter), side codes and the floor flag.
    Muro1D(const std::string& nombre, int numLados, const std::vector<float>& areasLados,
           const std::vector<int>& lados, int etiqueta);
    // A detected partition: its index, side areas and side codes (two spaces).
    Muro1D(int indiceParticion, const std::vector<float>& areasLados,
           const std::vector<int>& lados);

    bool esInterior = false; // found as an INTERIOR-WALL object

    float UA() const override { return U * area(); }
    // H = A / (1/U + 1/hIn + 1/hOut).
    void calcularH(float& H, float hOut, float hIn) const override;
    void comprobarCondensacionSuperficial(float fRsiMin, float hOut, float hIn) const override;
    void comprobarCondensaciones(float fRsiMin, float hOut, float hIn, const float* Te,
                                 const float* Ti, const float* HRe,
                                 const float* HRi) const override;
};
