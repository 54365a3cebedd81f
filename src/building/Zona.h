#pragma once
#include <string>
#include <vector>

#include "base/Valores.h"

class Elemento;
class LeerBDL;
class CondicionesOperacionales;
class CondicionesSistemas;
struct Vector3;

// Type index, TTL and FRSI of the pillar thermal bridges, the same for every space of a building:
// the "PILLAR" row of the defaults' thermal-bridge table, overridden by a building
// THERMAL-BRIDGE object named "PILAR".
struct PuentePilar {
    int tipo = -1; // row of the defaults' table, -1 when the table has no "PILLAR" row
    float ttl = 0.0f;
    float frsi = 1.0f;
};

// The space record: habitable and conditioned flags, multiplier, infiltration, hygrometry, the
// elements that touch the space, and the classification of those elements. One per space, so it
// holds no hourly data: the series live in the conditions records it points to.
class Zona {
public:
    // referencia: -1 - (space index); nombre: the space name with its quotes; segundoNombre: the
    // name of its ceiling element; listaNombres: the names of its floor elements.
    // Reads the SPACE object of the building reader (fatal "No se encuentra: " + nombre when it
    // is missing) and the defaults' NO-HABITABLES list.
    Zona(int referencia, const std::string& nombre, const std::string& segundoNombre,
         const std::vector<std::string>& listaNombres, CondicionesOperacionales* condiciones,
         CondicionesSistemas* sistema, int pilares, float altura);
    virtual ~Zona();

    // Collects every element one of whose side codes is this space, then places the pillar
    // thermal bridges. One pass over the records; for a whole building prefer enlazarTodas,
    // which looks every element up once for all the spaces.
    void enlazarElementos(const std::vector<Elemento*>& registros);
    // The same for every space of a building at once: each element is visited once and handed
    // to the spaces named by its side codes (in record order), and the pillar bridge values are
    // read once. Null entries of `zonas` (multiplied copies) are skipped.
    static void enlazarTodas(const std::vector<Zona*>& zonas,
                             const std::vector<Elemento*>& registros);
    // The pillar bridge values of the building (defaults table, then the "PILAR" object of the
    // building reader).
    static PuentePilar puentePilar();
    // Shares pillars x height among the elements with an exterior side code.
    void colocarPilares(const PuentePilar& pilar);

    // 0 wall, 1 partition, 2 roof, 3 floor, 4 opening (and 2/4 from the exterior test).
    // `posicion` indexes `elementos`; `otra` is the space record on the other side of a
    // partition (null: treated as habitable, no names).
    int clasificarElemento(int posicion, const Zona* otra) const;

    // Tilt in degrees (0 facing up, 90 vertical, 180 facing down) from a unit normal.
    static float inclinacionGrados(const Vector3& normal);

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
    // How the space's hygrometry is stated: "humedad", "produccion", "clase", "edificio" (taken
    // from the building) or "defecto" (class 5, nothing stated anywhere).
    std::string origenHigrometria = "defecto";
    int pilares = 0;

private:
    void leerHigrometria(const LeerBDL& espacio);
    bool nombreEnLista(const std::string& n) const;
};
