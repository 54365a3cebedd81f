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

void ListasFallos::escribirVeredicto(std::FILE* errorLog, std::FILE* resultados) const {
    const char* veredicto = fallido_ ? "NO CUMPLE" : "CUMPLE";
    if (errorLog) std::fputs(veredicto, errorLog);
    if (!resultados) return;
    if (fallido_)
        for (int l = 0; l < kNumListas; ++l)
            for (const std::string& m : fallos_[l])
                std::fprintf(resultados, "%s, %s\n", m.c_str(), kEtiquetas[l]);
    std::fputs(veredicto, resultados);
}
