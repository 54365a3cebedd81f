#pragma once
#include "geometry/Space3.h"
#include "geometry/TransformacionPlanta.h"

// The plane of an envelope element in its space's frame: maps in-plane coordinates (u along
// the base edge, v up the slope) to points of the space frame. Walls, roofs and floors laid out
// from an edge or a start point use a straight base; elements given by their own POLYGON are
// laid out on a base along the x axis and then placed by a placement transform; windows use the
// plane of their element.
class ColocacionElemento {
public:
    ColocacionElemento() = default;
    // Base starting at `inicio` (its z is the base z) running along the unit plan direction
    // (ex, ey); the slope rises along the left normal of the base with the tilt's cosine and
    // upwards with its sine.
    static ColocacionElemento recta(const Point3& inicio, float ex, float ey, float cosInclinacion,
                                    float senoInclinacion);
    // Base along the x axis from the origin at height zBase, then placed by `t`.
    static ColocacionElemento enPoligono(const TransformacionPlanta& t, float zBase,
                                         float cosInclinacion, float senoInclinacion);

    Point3 punto(float u, float v) const;

    // Compass azimuth of the outward normal of a wall whose base runs along (dx, dy) with the
    // space on its left: east 180, north 90, west 0, south -90.
    static float azimutDeArista(float dx, float dy);
    // Unit plan direction of a base edge for a compass azimuth: (cos(180 - az), sin(180 - az)).
    static void direccionDeAzimut(float azimut, float& ex, float& ey);

private:
    Point3 inicio_;
    float ex_ = 1.0f, ey_ = 0.0f;
    float cos_ = 0.0f, seno_ = 1.0f;
    bool transformar_ = false;
    TransformacionPlanta t_;
};
