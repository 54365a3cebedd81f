#include "input/IndiceCabeceras.h"

#include <algorithm>

namespace {
bool finDePalabra(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\0';
}
} // namespace

IndiceCabeceras::IndiceCabeceras(const char* texto, int longitud) {
    if (!texto) return;
    for (int i = 2; i + 2 < longitud; ++i) {
        if (texto[i] != '=' || texto[i + 1] != ' ' || texto[i - 2] != '"') continue;
        int inicioTipo = i + 2;
        int finTipo = inicioTipo;
        while (finTipo < longitud && !finDePalabra(texto[finTipo])) ++finTipo;
        if (finTipo == inicioTipo) continue;
        int cierre = i - 2;
        int apertura = cierre - 1;
        while (apertura >= 0 && texto[apertura] != '"') --apertura;
        if (apertura < 0) continue;
        Cabecera c;
        c.posicion = apertura;
        c.tipo.assign(texto + inicioTipo, texto + finTipo);
        c.nombre.assign(texto + apertura, texto + cierre + 1);
        porTipo_[c.tipo].push_back(static_cast<int>(cabeceras_.size()));
        cabeceras_.push_back(std::move(c));
    }
}

const std::vector<int>& IndiceCabeceras::deTipo(const std::string& tipo) const {
    static const std::vector<int> kVacia;
    auto it = porTipo_.find(tipo);
    return it == porTipo_.end() ? kVacia : it->second;
}

int IndiceCabeceras::siguiente(int desde, const std::vector<std::string>& tipos) const {
    int n = static_cast<int>(cabeceras_.size());
    for (int i = desde + 1; i < n; ++i)
        if (std::find(tipos.begin(), tipos.end(), cabeceras_[i].tipo) != tipos.end()) return i;
    return n;
}

std::vector<int> IndiceCabeceras::hijos(int desde, int hasta, const std::string& tipo) const {
    const std::vector<int>& todos = deTipo(tipo);
    auto a = std::upper_bound(todos.begin(), todos.end(), desde);
    auto b = std::lower_bound(todos.begin(), todos.end(), hasta);
    return a < b ? std::vector<int>(a, b) : std::vector<int>();
}
