#pragma once
#include <memory>
#include <vector>

#include "geometry/ElementContour.h"
#include "geometry/IndiceSegmentos.h"

class PoliArea;

// An ordered list of edges (thermal bridges or candidate floor edges) into which element edges
// are merged: an edge equal to one in the list adds its element to it; an edge that overlaps one
// cuts it, the common piece keeps the list entry (with every element that touched it, plus the
// new one), what is left of the entry is appended with the entry's elements, and what is left of
// the new edge is merged again; an edge that overlaps none is appended. The list stops the run
// when its count reaches the capacity. Overlapping entries are found through a spatial index, so
// the cost grows with the edges near each new one, not with the whole list; the result is the
// one a scan of the list in order would give (the first overlapping entry is always taken).
class ListaContornos {
public:
    // celda: cell edge of the index (see IndiceSegmentos::celdaPara).
    ListaContornos(long capacidad, double celda);

    // Merges the edge a-b of element `elemento`.
    void fusionar(const Point3& a, const Point3& b, int elemento, const Point3* nodoA = nullptr,
                  const Point3* nodoB = nullptr);
    // Merges every edge of the polygon's outer contour: node k-1 to node k, then the last node
    // back to node 0.
    void fusionarPoligono(const PoliArea& p, int elemento);
    // Indices of the entries that the edge a-b overlaps, in list order.
    void solapados(const Point3& a, const Point3& b, std::vector<int>& indices) const;

    int numero() const { return static_cast<int>(contornos.size()); }
    std::vector<std::unique_ptr<ElementContour>> contornos;

    // Mean length of the outer-contour edges of the polygons (for the cell size).
    static double longitudMediaAristas(const std::vector<const PoliArea*>& poligonos);
    // The edges of a polygon's outer contour, in the merge order (empty when it has no contour).
    static void aristas(const PoliArea& p, std::vector<std::pair<const Point3*, const Point3*>>& a);

private:
    void anadir(std::unique_ptr<ElementContour> c);

    long capacidad_;
    IndiceSegmentos indice_;
    mutable std::vector<int> candidatos_;
};
