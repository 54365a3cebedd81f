#pragma once
#include <memory>
#include <vector>

#include "geometry/PLinea.h"
#include "geometry/Superficie.h"

// A planar polygon: contour 0 is the outer boundary, further contours are holes (every polygon
// the engine builds has one contour). The creator fills the contours node by node and calls
// initFrame() once, which frames and validates the polygon (fatal messages on bad input).
class PoliArea : public Superficie {
public:
    explicit PoliArea(int numContornos = 1);
    // Convenience: one contour with the given nodes, framed.
    static std::unique_ptr<PoliArea> desdeNodos(const std::vector<Point3>& nodos);

    bool intersectRay(const Rayo3& rayo, Point3& punto, double& t) const override;
    bool initFrame() override;
    void toGlobal(Vector3& out, float a, float b, float c) const override;
    void getNormal(Vector3& out) const override;
    std::unique_ptr<Vector3> toGlobal(float a, float b, float c) const override;
    std::unique_ptr<Vector3> getNormal() const override;
    std::unique_ptr<Point3> cellPoint(int i, int ni, int j, int nj) const override;
    void gridCounts(double n, int& nu, int& nv) const override;
    bool cellInside(Point3& p, int i, int ni, int j, int nj) const override;
    double area() const override;
    void centre(Point3& out) const override;
    PLinea* contour(int k) const override;
    // Sum of the contours' open-polyline lengths (PLinea::length: the segment from the last
    // node back to the first is left out).
    virtual double perimeter() const;
    // The perimeter an element stores: every contour closed, its last node joined back to its
    // first (perimeter() leaves that segment out).
    double perimetroCerrado() const;

    bool contains(const Point3& p) const;
    int numContornos() const { return static_cast<int>(contornos.size()); }
    const Vector3& normal() const { return normal_; }
    const Point3& origen() const { return origen_; }
    const Vector3& ejeX() const { return ejeX_; }
    const Vector3& ejeY() const { return ejeY_; }

    std::vector<std::unique_ptr<PLinea>> contornos;
    float umin = 0, vmin = 0, umax = 0, vmax = 0;

private:
    // The bounding box (umin .. vmax) of the outer contour in the local frame.
    void calcularCaja(const PLinea& contornoExterior);

    Point3 origen_;
    Vector3 normal_, ejeX_, ejeY_;
};

// Geometric view factors between surfaces (row-major N x N, zero diagonal).
std::vector<float> viewFactors(const std::vector<PoliArea*>& superficies);
