#pragma once
#include <string>
#include <vector>

#include "geometry/Space3.h"

// One straight edge where envelope elements meet (a thermal bridge), or a candidate floor edge of
// the partition detection.
class ElementContour {
public:
    // Points closer than this (per coordinate, strictly) are the same end point.
    static constexpr float kIgualdad = 0.001f;
    // Coincidence tolerance of two edges: distance off the line, and the shortest piece that
    // still counts when edges are cut against each other (m).
    static constexpr double kTolerancia = 0.005;

    ElementContour(const Point3& a, const Point3& b);
    virtual ~ElementContour();

    // The result of cutting an edge S against another edge B (see partir).
    struct Corte {
        bool solapa = false;         // collinear with a common piece longer than the tolerance
        Point3 comunA, comunB;       // the common piece, oriented as B
        int numRestos = 0;           // pieces of S outside B, ordered from S's end A
        Point3 restoA[2], restoB[2]; //   each oriented as S
        int numRestosOtro = 0;       // pieces of B outside S, ordered along B
        Point3 otroA[2], otroB[2];   //   each oriented as B
        bool igual() const { return solapa && numRestos == 0 && numRestosOtro == 0; }
    };

    double longitud() const;
    // Unit vector (A - B)/|A - B|; false (and the output untouched) when the length is 0.
    bool direccion(Vector3& d) const;

    void anadirTocante(int elemento) { tocan.push_back(elemento); }
    int numTocan() const { return static_cast<int>(tocan.size()); }
    int tocante(int k) const { return k >= 0 && k < numTocan() ? tocan[k] : -1; }
    void ponerCargar(std::vector<int> elementos) { cargar = std::move(elementos); }
    void ponerZonas(std::vector<int> z) { zonas = std::move(z); }
    void ponerTipo(int indice, float ttl_, float frsi_, const std::string& nombre);

    // Same end points within kIgualdad per coordinate, in the same or the reverse order.
    bool igual(const ElementContour& otro) const;
    // Cuts this edge (S) against `otro` (B). When they are collinear (both end points of S within
    // kTolerancia of B's line) and share a piece longer than kTolerancia, the result tells the
    // common piece and what is left of each. End points closer than kTolerancia to an end point
    // of B are taken as that end point, so the common piece keeps B's coordinates wherever it
    // can and leftovers shorter than the tolerance do not exist. Equal edges overlap with no
    // leftover at all.
    Corte partir(const ElementContour& otro) const;
    // Whether the two edges overlap (partir(...).solapa), without building the pieces.
    bool solapa(const ElementContour& otro) const;

    Point3 A, B;
    // The polygon nodes the end points were taken from (null for pieces made by cutting).
    const Point3* nodoA = nullptr;
    const Point3* nodoB = nullptr;
    int tipo = -1;
    float ttl = 0.0f, frsi = 1.0f;
    std::string nombreTipo = "default";
    std::vector<int> tocan;  // element-record indices whose edge coincides with it
    std::vector<int> cargar; // elements that receive the bridge
    std::vector<int> zonas;  // adjacent spaces (bridges) or spaces whose floor has the edge
    bool cubierto = false;   // candidate floor edge covered by an explicit interior wall
};
