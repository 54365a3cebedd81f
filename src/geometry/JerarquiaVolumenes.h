#pragma once
#include <cstdint>
#include <vector>

#include "geometry/Space3.h"

class PoliArea;

// A bounding-volume hierarchy over framed planar polygons, answering occlusion queries: does a
// ray segment cross any polygon? Both faces of a polygon block a ray. Each polygon is kept as
// its plane and its edges projected on the coordinate plane that the normal is most aligned
// with, so the crossing test is a plane hit and an even-odd test in two dimensions (holes are
// handled by the even-odd rule). Built once, in O(n log n); a query visits about log n boxes.
class JerarquiaVolumenes {
public:
    // The polygons must be framed; their position in the list is their identifier.
    explicit JerarquiaVolumenes(const std::vector<PoliArea*>& poligonos);

    // Whether the ray o + t·d, tmin < t < tmax, crosses a polygon other than `excluido`.
    bool ocluido(const Point3& o, const Vector3& d, float tmin, float tmax, int excluido) const;
    int numPoligonos() const { return static_cast<int>(poligonos_.size()); }

private:
    struct Poligono {
        float n[3];            // unit normal
        float d;               // plane: n·p = d
        std::uint8_t eu, ev;   // the two kept coordinates of the projection
        int primeraArista = 0; // edges [primeraArista, finAristas) of aristas_
        int finAristas = 0;
        int id = 0; // position in the constructor's list
    };
    struct Arista {
        float u0, v0, u1, v1;
    };
    struct Nodo {
        float bmin[3];
        int segundo; // interior: index of the second child (the first follows this node); leaf:
                     // first polygon
        float bmax[3];
        int cuenta; // leaf: number of polygons; interior: 0
        int eje;    // interior: split axis
    };

    int construir(int inicio, int fin, std::vector<float>& cajas, std::vector<float>& centros,
                  int profundidad);
    void reordenar(int inicio, const std::vector<int>& orden, std::vector<float>& cajas,
                   std::vector<float>& centros);
    bool cruza(const Poligono& p, const float o[3], const float d[3], float tmin, float tmax) const;

    std::vector<Poligono> poligonos_;
    std::vector<Arista> aristas_;
    std::vector<Nodo> nodos_;
};
