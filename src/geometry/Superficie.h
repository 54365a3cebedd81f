#pragma once
#include <memory>

#include "geometry/Space3.h"

class PLinea;

// A ray: origin and unit direction.
struct Rayo3 {
    Point3 origen;
    Vector3 direccion;
};

// Abstract planar surface. PoliArea is its only concrete kind.
class Superficie {
public:
    virtual ~Superficie() = default;
    virtual bool intersectRay(const Rayo3&, Point3&, double&) const { return false; }
    virtual bool initFrame() { return false; }
    virtual void toGlobal(Vector3& out, float, float, float) const { out = Vector3(); }
    virtual void getNormal(Vector3& out) const { out = Vector3(); }
    virtual std::unique_ptr<Vector3> toGlobal(float, float, float) const { return nullptr; }
    virtual std::unique_ptr<Vector3> getNormal() const { return nullptr; }
    virtual std::unique_ptr<Point3> cellPoint(int, int, int, int) const { return nullptr; }
    virtual void gridCounts(double, int& nu, int& nv) const { nu = nv = 0; }
    virtual bool cellInside(Point3&, int, int, int, int) const { return false; }
    virtual double area() const = 0;
    virtual void centre(Point3& out) const { out = Point3(); }
    virtual PLinea* contour(int) const { return nullptr; }
};
