#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "geometry/PoliArea.h"
#include "geometry/TransformacionPlanta.h"

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
    std::vector<Point3> verticesColocados;         // in building coordinates, z = 0
};

// One SPACE object, indexed in BDL order.
struct Espacio {
    std::string nombre;              // with quotes
    std::string techo;               // name of its ceiling element
    std::vector<std::string> suelos; // names of its floor elements
    float area = 0.0f;               // floor area
    float multiplicador = 1.0f;
    bool multiplicado = false; // a multiplied copy: no geometry, no elements, no Zona
    float altura = 0.0f;       // height for the thermal model (VOLUME / area when given)
    int planta = -1;
    std::string nombrePlanta;
    // Its own walls, roofs and floors (not their windows), in creation order.
    std::vector<Elemento*> elementos;
    std::unique_ptr<Zona> zona; // null for multiplied copies

    // --- placement ---
    float alturaGeometrica = 0.0f;                 // HEIGHT, else the storey's SPACE-HEIGHT
    float zEspacio = 0.0f;                         // the space's own Z
    float zBase = 0.0f;                            // storey Z + space Z
    std::string poligono;                          // name of its POLYGON
    std::vector<std::pair<float, float>> vertices; // space polygon as read (its own frame)
    CadenaColocacion cadena;                       // its frame -> building coordinates
    std::vector<Point3> verticesColocados;         // floor polygon in building coordinates
    int pilares = 0;                               // PILLARS-NUMBER
};

// The building model as data: storeys, spaces with their space records, the conditions, every
// element object and the element-record array, the inferred partitions and the thermal bridges.
// `Edificio` builds it from the building file; the partition detector, the thermal-bridge
// builder and the checks work on it.
class ModeloEdificio {
public:
    ModeloEdificio();
    virtual ~ModeloEdificio();
    ModeloEdificio(const ModeloEdificio&) = delete;
    ModeloEdificio& operator=(const ModeloEdificio&) = delete;

    int numEspacios() const { return static_cast<int>(espacios.size()); }
    // The element-record array (windows and walls, then the detected partitions).
    std::vector<Elemento*>& registros() { return registros_; }
    const std::vector<Elemento*>& registros() const { return registros_; }
    // Index of the space of that name (with quotes, compared exactly), or -1.
    int indiceEspacio(const std::string& nombre) const;
    // The space record on the other side of an element of `zona` that has spaces on both
    // sides, or null (an exterior element, a side out of range, a multiplied copy).
    const Zona* zonaVecina(const Zona& zona, const Elemento& e) const;

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
    // Name by element number: windows, exterior walls, roofs and interior walls (empty for
    // underground walls).
    std::vector<std::string> nombresElementos;

    // Object counts of the building file (sizes of the element arrays).
    int numVentanas = 0, numMurosExteriores = 0, numCubiertas = 0, numMurosInteriores = 0,
        numMurosEnterrados = 0, numSuperficiesVirtuales = 0;

    // Partition mode flags and the thermal bridges.
    bool particionesSobrescribir = false, particionesAnadir = false, particionesDirecto = true;
    std::vector<std::unique_ptr<ElementContour>> puentes;

    static const char* const kCondicionesPorDefecto; // "SIN-FUENTES-INTERNAS-POR-DEFECTO"
    static const char* const kSistemaPorDefecto;     // "NO-ACONDICIONADO-POR-DEFECTO"

protected:
    std::vector<Elemento*> registros_;
    std::unordered_map<std::string, int> espacioPorNombre_;
};
