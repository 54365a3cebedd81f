#include "input/ListasFallos.h"

#include "base/TextoLatin1.h"

const char* const ListasFallos::kEtiquetas[ListasFallos::kNumListas] = {
    "\"REQUERIMIENTOS M\xCDNIMOS\"",
    "\"CONDENSACIONES SUPERFICIALES\"",
    "\"CONDENSACIONES INTERSTICIALES\"",
    "\"PERMEABILIDAD\"",
    "\"CONDENSACIONES SUPERFICIALES EN PUENTES TERMICOS\"",
};

void ListasFallos::registrarFallo(bool ok, const std::string& mensaje, int lista) {
    if (ok) return;
    fallido_ = true;
    if (lista < 0 || lista >= kNumListas) return;
    if (normalizados_[lista].insert(normalizarNombre(mensaje)).second)
        fallos_[lista].push_back(mensaje);
}

std::string ListasFallos::textoResultados() const {
    std::string texto;
    if (fallido_)
        for (int l = 0; l < kNumListas; ++l)
            for (const std::string& m : fallos_[l]) {
                texto += m.c_str(); // as printf's "%s" writes it
                texto += ", ";
                texto += kEtiquetas[l];
                texto += '\n';
            }
    texto += veredicto();
    return texto;
}
