#include "input/RevisionBDL.h"

#include <algorithm>
#include <unordered_map>

#include "input/LeerBDL.h"
#include "input/TextoBDL.h"

namespace {

// Object types of DOE-2 building files that the engine does not read; with the types it reads
// they tell an unquoted object header from an assignment.
const char* const kTiposConocidos[] = {
    "DOOR",          "BUILDING-SHADE",  "FIXED-SHADE",     "SCHEDULE",   "DAY-SCHEDULE",
    "WEEK-SCHEDULE", "RUN-PERIOD",      "SITE-PARAMETERS", "DESIGN-DAY", "COMPLIANCE",
    "SPACE-SHADE",   "GLASS-TYPE-CODE", "TROMBE-WALL",     "COOL-PANEL", "VIRTUAL-SURFACE"};

std::string lineaDe(const Lugar& l) {
    return "l\xEDnea " + std::to_string(l.linea);
}

} // namespace

RevisionBDL::RevisionBDL(const LeerBDL& bdl, std::vector<std::string> tiposLeidos, Avisos& avisos)
    : bdl_(bdl), tiposLeidos_(std::move(tiposLeidos)), avisos_(avisos),
      indice_(bdl.texto(), bdl.texto() ? bdl.longitud() : 0),
      ficheroEdificio_(bdl.texto() ? bdl.lugar(0).fichero : "") {
    // Every "..", overlapping ones included, so that the end of an object is a binary search.
    const char* t = bdl.texto();
    for (int i = 0; t && i + 1 < bdl.longitud(); ++i)
        if (t[i] == '.' && t[i + 1] == '.') cierres_.push_back(i);
}

void RevisionBDL::ejecutar() {
    if (!bdl_.texto()) return;
    tiposNoLeidos();
    objetosSinCierre();
    clavesRepetidas();
    nombresSinComillas();
}

bool RevisionBDL::enEdificio(int posicion) const {
    return bdl_.lugar(posicion).fichero == ficheroEdificio_;
}

bool RevisionBDL::esTipoLeido(const std::string& tipo) const {
    return std::find(tiposLeidos_.begin(), tiposLeidos_.end(), tipo) != tiposLeidos_.end();
}

void RevisionBDL::avisar(int posicion, const IndiceCabeceras::Cabecera* objeto, Aviso::Clase clase,
                         std::string texto) {
    Aviso a;
    a.lugar = bdl_.lugar(posicion);
    if (objeto) {
        a.objeto = objeto->nombre;
        a.tipo = objeto->tipo;
    }
    a.clase = clase;
    a.texto = std::move(texto);
    avisos_.anadir(std::move(a));
}

int RevisionBDL::finObjeto(const IndiceCabeceras::Cabecera& c) const {
    const int desde = c.posicion + static_cast<int>(c.nombre.size());
    auto f = std::lower_bound(cierres_.begin(), cierres_.end(), desde);
    return f == cierres_.end() ? bdl_.longitud() : *f;
}

void RevisionBDL::tiposNoLeidos() {
    for (const IndiceCabeceras::Cabecera& c : indice_.cabeceras())
        if (!esTipoLeido(c.tipo) && enEdificio(c.posicion))
            avisar(c.posicion, &c, Aviso::Clase::TipoNoLeido,
                   "el motor no lee los objetos " + c.tipo + ": este queda fuera del modelo");
}

void RevisionBDL::objetosSinCierre() {
    const auto& cab = indice_.cabeceras();
    for (std::size_t i = 0; i < cab.size(); ++i) {
        const int fin = finObjeto(cab[i]);
        if (i + 1 < cab.size() && fin < cab[i + 1].posicion) continue;
        if (i + 1 == cab.size() && fin < bdl_.longitud()) continue;
        std::string texto = "el objeto no se cierra con \"..\"";
        if (i + 1 < cab.size()) {
            const Lugar aqui = bdl_.lugar(cab[i].posicion);
            const Lugar siguiente = bdl_.lugar(cab[i + 1].posicion);
            texto += " antes de " + cab[i + 1].nombre + " (" + cab[i + 1].tipo + ", " +
                     (siguiente.fichero == aqui.fichero ? lineaDe(siguiente) : siguiente.texto()) +
                     "): las claves que no tiene se buscan en el texto que sigue";
        } else
            texto += ": sus claves se buscan hasta el final del texto";
        avisar(cab[i].posicion, &cab[i], Aviso::Clase::SinCierre, std::move(texto));
    }
}

void RevisionBDL::clavesRepetidas() {
    const char* t = bdl_.texto();
    const int n = bdl_.longitud();
    const auto& cab = indice_.cabeceras();
    for (std::size_t i = 0; i < cab.size(); ++i) {
        int fin = finObjeto(cab[i]);
        if (i + 1 < cab.size()) fin = std::min(fin, cab[i + 1].posicion);
        std::unordered_map<std::string, int> primera;
        // One pass over the object, the quotes of each line counted on the way.
        bool entreComillas = false;
        for (int p = cab[i].posicion + static_cast<int>(cab[i].nombre.size()); p < fin; ++p) {
            if (t[p] == '\n') entreComillas = false;
            if (t[p] == '"') entreComillas = !entreComillas;
            if (entreComillas || TextoBDL::esBlanco(t[p]) || t[p] == '"' ||
                !TextoBDL::esBlanco(t[p - 1]))
                continue;
            // A word: a key when "=" follows it (written apart or joined to it).
            int b = p;
            while (b < fin && !TextoBDL::esBlanco(t[b]) && t[b] != '=' && t[b] != '"') ++b;
            int j = b;
            while (j < fin && t[j] == ' ') ++j;
            if (b == p || j >= fin || t[j] != '=') continue;
            std::string k(t + p, t + b);
            auto [it, nueva] = primera.emplace(k, p);
            if (!nueva)
                avisar(p, &cab[i], Aviso::Clase::ClaveRepetida,
                       "la clave " + k + " se repite (ya est\xE1 en la " +
                           lineaDe(bdl_.lugar(it->second)) + "): vale la primera, " + k + " = " +
                           TextoBDL::valorTras(t, n, it->second));
        }
    }
}

void RevisionBDL::nombresSinComillas() {
    const char* t = bdl_.texto();
    const int n = bdl_.longitud();
    const auto& cab = indice_.cabeceras();
    // The stretches outside every object: before the first, between the end of one and the
    // header of the next, after the last.
    int desde = 0;
    for (std::size_t i = 0; i <= cab.size(); ++i) {
        const int hasta = i < cab.size() ? cab[i].posicion : n;
        for (int p = desde; p < hasta && enEdificio(p);) {
            int fin = p;
            while (fin < hasta && t[fin] != '\n') ++fin;
            // NAME = TYPE, the name without quotes, the type one the engine knows.
            int a0, a1, b0, b1;
            int q = p;
            while (q < fin && t[q] == ' ') ++q;
            TextoBDL::palabra(t, n, q, a0, a1);
            int r = a1;
            while (r < fin && t[r] == ' ') ++r;
            if (q < fin && t[q] != '"' && r + 2 < fin && t[r] == '=' && t[r + 1] == ' ') {
                TextoBDL::palabra(t, n, r + 2, b0, b1);
                std::string tipo(t + b0, t + std::min(b1, fin));
                bool conocido = esTipoLeido(tipo) ||
                                std::find(std::begin(kTiposConocidos), std::end(kTiposConocidos),
                                          tipo) != std::end(kTiposConocidos);
                if (conocido && b1 >= fin - 1)
                    avisar(q, nullptr, Aviso::Clase::NombreSinComillas,
                           "el nombre " + std::string(t + a0, t + a1) +
                               " no est\xE1 entre comillas: este " + tipo +
                               " no se reconoce como objeto y no se construye");
            }
            p = fin + 1;
        }
        if (i < cab.size()) desde = std::max(finObjeto(cab[i]) + 2, cab[i].posicion + 1);
    }
}
