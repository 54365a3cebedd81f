#include "input/PilaObjetos.h"

#include <cstring>

#include "input/LeerBDL.h"

void PilaObjetos::entrar(const LeerBDL* vista, const char* tipo) {
    marcos_.push_back(Marco{vista, tipo});
}

std::string PilaObjetos::nombre(const LeerBDL& vista) {
    const char* t = vista.texto();
    if (!t || t[0] != '"') return "";
    const char* cierre = std::strchr(t + 1, '"');
    return cierre ? std::string(t, cierre + 1) : std::string(t);
}

void PilaObjetos::salir(bool porError) {
    if (marcos_.empty()) return;
    if (porError && !copiada_) {
        copiada_ = true;
        copia_.clear();
        for (const Marco& m : marcos_)
            copia_.push_back(MarcoCopiado{m.tipo, m.vista ? nombre(*m.vista) : std::string(),
                                          m.vista ? m.vista->lugar(0) : Lugar()});
    }
    marcos_.pop_back();
}

std::string PilaObjetos::explicar(const ErrorFatal& error,
                                  const std::vector<MarcoCopiado>& marcos) {
    Lugar lugar = error.lugar();
    if (!lugar.conocido() && !marcos.empty()) lugar = marcos.back().lugar;
    std::string r;
    if (!marcos.empty()) {
        const MarcoCopiado& m = marcos.back();
        r = "en el objeto " + m.nombre + " (" + m.tipo + ")";
        // The object it was being built for, when it is another one.
        for (auto it = marcos.rbegin() + 1; it != marcos.rend(); ++it) {
            if (it->nombre == m.nombre && it->tipo == m.tipo) continue;
            r += ", al construir " + it->nombre + " (" + it->tipo + ")";
            break;
        }
    }
    if (!error.detalle().empty()) r += (r.empty() ? "" : ": ") + error.detalle();
    if (r.empty()) return "";
    return (lugar.conocido() ? lugar.texto() : std::string("envolvente")) + ": " + r;
}
