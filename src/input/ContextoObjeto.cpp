#include "input/ContextoObjeto.h"

#include <cstring>

#include "base/ErrorFatal.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"

namespace {

struct Descripcion {
    const char* tipo;
    const char* texto;
};
// How the messages call the objects of each type.
const Descripcion kDescripciones[] = {
    {"POLYGON", "el pol\xEDgono"},
    {"SPACE", "el espacio"},
    {"FLOOR", "la planta"},
    {"CONSTRUCTION", "la construcci\xF3n"},
    {"LAYERS", "la composici\xF3n de capas"},
    {"MATERIAL", "el material"},
    {"GLASS-TYPE", "el tipo de vidrio"},
    {"WINDOW", "la ventana"},
    {"SPACE-CONDITIONS", "el objeto de condiciones de uso"},
    {"SYSTEM-CONDITIONS", "el objeto de condiciones del sistema"},
    {"FUNCTION", "la funci\xF3n"},
    {"THERMAL-BRIDGE", "el puente t\xE9rmico"},
    {"DAY-SCHEDULE-PD", "el horario diario"},
    {"WEEK-SCHEDULE-PD", "el horario semanal"},
    {"SCHEDULE-PD", "el horario anual"},
    {"EXTERIOR-WALL", "el muro exterior"},
    {"INTERIOR-WALL", "el muro interior"},
    {"UNDERGROUND-WALL", "el cerramiento en contacto con el terreno"},
    {"ROOF", "la cubierta"},
};

} // namespace

ContextoObjeto::ContextoObjeto(const LeerBDL& vista, const char* tipo)
    : pila_(gGlobal2 ? &gGlobal2->pilaObjetos() : nullptr),
      excepciones_(std::uncaught_exceptions()) {
    if (pila_) pila_->entrar(&vista, tipo);
}

ContextoObjeto::~ContextoObjeto() {
    if (pila_) pila_->salir(std::uncaught_exceptions() > excepciones_);
}

std::string descripcionObjeto(const std::string& tipo, const std::string& nombre) {
    std::string d = "el objeto";
    for (const Descripcion& x : kDescripciones)
        if (tipo == x.tipo) d = x.texto;
    return d + " " + nombre + " (" + tipo + ")";
}

std::unique_ptr<LeerBDL> objetoExigido(const LeerBDL& padre, const char* tipo,
                                       const std::string& nombre, const std::string& mensaje) {
    std::unique_ptr<LeerBDL> v = LeerBDL::objeto(padre, tipo, nombre);
    if (!v->texto())
        throw ErrorFatal(mensaje)
            .enLugar(lugarEnObjetoActual(nombre))
            .conDetalle("se buscaba " + descripcionObjeto(tipo, nombre));
    return v;
}

VistaObjeto::VistaObjeto(const LeerBDL& padre, const char* tipo, const std::string& nombre)
    : lector_(objetoExigido(padre, tipo, nombre, "No se encuentra: " + nombre)),
      contexto_(*lector_, tipo) {}

VistaObjeto::~VistaObjeto() = default;

Lugar lugarEnObjetoActual(const std::string& texto) {
    const PilaObjetos::Marco* m = gGlobal2 ? gGlobal2->pilaObjetos().actual() : nullptr;
    if (!m || !m->vista || !m->vista->texto()) return Lugar();
    const LeerBDL& v = *m->vista;
    // After the header's name, within the object's own text.
    const int desde = static_cast<int>(PilaObjetos::nombre(v).size());
    int p = texto.empty() ? 0 : v.buscar(texto, desde);
    if (p <= 0 || p >= v.longitudPropia()) p = 0;
    return v.lugar(p);
}
