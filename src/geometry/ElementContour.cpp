#include "geometry/ElementContour.h"

ElementContour::ElementContour(const Point3& a, const Point3& b) : A(a), B(b) {}
ElementContour::~ElementContour() = default;
