#pragma once
#include <string>

#include "geometry/Space3.h"

// Where air enters and leaves a space for the zonal air model. That model is never enabled in
// this engine, so every space gets the inert record: both walls "none", both positions at the
// origin. The record can still be moved into the frame of its wall.
class EntradaSalida {
public:
    EntradaSalida() = default;

    // Moves both positions into the frame of the wall: the origin is subtracted and the
    // horizontal part rotated by the wall's direction (cosine c, sine s):
    // x' = c dx + s dy, y' = -s dx + c dy, z' = dz.
    void transformar(const Point3& origen, float c, float s);

    std::string muroEntrada = "none";
    std::string muroSalida = "none";
    Point3 entrada;
    Point3 salida;
};
