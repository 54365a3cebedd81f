#pragma once
#include <memory>
#include <string>
#include <vector>

#include "geometry/PoliArea.h"

class Elemento;
class Zona;
class CondicionesOperacionales;
class CondicionesSistemas;
class ElementContour;

// One FLOOR object (a storey).
struct Planta {
    std::string nombre;         // with quotes
    std::string poligono;       // name of its POLYGON
    float alturaEspacio = 0.0f; // SPACE-HEIGHT
    float azimut = -1e10f, x = -1e10f, y = -1e10f, z = 0.0f;
    float multiplicador = 1.0f;
    std::vector<std::pair<float, float>> vertices; // storey polygon as read (2-D)
};

// One SPACE object, indexed in BDL order.
struct Espacio {
    std::string nombre;              // with quotes
    std::string techo;               // name of its ceiling element
    std::vector<std::string> suelos; // names of its floor elements
    float area = 0.0f;               // floor area
    float multiplicador = 1.0f;
    bool multiplicado = false; // a multiplied copy: no geometry, no elements, no Zona
    float altura = 0.0f;       // height for the thermal model
    int planta = -1;
    std::string nombrePlanta;
    std::vector<Elemento*> elementos; // its own elements, in creation order
    std::unique_ptr<Zona> zona;       // null for multiplied copies
};

// The building model of one run. Its construction reads the building parameters, user functions,
// storeys, spaces and every envelope element, builds the conditions and the space records,
// detects the interior partitions and builds the thermal bridges ("puentes.dat").
class Edificio {
public:
    Edificio(const std::string& metodo, const std::string& modo, const std::string& ficheroClima);
    virtual ~Edificio();
    Edificio(const Edificio&) = delete;
    Edificio& operator=(const Edificio&) = delete;

    int numEspacios() const { return static_cast<int>(espacios.size()); }
    // The element-record array (windows and walls, then the detected partitions).
    std::vector<Elemento*>& registros() { return registros_; }
    const std::vector<Elemento*>& registros() const { return registros_; }

    // --- building parameters ---
    std::string tipoEdificio = "Unifamiliar"; // TYPE-BUILD
    float azimut = -1e10f, xRef = -1e10f, yRef = -1e10f;
    float dAislamientoPerimetral = 0.0f, rAislamientoPerimetral = 0.0f;

    std::vector<Planta> plantas;
    std::vector<Espacio> espacios;
    std::vector<std::string> nombresCondiciones; // SPACE-CONDITIONS names + default name
    std::vector<std::unique_ptr<CondicionesOperacionales>> condiciones;
    std::vector<std::string> nombresSistemas; // SYSTEM-CONDITIONS names + default name
    std::vector<std::unique_ptr<CondicionesSistemas>> sistemas;

    // Every element object, in creation order (owner).
    std::vector<std::unique_ptr<Elemento>> elementos;
    // The all-surfaces list (the element number is the position) and the exterior surfaces.
    std::vector<PoliArea*> superficies;
    std::vector<PoliArea*> superficiesExteriores;
    std::vector<int> ventanas; // element numbers of the windows, in creation order

    // Partition mode flags and the thermal bridges.
    bool particionesSobrescribir = false, particionesAnadir = false, particionesDirecto = true;
    std::vector<std::unique_ptr<ElementContour>> puentes;

protected:
    Edificio() = default; // for tests that assemble a model by hand
    std::vector<Elemento*> registros_;
};
