#pragma once
#include <vector>

#include "geometry/Space3.h"

class JerarquiaVolumenes;
class PoliArea;

// The ray routine of one surface: the share of a sky direction that the surface sees past the
// building's other surfaces.
//
// The answer is read from a local visibility grid laid out in the surface's own frame: rows of
// local elevation (0 to 90 degrees above the surface plane, kFilas rows) by columns of local
// azimuth (0 to 360 degrees from the surface's x axis towards its y axis, kColumnas columns, the
// last repeating the first). A grid value is the fraction of the surface's sample points from
// which a ray in that local direction crosses no other surface of the building (either face of a
// surface blocks). Grid values are cast on first use, so only the part of the grid that the
// asked directions need is ever computed.
//
// Sampling: the surface is divided into at most kMuestrasMaximas cells (about one per
// kAreaPorMuestra square metres of its area, at least one) over its bounding box in its own
// frame; the centres that fall inside the polygon are the sample points. Each ray starts
// kSeparacion metres in front of its sample point, so that the surface itself and the surfaces
// lying in its plane (a window in its wall) never block it.
class Rayo {
public:
    static constexpr int kFilas = 7;     // local elevation every 15 degrees
    static constexpr int kColumnas = 13; // local azimuth every 30 degrees
    static constexpr int kMuestrasMaximas = 4;
    static constexpr float kAreaPorMuestra = 4.0f;
    static constexpr float kSeparacion = 1e-3f;

    // `indice` is the surface's position among the obstructions (-1 when it is not one of them).
    Rayo(const JerarquiaVolumenes& obstrucciones, const PoliArea& superficie, int indice);

    // Share (0 to 1) of the global direction seen by the surface: 0 for a direction behind the
    // surface (direction·normal <= -0.00001); otherwise the bilinear interpolation of the local
    // grid at the direction's local elevation and azimuth (a grid value beyond the end of the
    // grid counts as 1; in the top row the grid value itself is returned).
    float valor(const Vector3& direccion);
    // The grid value of local elevation row `fila` and azimuth column `columna`.
    float valorRejilla(int fila, int columna);
    const std::vector<Point3>& puntosMuestra() const { return muestras_; }

private:
    const JerarquiaVolumenes& obstrucciones_;
    const PoliArea& superficie_;
    int indice_;
    std::vector<Point3> muestras_; // ray origins (already moved off the surface)
    std::vector<float> rejilla_;   // row-major, -1 until cast
};
