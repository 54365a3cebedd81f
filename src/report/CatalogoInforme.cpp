#include "report/CatalogoInforme.h"

#include <cstring>

#include "envelope/Elemento1D.h"
#include "input/ResultadoComprobacion.h"
#include "report/ContextoInforme.h"
#include "report/InformeCondensacion.h"
#include "report/InformeConstruccion.h"

namespace {

void anadirReal(std::string& k, float v) {
    char b[sizeof v];
    std::memcpy(b, &v, sizeof v);
    k.append(b, sizeof v);
}

void anadirTexto(std::string& k, const std::string& t) {
    k += t;
    k += '\0';
}

} // namespace

// Everything the construction's record shows, names and the bytes of its values.
std::string CatalogoInforme::clave(const Elemento1D& e) {
    std::string k;
    k.reserve(64 + e.capas.size() * 64);
    anadirTexto(k, e.construccion);
    anadirTexto(k, e.tipoConstruccion);
    for (float v : {e.uDada, e.U, e.masa}) anadirReal(k, v);
    for (const Capa& c : e.capas) {
        anadirTexto(k, c.material);
        anadirTexto(k, c.tipo);
        for (float v : {c.espesor, c.conductividad, c.resistencia, c.resistenciaAnadida, c.densidad,
                        c.calorEspecifico, c.factorDifusion, c.vapor})
            anadirReal(k, v);
    }
    return k;
}

int CatalogoInforme::construccion(const Elemento1D& e) {
    // The shared entries outlive the element being written.
    const MontonJson::Pausa pausa;
    auto [it, nueva] = porConstruccion_.emplace(clave(e), static_cast<int>(construcciones.size()));
    if (nueva) construcciones.push_back(InformeConstruccion::construccion(e));
    return it->second;
}

int CatalogoInforme::perfil(const ContextoInforme& c, const Elemento1D& e, int construccion,
                            const ResultadoComprobacion& r) {
    const MontonJson::Pausa pausa;
    const auto k = std::make_tuple(construccion, r.hExterior, r.hInterior, r.humedadInterior);
    auto it = porPerfil_.find(k);
    if (it != porPerfil_.end()) return it->second;
    Json j = InformeCondensacion::intersticial(c, e, r);
    const int i = j.is_null() ? -1 : static_cast<int>(perfiles.size());
    if (i >= 0) perfiles.push_back(std::move(j));
    porPerfil_.emplace(k, i);
    return i;
}
