#pragma once
#include <memory>
#include <vector>

#include "geometry/Space3.h"

// A polyline of a fixed number of nodes; it owns its nodes. Nodes are null until the creator
// sets them.
class PLinea {
public:
    explicit PLinea(int numNodos);
    int numNodos() const { return static_cast<int>(nodos.size()); }
    Point3* nodo(int i) const { return nodos[i].get(); }
    void ponerNodo(int i, const Point3& p) { nodos[i] = std::make_unique<Point3>(p); }

    // Fan area from node 0, each triangle signed by its orientation against the normal.
    double signedArea(const Vector3& normal) const;
    // Sum of the count-1 segments from node 0 to the last node (open polyline).
    double length() const;
    // Angle-sum point-in-polygon test; nodes and edges count as inside.
    bool windingContains(const Point3& p, const Vector3& normal) const;

    std::vector<std::unique_ptr<Point3>> nodos;
};
