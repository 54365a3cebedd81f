#pragma once
#include <string>
#include <vector>

class ModeloEdificio;
class Elemento;
class ElementContour;

// Builds the thermal-bridge contours of the building (after the partitions), classifies them
// with the defaults' table, distributes them to the elements and writes "puentes.dat".
class PuentesTermicos {
public:
    // rutaSalida: where the contours are written ("puentes.dat" in the working directory).
    explicit PuentesTermicos(ModeloEdificio& edificio, std::string rutaSalida = "puentes.dat");
    void ejecutar();

    // --- the steps of ejecutar, in their order ---
    // Fills the building's bridge array: the edges of the elements with an exterior side, merged,
    // then the interior elements added to the bridges their edges overlap.
    void construirContornos();
    // Bridge type, TTL, FRSI and the elements to charge.
    void clasificar(ElementContour& c);
    // The spaces on the sides of the touching elements, once each, in order of appearance.
    void zonasAdyacentes(ElementContour& c) const;
    // Each element to charge receives the bridge with an equal share.
    void repartir();
    void escribir() const;

    // Angle (degrees) between two elements meeting at the bridge, seen from the side their
    // normals point to: 180 coplanar, 90 convex corner, 270 re-entrant corner.
    static float angulo(const Elemento& e1, const Elemento& e2, const ElementContour& c);
    // First or second side is an exterior-element number.
    static bool ladoExterior(const Elemento& e);
    // Room for contours: MULTIPLICADOR-CONTORNOS times the nodes of the polygons of the
    // elements with an exterior side.
    static long capacidad(const std::vector<Elemento*>& registros);
    // Appends v as printf's "%f" writes it.
    static void anadirReal(std::string& salida, float v);
    // Whether an element's unit normal is vertical within the tolerance (a horizontal element).
    static bool horizontal(const Elemento& e, float tolerancia);

    // One row of the type table with the values the building file may override.
    struct Fila {
        float ttl = 0.0f, frsi = 1.0f;
    };

private:
    void prepararFilas();
    int elegirFila(const ElementContour& c, std::vector<int>& cargar) const;

    ModeloEdificio& edificio_;
    std::string ruta_;
    std::vector<Fila> filas_;
    bool filasPreparadas_ = false;
};
