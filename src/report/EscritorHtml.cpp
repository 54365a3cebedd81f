#include "report/EscritorHtml.h"

#include <cstdio>
#include <string_view>

#include "report/PlantillaInforme.h"

namespace {

// The template in two parts, before and after its placeholder (the whole template first when
// it has none).
void partes(std::string_view& antes, std::string_view& despues) {
    const std::string_view plantilla(kPlantillaInforme, kLongitudPlantillaInforme);
    const std::size_t p = plantilla.find(EscritorHtml::kMarcador);
    if (p == std::string_view::npos) {
        antes = plantilla;
        despues = std::string_view();
        return;
    }
    antes = plantilla.substr(0, p);
    despues = plantilla.substr(p + std::char_traits<char>::length(EscritorHtml::kMarcador));
}

} // namespace

std::string EscritorHtml::escapar(const std::string& json) {
    std::string r;
    r.reserve(json.size() + json.size() / 16);
    for (char c : json) {
        if (c == '<')
            r += "\\u003c";
        else
            r += c;
    }
    return r;
}

bool EscritorHtml::escribir(const std::string& ruta, const std::string& json) {
    std::string_view antes, despues;
    partes(antes, despues);
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) return false;
    bool bien = std::fwrite(antes.data(), 1, antes.size(), f) == antes.size();
    // The JSON goes out in pieces between its "<" characters, each written as its escape.
    std::size_t desde = 0;
    while (bien && desde < json.size()) {
        std::size_t p = json.find('<', desde);
        const std::size_t fin = p == std::string::npos ? json.size() : p;
        bien = std::fwrite(json.data() + desde, 1, fin - desde, f) == fin - desde;
        if (bien && p != std::string::npos) bien = std::fputs("\\u003c", f) >= 0;
        desde = fin + (p == std::string::npos ? 0 : 1);
    }
    bien = bien && std::fwrite(despues.data(), 1, despues.size(), f) == despues.size();
    return std::fclose(f) == 0 && bien;
}
