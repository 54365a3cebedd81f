#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "geometry/Space3.h"

// Spatial hash of straight segments on a uniform grid of cubic cells. A segment is registered in
// every cell that a slightly widened bounding box of each of its short pieces touches, so two
// segments that come closer than the margin share at least one cell. Queries return a superset
// of the segments that may touch the queried one (ascending identifiers, no repetition): the
// caller still makes the exact test. Segments that are too long for the grid, or whose
// coordinates are not finite or lie far outside it, are kept apart and returned by every query.
class IndiceSegmentos {
public:
    // celda: edge of a cell (m); margen: how far two segments may be apart and still be found.
    IndiceSegmentos(double celda, double margen);

    // Identifiers are small non-negative integers (positions in the caller's list).
    void insertar(int id, const Point3& a, const Point3& b);
    // Fills `ids` with the candidates for the segment a-b.
    void candidatos(const Point3& a, const Point3& b, std::vector<int>& ids) const;

    // A sensible cell edge for segments of the given mean length.
    static double celdaPara(double longitudMedia);

private:
    struct Celda {
        std::int32_t i, j, k;
        bool operator==(const Celda& o) const { return i == o.i && j == o.j && k == o.k; }
    };
    struct HashCelda {
        std::size_t operator()(const Celda& c) const {
            std::uint64_t h = static_cast<std::uint32_t>(c.i) * 0x9E3779B97F4A7C15ull;
            h ^= static_cast<std::uint32_t>(c.j) * 0xC2B2AE3D27D4EB4Full + (h << 6) + (h >> 2);
            h ^= static_cast<std::uint32_t>(c.k) * 0x165667B19E3779F9ull + (h << 6) + (h >> 2);
            return static_cast<std::size_t>(h);
        }
    };
    // The cells of a segment; false when it belongs to the separate list.
    bool celdas(const Point3& a, const Point3& b, std::vector<Celda>& out) const;

    double celda_, margen_;
    std::unordered_map<Celda, std::vector<int>, HashCelda> mapa_;
    std::vector<int> apartados_;
    mutable std::vector<Celda> tmp_;
    // Per identifier, the last query that took it (repeats across cells are skipped).
    mutable std::vector<unsigned> marcas_;
    mutable unsigned consulta_ = 0;
};
