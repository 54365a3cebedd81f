#include "envelope/Elemento1D.h"

#include "base/ErrorFatal.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {
// Value of the key in the object, else the required default.
float peliculaODefecto(const LeerBDL& objeto, const char* clave, const Opcional<float>* defecto,
                       float fijo) {
    float v = 0.0f;
    if (objeto.dameReal(clave, v) >= 0) return v;
    if (!defecto) return fijo;
    return gDefectos->exigir(*defecto, clave);
}
} // namespace

void Elemento1D::leerPeliculas(const LeerBDL& objeto) {
    comprobar(gDefectos != nullptr, "Faltan los valores por defecto");
    hcext = peliculaODefecto(objeto, "HCEXT", &gDefectos->hcext, 0.0f);
    hrext = peliculaODefecto(objeto, "HREXT", nullptr, gDefectos->hrext);
    hcint = peliculaODefecto(objeto, "HCINT", &gDefectos->hcint, 0.0f);
    hrint = peliculaODefecto(objeto, "HRINT", &gDefectos->hrint, 0.0f);
}

void Elemento1D::peliculasDeDefectos() {
    if (!gDefectos) return;
    if (gDefectos->hcext.presente) hcext = gDefectos->hcext.valor;
    hrext = gDefectos->hrext;
    if (gDefectos->hcint.presente) hcint = gDefectos->hcint.valor;
    if (gDefectos->hrint.presente) hrint = gDefectos->hrint.valor;
}

void Elemento1D::calcularUCapas() {
    if (capas.empty()) return;
    float r = 0.0f;
    for (const Capa& c : capas) r += c.resistenciaTermica();
    // A stack without any resistance conducts without limit; a huge finite value keeps the
    // film formulas finite.
    U = r > 0.0f ? 1.0f / r : 1e10f;
}

void Elemento1D::calcularVapor() {
    for (Capa& c : capas) {
        if (c.espesor > 0.0f) c.vapor *= c.espesor;
        if (c.vapor > 10000.0f) c.vapor = 10000.0f;
    }
}

int Elemento1D::indiceFuncion(const LeerBDL& objeto, const std::string& clave) {
    std::string nombreFuncion;
    if (objeto.dameCadena(clave, nombreFuncion) < 0) return -1;
    return gGlobal2->buscarFuncion(nombreFuncion);
}

void Elemento1D::ponerIdentidad(const char* tipoElemento, const char* tipoDeMuro,
                                const std::string& n, int nl, const std::vector<float>& a,
                                const std::vector<int>& l, int etiq) {
    tipo = tipoElemento;
    tipoMuro = tipoDeMuro;
    nombre = n;
    numLados = nl;
    areasLados = a;
    lados = l;
    etiqueta = etiq;
}
