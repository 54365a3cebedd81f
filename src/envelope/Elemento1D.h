#pragma once
#include <string>

#include "envelope/Elemento.h"

class LeerBDL;

// One layer of a construction. A resistance-only layer has conductivity, thickness, density and
// specific heat 0 and its resistance set.
struct Capa {
    float espesor = 0.0f;         // m
    float conductividad = 0.0f;   // W/mK
    float densidad = 0.0f;        // kg/m3
    float calorEspecifico = 0.0f; // J/kgK
    float resistencia = 0.0f;     // m2K/W
    float vapor = 0.0f;           // equivalent air-layer thickness, m (capped at 10000)
    float espesorForzado = -1.0f; // from the layers object's THICKNESS list, -1 where not given

    // What the layer was made from: the MATERIAL name (with its quotes), how it is given
    // ("PROPERTIES"; "RESISTANCE", also for a PROPERTIES material without mass data; "terreno"
    // for the ground layer of a ground element), the vapour diffusion factor as read and capped
    // (-1 for a resistance-only layer) and the perimeter insulation resistance taken into it.
    std::string material;
    const char* tipo = "PROPERTIES";
    float factorDifusion = -1.0f;
    float resistenciaAnadida = 0.0f;

    // Thermal resistance: thickness/conductivity for a conductive layer, else the resistance.
    float resistenciaTermica() const {
        return conductividad > 0.0f ? espesor / conductividad : resistencia;
    }
};

// Element of layered (one-dimensional) construction: walls, ground elements and windows derive
// from it. The film coefficients are constant over the time steps, so one value each is held.
class Elemento1D : public Elemento {
public:
    std::vector<Capa> capas; // outside first
    float U = 0.0f;          // conductance of the layer stack without films (or the given U)
    // The construction as the building file names it (empty for a detected partition), its
    // TYPE ("LAYERS", or the type of a construction given by its U) and that U (kNoDado for a
    // construction of layers).
    std::string construccion;
    std::string tipoConstruccion;
    float uDada = -1e10f;
    float masa = 0.0f; // kg/m2
    float hcext = 0.0f, hrext = 0.0f, hcint = 0.0f, hrint = 0.0f;
    int funcionConveccion = -1, funcionRadiacion = -1, funcionAbsortancia = -1;
    int etiqueta = 0; // integer tag handed over by the building model
    float masaPorArea() const override { return masa; }

protected:
    // The identity and sides every element gets from the building model.
    void ponerIdentidad(const char* tipoElemento, const char* tipoDeMuro, const std::string& n,
                        int nl, const std::vector<float>& a, const std::vector<int>& l, int etiq);
    // "HCEXT", "HREXT", "HCINT", "HRINT" of the element's object; a missing one takes the
    // defaults file's value (a missing default stops the run naming the key).
    void leerPeliculas(const LeerBDL& objeto);
    // The four film coefficients of the defaults file, where it gives them.
    void peliculasDeDefectos();
    // Stack conductance: U = 1/sum of the layer resistances (U unchanged without layers).
    void calcularUCapas();
    // Vapour values: diffusion factor x thickness for layers with thickness, capped at 10000.
    void calcularVapor();
    // Index of the user function named by the key, -1 when the key or the function is absent.
    static int indiceFuncion(const LeerBDL& objeto, const std::string& clave);
};
