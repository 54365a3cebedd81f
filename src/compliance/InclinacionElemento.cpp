#include "compliance/InclinacionElemento.h"

#include "building/Zona.h"
#include "envelope/Elemento.h"

float inclinacionElemento(const Elemento& e) {
    if (e.poligono) return Zona::inclinacionGrados(e.poligono->normal());
    float t = e.inclinacion / 0.017453292f;
    return t < 0.0f ? t + 360.0f : t;
}
