#include "building/ModeloEdificio.h"

#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/Zona.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"

const char* const ModeloEdificio::kCondicionesPorDefecto = "SIN-FUENTES-INTERNAS-POR-DEFECTO";
const char* const ModeloEdificio::kSistemaPorDefecto = "NO-ACONDICIONADO-POR-DEFECTO";

ModeloEdificio::ModeloEdificio() = default;
ModeloEdificio::~ModeloEdificio() = default;

int ModeloEdificio::indiceEspacio(const std::string& nombre) const {
    auto it = espacioPorNombre_.find(nombre);
    return it == espacioPorNombre_.end() ? -1 : it->second;
}

const Zona* ModeloEdificio::zonaVecina(const Zona& zona, const Elemento& e) const {
    const int a = e.lados.size() > 0 ? e.lados[0] : 0;
    const int b = e.lados.size() > 1 ? e.lados[1] : 0;
    if (!(a < 0 && b < 0)) return nullptr;
    const int codigoOtra = (a == zona.referencia) ? b : a;
    const int indice = -codigoOtra - 1;
    if (indice < 0 || indice >= numEspacios()) return nullptr;
    return espacios[indice].zona.get();
}
