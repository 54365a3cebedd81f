#pragma once
#include <string>
#include <vector>

#include "geometry/Space3.h"

// One straight edge where envelope elements meet (a thermal bridge), or a candidate floor edge of
// the partition detection.
class ElementContour {
public:
    ElementContour(const Point3& a, const Point3& b);
    virtual ~ElementContour();

    Point3 A, B;
    int tipo = -1;
    float ttl = 0.0f, frsi = 1.0f;
    std::string nombreTipo = "default";
    std::vector<int> tocan;  // element-record indices whose edge coincides with it
    std::vector<int> cargar; // elements that receive the bridge
    std::vector<int> zonas;  // adjacent spaces
};
