#include "shell/Manifiesto.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "base/ErrorFatal.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fallo(const std::string& nombre, int linea, const std::string& mensaje) {
    throw ErrorFatal(nombre + ":" + std::to_string(linea) + ": " + mensaje);
}

bool esBlanco(char c) {
    return c == ' ' || c == '\t';
}

// Reads the CSV text one field at a time.
class LectorCsv {
public:
    LectorCsv(const std::string& t, const std::string& nombre) : t_(t), nombre_(nombre) {
        if (t_.compare(0, 3, "\xEF\xBB\xBF") == 0) i_ = 3; // byte-order mark of a UTF-8 export
    }

    bool fin() const { return i_ >= t_.size(); }
    int linea() const { return linea_; }

    // One record: its fields up to the line end that is not inside quotes.
    std::vector<std::string> registro() {
        std::vector<std::string> campos;
        for (;;) {
            campos.push_back(campo());
            if (fin()) break;
            if (t_[i_] == ',') {
                ++i_;
                continue;
            }
            i_ += t_[i_] == '\r' ? 2 : 1; // the record's line end
            ++linea_;
            break;
        }
        return campos;
    }

private:
    // At the end of the text, a comma, or a line end (LF or CRLF).
    bool finDeCampo() const {
        return fin() || t_[i_] == ',' || t_[i_] == '\n' ||
               (t_[i_] == '\r' && i_ + 1 < t_.size() && t_[i_ + 1] == '\n');
    }

    // A field, up to (not including) the comma or line end that ends it.
    std::string campo() {
        while (!fin() && esBlanco(t_[i_])) ++i_;
        if (!fin() && t_[i_] == '"') return entreComillas();
        std::string v;
        while (!finDeCampo()) {
            if (t_[i_] == '"') fallo(nombre_, linea_, "comilla dentro de un campo sin comillas");
            v.push_back(t_[i_++]);
        }
        while (!v.empty() && esBlanco(v.back())) v.pop_back();
        return v;
    }

    std::string entreComillas() {
        const int inicio = linea_;
        std::string v;
        for (++i_;; ++i_) {
            if (fin()) fallo(nombre_, inicio, "faltan las comillas que cierran el campo");
            const char c = t_[i_];
            if (c == '"' && i_ + 1 < t_.size() && t_[i_ + 1] == '"') {
                v.push_back('"');
                ++i_;
            } else if (c == '"') {
                ++i_;
                break;
            } else {
                if (c == '\n') ++linea_;
                v.push_back(c);
            }
        }
        while (!fin() && esBlanco(t_[i_])) ++i_;
        if (!finDeCampo()) fallo(nombre_, linea_, "texto tras las comillas que cierran el campo");
        return v;
    }

    const std::string& t_;
    const std::string& nombre_;
    std::size_t i_ = 0;
    int linea_ = 1;
};

const char* const kColumnas[] = {"id", "edificio", "clima", "zona", "limites", "defectos"};

// Column of each known name; every one but "defectos" must be present.
std::map<std::string, std::size_t> columnas(const Manifiesto::Registro& cabecera,
                                            const std::string& nombre) {
    std::map<std::string, std::size_t> col;
    for (std::size_t i = 0; i < cabecera.campos.size(); ++i)
        if (!col.emplace(cabecera.campos[i], i).second)
            fallo(nombre, cabecera.linea, "columna repetida: " + cabecera.campos[i]);
    for (const char* c : kColumnas)
        if (!col.count(c) && std::string(c) != "defectos")
            fallo(nombre, cabecera.linea,
                  std::string("falta la columna ") + c +
                      " (cabecera: id,edificio,clima,zona,limites,defectos)");
    return col;
}

// A folder name of its own: not empty, no separator, no control character, not "." or "..".
bool idValido(const std::string& id) {
    if (id.empty() || id == "." || id == ".." || id.size() > 200) return false;
    for (unsigned char c : id)
        if (c == '/' || c < 0x20 || c == 0x7F) return false;
    return true;
}

std::string resolver(const std::string& ruta, const std::string& carpeta) {
    const fs::path p(ruta);
    return p.is_absolute() ? ruta : (fs::path(carpeta) / p).string();
}

Diseno diseno(const Manifiesto::Registro& r, const std::map<std::string, std::size_t>& col,
              const std::string& nombre, const std::string& carpeta) {
    auto valor = [&](const char* c) {
        auto k = col.find(c);
        return k == col.end() ? std::string() : r.campos[k->second];
    };
    Diseno d;
    d.linea = r.linea;
    d.id = valor("id");
    if (!idValido(d.id)) fallo(nombre, r.linea, "identificador no válido: «" + d.id + "»");
    for (const char* c : kColumnas) {
        const std::string v = valor(c);
        if (v.find(',') != std::string::npos)
            fallo(nombre, r.linea, std::string("la columna ") + c + " no puede llevar comas");
        if (v.find('\0') != std::string::npos)
            fallo(nombre, r.linea, std::string("la columna ") + c + " lleva un carácter nulo");
        if (v.empty() && std::string(c) != "defectos")
            fallo(nombre, r.linea, std::string("la columna ") + c + " está vacía");
    }
    d.edificio = resolver(valor("edificio"), carpeta);
    d.clima = resolver(valor("clima"), carpeta);
    d.zona = valor("zona");
    d.limites = resolver(valor("limites"), carpeta);
    if (!valor("defectos").empty()) d.defectos = valor("defectos");
    return d;
}

} // namespace

std::vector<Manifiesto::Registro> Manifiesto::registrosCsv(const std::string& texto,
                                                           const std::string& nombre) {
    std::vector<Registro> registros;
    LectorCsv lector(texto, nombre);
    while (!lector.fin()) {
        Registro r;
        r.linea = lector.linea();
        r.campos = lector.registro();
        if (r.campos.size() == 1 && r.campos[0].empty()) continue; // a blank line
        registros.push_back(std::move(r));
    }
    return registros;
}

std::vector<Diseno> Manifiesto::leer(const std::string& texto, const std::string& nombre,
                                     const std::string& carpeta) {
    const std::vector<Registro> registros = registrosCsv(texto, nombre);
    if (registros.empty()) fallo(nombre, 1, "manifiesto vacío, sin cabecera");
    const auto col = columnas(registros[0], nombre);
    std::vector<Diseno> disenos;
    std::set<std::string> ids;
    for (std::size_t i = 1; i < registros.size(); ++i) {
        const Registro& r = registros[i];
        if (r.campos.size() != registros[0].campos.size())
            fallo(nombre, r.linea,
                  std::to_string(r.campos.size()) + " campos donde la cabecera tiene " +
                      std::to_string(registros[0].campos.size()));
        disenos.push_back(diseno(r, col, nombre, carpeta));
        if (!ids.insert(disenos.back().id).second)
            fallo(nombre, r.linea, "identificador repetido: " + disenos.back().id);
    }
    return disenos;
}

std::vector<Diseno> Manifiesto::leerFichero(const std::string& ruta) {
    std::error_code ec;
    const fs::path actual = fs::current_path(ec);
    if (ruta == "-") {
        std::string texto{std::istreambuf_iterator<char>(std::cin),
                          std::istreambuf_iterator<char>()};
        return leer(texto, "(entrada estándar)", actual.string());
    }
    std::ifstream f(ruta, std::ios::binary);
    if (!f) throw ErrorFatal("no se puede leer el manifiesto " + ruta);
    std::ostringstream s;
    s << f.rdbuf();
    fs::path carpeta = fs::path(ruta).parent_path();
    if (!carpeta.is_absolute()) carpeta = actual / carpeta;
    return leer(s.str(), ruta, carpeta.string());
}

std::vector<Diseno> Manifiesto::parte(const std::vector<Diseno>& disenos, int k, int n) {
    const auto total = static_cast<unsigned long long>(disenos.size());
    const auto desde =
        static_cast<std::size_t>(total * static_cast<unsigned>(k - 1) / static_cast<unsigned>(n));
    const auto hasta =
        static_cast<std::size_t>(total * static_cast<unsigned>(k) / static_cast<unsigned>(n));
    return std::vector<Diseno>(disenos.begin() + static_cast<std::ptrdiff_t>(desde),
                               disenos.begin() + static_cast<std::ptrdiff_t>(hasta));
}
