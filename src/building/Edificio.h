#pragma once
#include <string>
#include <utility>
#include <vector>

#include "building/ModeloEdificio.h"
#include "input/IndiceCabeceras.h"

class LeerBDL;
class ColocacionElemento;

// The building model of one run. Its construction reads the building parameters, user functions,
// storeys, spaces and every envelope element, builds the conditions and the space records,
// detects the interior partitions and builds the thermal bridges ("puentes.dat").
class Edificio : public ModeloEdificio {
public:
    Edificio(const std::string& metodo, const std::string& modo, const std::string& ficheroClima);
    virtual ~Edificio();
    Edificio(const Edificio&) = delete;
    Edificio& operator=(const Edificio&) = delete;

protected:
    Edificio() = default; // for tests that run only some steps of the construction
    // Steps of the construction, from the counts to the partition flags (everything but the
    // partitions and thermal bridges), and then the partitions and the thermal bridges.
    void construirModelo(const std::string& modo);
    void completarParticionesYPuentes();

private:
    void contarObjetos();
    void registrarNombres();
    void leerFunciones();
    void leerParametrosEdificio();
    void leerPlanta(int indicePlanta, const std::string& nombre);
    void construirEspacio(int indiceEspacio, int indicePlanta, int cabecera);
    void colocarEspacio(const LeerBDL& vista, const Planta& planta, Espacio& espacio);
    void construirElementosDe(int indiceEspacio, int cabecera);

    // Steps of one wall, roof, interior or underground wall.
    struct ElementoLeido;
    struct Trazado;
    // The space-polygon edge an element starts from.
    struct Arista {
        PuntoPlano inicio, fin;
    };
    void construirElemento(int indiceEspacio, int codigo, int cabecera);
    static ElementoLeido leerElemento(const LeerBDL& vista, const std::string& nombre,
                                      const Espacio& espacio);
    static Arista aristaDeArranque(const Espacio& espacio, const std::string& ubicacion);
    void situarHorizontal(int indiceEspacio, int codigo, ElementoLeido& d);
    static Trazado trazar(const Espacio& espacio, const Arista& arista,
                          const std::vector<std::pair<float, float>>& verticesPropios,
                          ElementoLeido& d);
    static Trazado trazarPoligonoPropio(const Arista& arista,
                                        const std::vector<std::pair<float, float>>& vertices,
                                        float cosT, float senT, ElementoLeido& d);
    static Trazado trazarSobreEspacio(const Espacio& espacio, const Arista& arista,
                                      ElementoLeido& d);
    static Trazado trazarRectangulo(const Arista& arista, float cosT, float senT, ElementoLeido& d);
    float construirVentanasDe(int indiceEspacio, int codigo, int cabecera, const ElementoLeido& d,
                              const ColocacionElemento& plano, const PoliArea& poligono);
    void registrarElemento(int indiceEspacio, int codigo, const ElementoLeido& d, float areaNeta,
                           std::unique_ptr<PoliArea> poligono);
    float construirVentana(int indiceEspacio, int cabecera, const ColocacionElemento& plano,
                           float inclinacion, float azimutMuro, float zBase,
                           std::vector<Elemento*>& ventanasMuro);
    void construirCondiciones();
    void registrarExcitacion();
    void crearZonas(const std::string& modo);
    void leerModoParticiones();
    std::vector<std::pair<float, float>> leerPoligono(const std::string& nombre) const;

    LeerBDL* bdl_ = nullptr;
    IndiceCabeceras indice_;
};

// The building model of the current run, set by the run driver.
extern Edificio* gEdificio;
