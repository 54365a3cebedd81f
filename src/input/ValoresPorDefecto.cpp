// Stand-in: every key takes its built-in default. Replaced by the real defaults reader.
#include "input/ValoresPorDefecto.h"

#include "input/Global2.h"
#include "shell/Globales.h"

ValoresPorDefecto::ValoresPorDefecto(const std::string& ruta) : ruta_(ruta) {
    numHoras = {8760, true};
    hcint = {3.0f, true};
    hrint = {4.7f, true};
    hcext = {20.37f, true};
}
ValoresPorDefecto::~ValoresPorDefecto() = default;

namespace {
void faltaClave(const char* clave, const std::string& ruta) {
    gGlobal2->comprobar(false, std::string("Falta la clave ") + clave +
                                   " en el fichero de valores por defecto " + ruta);
}
} // namespace

float ValoresPorDefecto::exigir(const Opcional<float>& d, const char* clave) const {
    if (!d.presente) faltaClave(clave, ruta_);
    return d.valor;
}
int ValoresPorDefecto::exigir(const Opcional<int>& d, const char* clave) const {
    if (!d.presente) faltaClave(clave, ruta_);
    return d.valor;
}
const std::string& ValoresPorDefecto::exigir(const Opcional<std::string>& d,
                                             const char* clave) const {
    if (!d.presente) faltaClave(clave, ruta_);
    return d.valor;
}
