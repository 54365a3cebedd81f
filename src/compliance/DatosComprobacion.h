#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "compliance/HigrometriaEspacio.h"
#include "compliance/ResumenZonas.h"

class Elemento;

// The limit values of the climate zone as the check loaded them (file values or defaults).
struct LimitesZona {
    std::string zona, fichero;
    bool porOrientacion = true;
    float uMuros = 0.0f, uSuelos = 0.0f, uCubiertas = 0.0f, uHuecos = 0.0f, uMedianeras = 0.0f;
    float uParticionesNoAcondicionadas = 0.0f;
    float permeabilidadHuecos = 0.0f;
    float fRsiMinimo[3] = {0.0f, 0.0f, 0.0f};
    float porcentajeVentanas[3] = {0.0f, 0.0f, 0.0f};
    float uPonderada = 0.0f, porcentajePonderado = 0.0f;
};

// How the check saw one element: its category (0 wall, 1 partition, 2 roof, 3 floor, 4 opening;
// -1 not classified) and, when no comparison was made for it, why.
struct EstadoElemento {
    int categoria = -1;
    const char* motivo = nullptr; // null once some comparison was made for the element
};

// What the minimum-requirements check worked with, for a report of the run: filled as the check
// goes, so that after a fatal error it holds what the check had reached. The check fills it
// only when it is given one.
struct DatosComprobacion {
    bool limitesCargados = false;
    LimitesZona limites;
    bool conPeliculas = false;
    float he = 0.0f, hi = 0.0f; // film coefficients of the check, W/m2K
    bool conFRsiMinimo = false;
    float fRsiMinEdificio = 0.0f;
    // Per space (by index): its minimum temperature factor and interior humidity, once computed.
    std::vector<char> conHigrometria;
    std::vector<HigrometriaEspacio> higrometria;
    // Per space: the reduction factor of the non-habitable ones, NaN where not computed.
    std::vector<float> factorReduccion;
    std::unordered_map<const Elemento*, EstadoElemento> elementos;
    // The zone-number summary, once written.
    std::unique_ptr<ResumenZonas::Resumen> resumen;
    bool terminada = false; // the check ran to its end

    // Notes the element's category and why it was not compared (null: it was). A comparison
    // made is never undone; a non-habitable space's reason never replaces another.
    void anotarElemento(const Elemento* e, int categoria, const char* motivo);
};
