// Stand-in until the building model is built: a building without spaces.
#include "geometry/Edificio.h"

#include "climate/CondicionesOperacionales.h"
#include "climate/CondicionesSistemas.h"
#include "climate/Zona.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"

Edificio::Edificio(const std::string&, const std::string&, const std::string&) {}
Edificio::~Edificio() = default;
