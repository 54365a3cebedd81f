#pragma once
#include <memory>
#include <string>
#include <vector>

#include "geometry/PoliArea.h"

// BDL kind codes of the envelope elements (windows and detected partitions get codes of their
// own after the BDL ones).
enum CodigoElemento {
    kExteriorWall = 0,
    kRoof = 1,
    kInteriorWall = 2,
    kUndergroundWall = 3,
    kTrombeWall = 4,
    kCoolPanel = 5,
    kWindow = 6,
    kParticion = 7,
};

// One row of an element's thermal-bridge table: one row per thermal-bridge type of the defaults
// file, plus a closing row (0, 1.0, 0) that collects the bridges of no type and is never checked.
struct FilaPuente {
    float ttl = 0.0f;
    float frsi = 1.0f;
    float longitud = 0.0f;
};

// Base of every envelope element. It is also the element record of the building model: the
// placement (Edificio) fills the geometric fields after construction, the element-record array
// of the building holds pointers to these objects. The virtual operations have do-nothing
// defaults (results left untouched); the concrete classes override what their physics defines.
class Elemento {
public:
    // Sets up the thermal-bridge table with one row per bridge type of the defaults (when they
    // exist) plus the closing row.
    Elemento();
    virtual ~Elemento();

    // --- identity and sides ---
    std::string nombre;
    std::string tipo; // "onedimensional_wall", "underground_wall", "window", "puertaOpaca"
    std::string tipoMuro = "none";   // "none", "PARTY-WALL", "partition", "window", ...
    int codigo = -1;                 // CodigoElemento
    int espacio = -1;                // owning space index (-1 for detected partitions)
    bool comprobarRequisitos = true; // "COMPROBAR-REQUISITOS-MINIMOS"
    int numLados = 2;
    std::vector<int> lados;        // >= 0: exterior-element number; < 0: -(space index) - 1
    std::vector<float> areasLados; // [0] net area, [1] perimeter
    int tercero = 0;               // third integer of interior walls
    float area() const { return areasLados.empty() ? 0.0f : areasLados[0]; }
    bool ladoEsEspacio(int k) const { return k < static_cast<int>(lados.size()) && lados[k] < 0; }
    bool tieneLadoExterior() const;
    bool entreEspacios() const { return lados.size() >= 2 && lados[0] < 0 && lados[1] < 0; }

    // --- placement (building coordinates) ---
    std::unique_ptr<PoliArea> poligono;  // framed, outward normal
    std::unique_ptr<PoliArea> poligono2; // detected partitions: the opposite orientation
    float inclinacion = 0.0f;            // radians, 90 degrees = vertical
    float azimut = 0.0f;                 // degrees, compass direction of the outward normal
    float altura = 0.0f, anchura = 0.0f, zBase = 0.0f;
    int suelo = 0;     // floor (forcing) flag: registered as a floor of its own space
    std::string junto; // NEXT-TO space name
    int numero = 0;    // running number given by numerar()
    // A window or door: the wall, roof or interior wall that holds it (null otherwise).
    const Elemento* soporte = nullptr;

    // --- faces ---
    float absExterior = 0.7f, absInterior = 0.7f, emiExterior = 0.9f, emiInterior = 0.9f;

    // --- thermal bridges ---
    std::vector<FilaPuente> puentes; // types of the defaults file + the closing row
    // numTipos rows plus the closing row; a row of a type of the defaults starts with that
    // type's TTL and FRSI and no length.
    void iniciarPuentes(int numTipos);
    // Adds a bridge of type t (-1: no type) with its TTL, FRSI, length and share.
    void anadirPuente(int t, float ttl, float frsi, float longitud, float reparto);

    // --- physics, overridden by the concrete classes ---
    virtual float masaPorArea() const { return 0.0f; }
    virtual float absortanciaInterior() const { return absInterior; }
    virtual float UA() const { return 0.0f; }
    virtual void calcularH(float& /*H*/, float /*hOut*/, float /*hIn*/) const {}
    virtual void calcularUPerimetral(float& /*U*/, float /*D*/, float /*R*/, float /*hOut*/,
                                     float /*hIn*/) const {}
    virtual void comprobarCondensacionSuperficial(float /*fRsiMin*/, float /*hOut*/,
                                                  float /*hIn*/) const {}
    virtual void comprobarCondensaciones(float /*fRsiMin*/, float /*hOut*/, float /*hIn*/,
                                         const float* /*Te*/, const float* /*Ti*/,
                                         const float* /*HRe*/, const float* /*HRi*/) const {}
    virtual void comprobarHueco(float /*Umax*/, float /*hOut*/, float /*hIn*/,
                                float /*Pmax*/) const {}
    virtual float permeabilidad() const { return 0.0f; }
    // Level relative to the ground of ground-contact elements (never positive); 0 otherwise.
    virtual float profundidad() const { return 0.0f; }
    // Windows: adds a length to the width and recomputes areas, fractions and door rule.
    virtual void cambiarAnchura(float /*incremento*/) {}
    virtual void numerar(int n) { numero = n; }
    virtual int dameNumero() const { return numero; }
};
