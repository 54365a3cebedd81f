#pragma once
#include <string>
#include <vector>

#include "input/Global2.h"

class Elemento;
class CondicionesOperacionales;
class CondicionesSistemas;

// The space record: habitable and conditioned flags, multiplier, infiltration, hygrometry, the
// elements that touch the space, and the classification of those elements.
class Zona {
public:
    // referencia: -1 - (space index); nombre: the space name with its quotes; segundoNombre: the
    // name of its ceiling element; listaNombres: the names of its floor elements.
    Zona(int referencia, const std::string& nombre, const std::string& segundoNombre,
         const std::vector<std::string>& listaNombres, CondicionesOperacionales* condiciones,
         CondicionesSistemas* sistema, int pilares, float altura);
    virtual ~Zona();

    // Collects every element one of whose side codes is this space, then places the pillar
    // thermal bridges.
    void enlazarElementos(const std::vector<Elemento*>& registros);
    // 0 wall, 1 partition, 2 roof, 3 floor, 4 opening (and 2/4 from the exterior test).
    int clasificarElemento(int posicion) const;

    bool habitable = true;
    bool acondicionado = true;
    int multiplicador = 1;
    float altura = 0.0f;
    int referencia = 0;
    std::string nombre, segundoNombre;
    std::vector<std::string> listaNombres;
    std::vector<Elemento*> elementos;
    CondicionesOperacionales* condiciones = nullptr;
    CondicionesSistemas* sistema = nullptr;
    bool infiltracionRenovaciones = false;
    float infiltracion = 0.0f;
    float higrometriaHR = kNoDado, higrometriaG = kNoDado, higrometriaN = kNoDado,
          claseHigrometria = kNoDado;
    int pilares = 0;
};
