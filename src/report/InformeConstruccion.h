#pragma once
#include "report/JsonInforme.h"

class Elemento;
class ValoresPorDefecto;

// What an element is made of in the report: its construction and layers, its thermal-bridge
// table, the window or door data, the ground-contact data.
class InformeConstruccion {
public:
    // The construction with its layers; null for a window or door.
    static Json construccion(const Elemento& e);
    // A window or door (it has a glazing, not a construction).
    static bool esHueco(const Elemento& e);
    // The rows of the element's thermal-bridge table that received bridges, in table order;
    // the closing row (bridges of no type) last, with type null.
    static Json filasPuentes(const Elemento& e, const ValoresPorDefecto* defectos);
    // Window or door data; null for other elements.
    static Json ventana(const Elemento& e);
    // Ground-contact data (uPerimetral: the U of the perimeter insulation check, NaN when not
    // made); null for other elements.
    static Json terreno(const Elemento& e, float uPerimetral);
    // The air-permeability class of UNE-EN 12207 reached at 100 Pa: 4 (<= 3), 3 (<= 9),
    // 2 (<= 27), 1 (<= 50), 0 (above 50).
    static int clasePermeabilidad(float permeabilidad);
};
