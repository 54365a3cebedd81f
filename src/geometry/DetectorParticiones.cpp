// Stand-in until partition detection is built: the records go to every space as they are.
#include "geometry/DetectorParticiones.h"

#include "climate/Zona.h"
#include "geometry/Edificio.h"

void DetectorParticiones::ejecutar() {
    for (Espacio& e : edificio_.espacios)
        if (e.zona) e.zona->enlazarElementos(edificio_.registros());
}
