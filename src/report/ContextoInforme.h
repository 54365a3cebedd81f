#pragma once
#include <unordered_map>
#include <vector>

#include "input/ResultadoComprobacion.h"
#include "report/FuentesInforme.h"

class Elemento;

// What the sections of a report share: the sources, the elements in the report's order (the
// building's element-record array, then the interior walls the partition detection took out of
// it) with their positions, and the results of the checks grouped by element.
class ContextoInforme {
public:
    explicit ContextoInforme(const FuentesInforme& fuentes);

    const FuentesInforme& f;
    std::vector<const Elemento*> elementos;
    int numEnRegistros = 0; // elements of the record array (the first ones)
    // Position of an element in `elementos`, -1 when it is not there.
    int indice(const void* e) const;
    // The results of an element's checks, in the order they were made.
    const std::vector<const ResultadoComprobacion*>& resultadosDe(int indice) const;
    // Whether the element's thermal bridges were checked.
    bool puentesComprobados(int indice) const;
    // The check of the whole run reached its end.
    bool comprobacionTerminada() const;
    // The space of an element: its own, or the first space on its sides (partitions).
    int espacioDe(const Elemento& e) const;
    int plantaDeEspacio(int espacio) const;
    // Position of a polygon among the exterior surfaces of the solar excitation, or -1.
    int superficieExterior(const void* poligono) const;

private:
    std::unordered_map<const void*, int> posicion_, superficie_;
    std::vector<std::vector<const ResultadoComprobacion*>> resultados_;
    std::vector<char> puentesComprobados_;
};
