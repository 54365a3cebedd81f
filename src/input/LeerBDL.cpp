#include "input/LeerBDL.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <unordered_map>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"

LeerBDL* gLeerBDL = nullptr;

namespace {

// Texts beyond this size would overflow the 32-bit positions of the reader.
constexpr std::size_t kTamanoMaximo = 600u * 1024u * 1024u;

// Widest gap between the closing quote of a name and the "=" of its header (the "=" starts
// less than three characters after the name), and between the "=" and the type keyword.
constexpr int kHuecoNombreIgual = 3;
constexpr int kHuecoIgualTipo = 4;

[[noreturn]] void sinMemoria() {
    throw ErrorFatal("No hay suficiente memoria.", ErrorFatal::Informe::SinMemoriaLector);
}

bool esFinPalabra(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool esEspacio(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Loading normalisation: every line end (LF, CR LF taken as one, lone CR taken as LF) becomes
// blank, LF, blank; a blank replaces an immediately preceding blank, so runs of blanks shrink to
// one, except the blank written before a line end, which is always added. The text ends at the
// first NUL byte, as a C string would.
void normalizar(const char* datos, std::size_t n, std::string& salida) {
    salida.reserve(salida.size() + n + n / 2 + 16);
    for (std::size_t i = 0; i < n; ++i) {
        char c = datos[i];
        if (c == '\0') break;
        if (c == '\r') {
            if (i + 1 < n && datos[i + 1] == '\n') continue;
            c = '\n';
        }
        if (c == '\n') {
            salida += " \n ";
        } else if (c == ' ') {
            if (salida.empty() || salida.back() != ' ') salida += ' ';
        } else {
            salida += c;
        }
    }
}

bool leerBytes(const std::string& ruta, std::string& bytes) {
    std::FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) return false;
    char buf[65536];
    std::size_t n;
    try {
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
            if (bytes.size() + n > kTamanoMaximo) {
                std::fclose(f);
                sinMemoria();
            }
            bytes.append(buf, n);
        }
    } catch (const std::bad_alloc&) {
        std::fclose(f);
        sinMemoria();
    }
    std::fclose(f);
    return true;
}

std::string tipoLimpio(const std::string& tipo) {
    std::string t = tipo;
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
    return t;
}

bool tieneFinPalabra(const std::string& t) {
    for (char c : t)
        if (esFinPalabra(c)) return true;
    return false;
}

} // namespace

namespace {

// Where the text of a family of readers (a loaded reader and the sub-readers cut from it) comes
// from: the files it was loaded from and where each starts. The line of a position is the count
// of line ends before it in its file, plus one; the positions of the line ends are gathered once,
// on the first question (no table per byte, and nothing at all for a run that asks none), from
// the text of the reader that loaded it, which must still be alive then.
struct Origen {
    struct Fichero {
        std::string nombre;
        int inicio; // position of the file's first character in the text
    };
    std::vector<Fichero> ficheros;
    const std::string* texto = nullptr; // the loaded text, while its reader lives
    std::vector<int> saltos;            // positions of the line ends in the text
    bool indexado = false;
    LeerBDL::Vigia* vigia = nullptr;

    void indexar() {
        if (indexado || !texto) return;
        const char* d = texto->data();
        const char* fin = d + texto->size();
        for (const char* q = d; q < fin; ++q) {
            q = static_cast<const char*>(std::memchr(q, '\n', static_cast<std::size_t>(fin - q)));
            if (!q) break;
            saltos.push_back(static_cast<int>(q - d));
        }
        indexado = true;
    }
    Lugar lugar(int posicion) {
        Lugar l;
        indexar();
        auto f = std::upper_bound(ficheros.begin(), ficheros.end(), posicion,
                                  [](int p, const Fichero& x) { return p < x.inicio; });
        if (!indexado || f == ficheros.begin()) return l;
        --f;
        l.fichero = f->nombre;
        auto antes = [this](int p) {
            return std::lower_bound(saltos.begin(), saltos.end(), p) - saltos.begin();
        };
        l.linea = 1 + static_cast<int>(antes(posicion) - antes(f->inicio));
        return l;
    }
};

// A piece of a sub-reader's text: `longitud` characters from position `local` of the sub-reader
// come from position `origen` of the origin's text.
struct Tramo {
    int local, origen, longitud;
};

// The pieces of a sub-reader: nearly always one or two (an object and its type defaults), kept
// without an allocation of their own; more go to a vector.
class ListaTramos {
public:
    void push_back(const Tramo& t) {
        if (n_ < 2)
            fijos_[n_] = t;
        else
            resto_.push_back(t);
        ++n_;
    }
    bool empty() const { return n_ == 0; }
    int size() const { return n_; }
    const Tramo& operator[](int i) const { return i < 2 ? fijos_[i] : resto_[i - 2]; }
    const Tramo& back() const { return (*this)[n_ - 1]; }

private:
    Tramo fijos_[2] = {};
    int n_ = 0;
    std::vector<Tramo> resto_;
};

} // namespace

// The index of object headers, built once per reader on the first object query. Every answer
// it gives is the one the plain search gives; it only avoids rescanning the text.
struct LeerBDL::Indice {
    // Object sites: positions of a type keyword preceded by the header tail (double quote, any
    // character, "=", blank) and followed by a blank, tab, line end or the end of the text,
    // grouped by keyword, in text order.
    std::unordered_map<std::string, std::vector<int>> sitios;
    // Quoted strings followed within three characters by "=": candidates for an object header,
    // by quoted name, in text order (position of the name and of the "=").
    struct Candidato {
        int nombre;
        int igual;
    };
    std::unordered_map<std::string, std::vector<Candidato>> candidatos;
};

struct LeerBDL::Impl {
    explicit Impl(const LeerBDL* d) : dueno(d) {}

    const LeerBDL* dueno;
    bool tieneTexto = false;
    std::string t;
    int cursor = 0;
    bool conIndice = true;
    std::unique_ptr<Indice> indice;
    // "SET-DEFAULT FOR <type>" block per type, with its position (empty optional: none).
    struct Defectos {
        std::string texto;
        int posicion;
    };
    std::unordered_map<std::string, std::optional<Defectos>> defectos;
    // Where the text comes from: the origin, and the pieces of it when this is a sub-reader
    // (none: a position of the text is a position of the origin's).
    std::shared_ptr<Origen> origen;
    ListaTramos tramos;
    std::string tipoObjeto, nombreObjeto; // of a watched sub-reader cut by objeto
    int propia = -1;                      // length of an object's own text; -1: the whole

    // The position of the origin's text a position of this text comes from (-1: none).
    int enOrigen(int pos) const {
        if (!origen) return -1;
        if (tramos.empty()) return pos;
        for (int i = 0; i < tramos.size(); ++i) {
            const Tramo& tr = tramos[i];
            if (pos >= tr.local && pos < tr.local + tr.longitud) return tr.origen + pos - tr.local;
        }
        const Tramo& u = tramos.back();
        return pos == u.local + u.longitud ? u.origen + u.longitud : -1;
    }
    // The pieces of the origin that [desde, desde + n) of this text come from, appended to a
    // sub-reader's pieces from its position `destino` on.
    void tramosDe(int desde, int n, int destino, ListaTramos& salida) const {
        if (tramos.empty()) {
            if (n > 0) salida.push_back({destino, desde, n});
            return;
        }
        for (int i = 0; i < tramos.size(); ++i) {
            const Tramo& tr = tramos[i];
            int a = std::max(desde, tr.local), b = std::min(desde + n, tr.local + tr.longitud);
            if (a < b) salida.push_back({destino + a - desde, tr.origen + a - tr.local, b - a});
        }
    }
    // A sub-reader cut from this one shares its origin; it is watched when this one is.
    void heredar(Impl& hijo) const { hijo.origen = origen; }
    // This reader's text was loaded from these files, starting at these positions.
    void cargado(const std::vector<std::string>& nombres, const std::vector<int>& inicios) {
        origen = std::make_shared<Origen>();
        for (std::size_t i = 0; i < nombres.size(); ++i)
            origen->ficheros.push_back(Origen::Fichero{nombres[i], inicios[i]});
        origen->texto = &t;
    }
    void vigilarClave(const std::string& clave, int p) const {
        if (origen && origen->vigia) origen->vigia->claveEncontrada(*dueno, clave, p);
    }

    int longitud() const { return static_cast<int>(t.size()); }

    // Position of the first occurrence of s at or after inicio, 0 when there is none (so an
    // occurrence at position 0 is never found).
    int buscar(const std::string& s, int inicio) const {
        if (inicio < 0) inicio = 0;
        if (static_cast<std::size_t>(inicio) > t.size()) return 0;
        std::size_t p = t.find(s, static_cast<std::size_t>(inicio));
        return p == std::string::npos ? 0 : static_cast<int>(p);
    }
    int buscarCar(char c, int inicio) const {
        if (inicio < 0) inicio = 0;
        if (static_cast<std::size_t>(inicio) >= t.size()) return 0;
        std::size_t p = t.find(c, static_cast<std::size_t>(inicio));
        return p == std::string::npos ? 0 : static_cast<int>(p);
    }
    // The "(" that opens the first list after the key; 0 when the key or the list is absent.
    int aperturaLista(const std::string& clave) const {
        int p = buscar(clave, 0);
        int a = p ? buscarCar('(', p) : 0;
        if (a) vigilarClave(clave, p);
        return a;
    }
    // The commas between the "(" at `a` and the next ")" (the end of the text without one),
    // whose position goes to `b` (0 when there is none).
    int comasDeLista(int a, int& b) const {
        b = buscarCar(')', a);
        const std::size_t fin = b ? static_cast<std::size_t>(b) : t.size();
        return static_cast<int>(
            std::count(t.begin() + a + 1, t.begin() + static_cast<long>(fin), ','));
    }
    char en(int i) const {
        return i >= 0 && static_cast<std::size_t>(i) < t.size() ? t[static_cast<std::size_t>(i)]
                                                                : '\0';
    }
    bool finPalabraEn(int i) const {
        return static_cast<std::size_t>(i) >= t.size() || esFinPalabra(t[i]);
    }
    bool empiezaPor(const std::string& s) const { return t.compare(0, s.size(), s) == 0; }
    bool cola(int p) const {
        return p >= 4 && en(p - 1) == ' ' && en(p - 2) == '=' && en(p - 4) == '"';
    }

    // Start of the value of a key: the character after the first "=" at or after the key.
    // -1 when the key or the "=" is absent.
    int inicioValor(const std::string& clave) const {
        int p = buscar(clave, 0);
        if (!p) return -1;
        int e = buscarCar('=', p);
        if (!e) return -1;
        vigilarClave(clave, p);
        return e + 1;
    }

    bool leerReal(int pos, float& v) const {
        if (pos < 0 || static_cast<std::size_t>(pos) > t.size()) return false;
        const char* s = t.c_str() + pos;
        char* fin = nullptr;
        float x = std::strtof(s, &fin);
        if (fin == s) return false;
        v = x;
        return true;
    }
    bool leerEntero(int pos, int& v) const {
        if (pos < 0 || static_cast<std::size_t>(pos) > t.size()) return false;
        const char* s = t.c_str() + pos;
        char* fin = nullptr;
        errno = 0;
        long x = std::strtol(s, &fin, 10);
        if (fin == s) return false;
        if (x > INT_MAX) x = INT_MAX;
        if (x < INT_MIN) x = INT_MIN;
        v = static_cast<int>(x);
        return true;
    }

    // The blank-separated token at pos (after skipping white space) is a repeat marker: "&D" or
    // "&d", with one trailing "," or ")" dropped.
    bool esRepeticion(int pos) const {
        int s = pos;
        while (s < longitud() && esEspacio(t[s])) ++s;
        if (en(s) != '&' || (en(s + 1) != 'D' && en(s + 1) != 'd')) return false;
        char c = en(s + 2);
        if (c == '\0' || esEspacio(c)) return true;
        if (c != ',' && c != ')') return false;
        char d = en(s + 3);
        return d == '\0' || esEspacio(d);
    }

    // ----- object sites by plain search
    int sitioLineal(const std::string& tipo, int desde) const {
        if (tipo.empty()) return 0;
        int p = buscar(tipo, desde);
        while (p) {
            if (cola(p) && finPalabraEn(p + static_cast<int>(tipo.size()))) return p;
            p = buscar(tipo, p + 1);
        }
        return 0;
    }
    int cuentaLineal(int desde, int hasta, const std::string& tipo) const {
        if (tipo.empty()) return 0;
        int n = 0;
        int p = buscar(tipo, desde);
        while (p && (hasta < 0 || p < hasta)) {
            if (cola(p) && finPalabraEn(p + static_cast<int>(tipo.size()))) ++n;
            p = buscar(tipo, p + 1);
        }
        return n;
    }

    // ----- object sites through the index
    bool indexable(const std::string& tipo) const {
        return conIndice && !tipo.empty() && !tieneFinPalabra(tipo);
    }
    const Indice& elIndice() {
        if (!indice) construirIndice();
        return *indice;
    }
    void construirIndice() {
        auto ind = std::make_unique<Indice>();
        const int n = longitud();
        const char* d = t.data();
        for (int e = 2; e + 2 < n; ++e) {
            const void* q = std::memchr(d + e, '=', static_cast<std::size_t>(n - e));
            if (!q) break;
            e = static_cast<int>(static_cast<const char*>(q) - d);
            if (e < 2 || e + 2 >= n) continue;
            if (d[e + 1] != ' ' || d[e - 2] != '"') continue;
            int p = e + 2;
            if (esFinPalabra(d[p])) continue;
            int f = p;
            while (f < n && !esFinPalabra(d[f])) ++f;
            ind->sitios[std::string(d + p, d + f)].push_back(p);
        }
        for (int c = 1; c < n; ++c) {
            const void* q = std::memchr(d + c, '"', static_cast<std::size_t>(n - c));
            if (!q) break;
            c = static_cast<int>(static_cast<const char*>(q) - d);
            int e = 0;
            for (int k = 1; k <= kHuecoNombreIgual && c + k < n; ++k)
                if (d[c + k] == '=') {
                    e = c + k;
                    break;
                }
            if (!e) continue;
            std::size_t o = t.rfind('"', static_cast<std::size_t>(c - 1));
            if (o == std::string::npos) continue;
            ind->candidatos[std::string(d + o, d + c + 1)].push_back({static_cast<int>(o), e});
        }
        indice = std::move(ind);
    }

    int primerSitio(const std::string& tipo, int desde) {
        if (desde < 0) desde = 0;
        if (!indexable(tipo)) return sitioLineal(tipo, desde);
        if (desde == 0 && empiezaPor(tipo)) return 0;
        const Indice& ind = elIndice();
        auto it = ind.sitios.find(tipo);
        if (it == ind.sitios.end()) return 0;
        auto s = std::lower_bound(it->second.begin(), it->second.end(), desde);
        return s == it->second.end() ? 0 : *s;
    }
    int cuenta(int desde, int hasta, const std::string& tipo) {
        if (desde < 0) desde = 0;
        if (!indexable(tipo)) return cuentaLineal(desde, hasta, tipo);
        if (desde == 0 && empiezaPor(tipo)) return 0;
        const Indice& ind = elIndice();
        auto it = ind.sitios.find(tipo);
        if (it == ind.sitios.end()) return 0;
        const std::vector<int>& v = it->second;
        auto a = std::lower_bound(v.begin(), v.end(), desde);
        auto b = hasta < 0 ? v.end() : std::lower_bound(v.begin(), v.end(), hasta);
        return b > a ? static_cast<int>(b - a) : 0;
    }

    // ----- object headers
    // The type keyword occurs, as a whole keyword, first at or after the "=" and less than four
    // characters after it. Gives its position or 0.
    int tipoTrasIgual(const std::string& tipo, int e) const {
        for (int j = e; j < e + kHuecoIgualTipo && j < longitud(); ++j)
            if (t.compare(static_cast<std::size_t>(j), tipo.size(), tipo) == 0)
                return finPalabraEn(j + static_cast<int>(tipo.size())) ? j : 0;
        return 0;
    }
    // Header of the object of the type with the quoted name: position of the name and of the
    // type keyword. False when there is none.
    bool cabeceraLineal(const std::string& tipo, const std::string& nombre, int& pNombre,
                        int& pTipo) const {
        if (tipo.empty()) return false;
        const int L = static_cast<int>(nombre.size());
        int q = buscar(nombre, 0);
        while (q) {
            int e = buscarCar('=', q + L);
            if (!e) return false;
            if (e - (q + L) < kHuecoNombreIgual) {
                int p = buscar(tipo, e);
                if (p && p - e < kHuecoIgualTipo &&
                    finPalabraEn(p + static_cast<int>(tipo.size()))) {
                    pNombre = q;
                    pTipo = p;
                    return true;
                }
                q = buscar(nombre, e + 1);
            } else {
                q = buscar(nombre, q + 1);
            }
        }
        return false;
    }
    bool cabecera(const std::string& tipo, const std::string& nombre, int& pNombre, int& pTipo) {
        const std::size_t L = nombre.size();
        bool nombreSimple =
            L >= 2 && nombre.front() == '"' && nombre.back() == '"' && nombre.find('"', 1) == L - 1;
        if (!conIndice || !nombreSimple || tipo.empty())
            return cabeceraLineal(tipo, nombre, pNombre, pTipo);
        if (empiezaPor(nombre)) return false;
        const Indice& ind = elIndice();
        auto it = ind.candidatos.find(nombre);
        if (it == ind.candidatos.end()) return false;
        int reanudar = 0;
        for (const Indice::Candidato& c : it->second) {
            if (c.nombre < reanudar) continue;
            int p = tipoTrasIgual(tipo, c.igual);
            if (p) {
                pNombre = c.nombre;
                pTipo = p;
                return true;
            }
            reanudar = c.igual + 1;
        }
        return false;
    }

    // Walking back from a type keyword: the closing quote of the name, then its opening quote.
    void nombreAntes(int p, int& abre, int& cierra) const {
        cierra = -1;
        abre = -1;
        if (p <= 0) return;
        std::size_t c = t.rfind('"', static_cast<std::size_t>(p - 1));
        if (c == std::string::npos) return;
        cierra = static_cast<int>(c);
        if (c == 0) return;
        std::size_t o = t.rfind('"', c - 1);
        abre = o == std::string::npos ? -1 : static_cast<int>(o);
    }
    // The name of the object whose type keyword stands at p, with double quotes added.
    std::string nombreEn(int p) const {
        int abre, cierra;
        nombreAntes(p, abre, cierra);
        std::string n = "\"";
        if (cierra > abre + 1)
            n.append(t, static_cast<std::size_t>(abre + 1),
                     static_cast<std::size_t>(cierra - abre - 1));
        n += '"';
        return n;
    }
    int inicioCabecera(int p) const {
        int abre, cierra;
        nombreAntes(p, abre, cierra);
        return abre < 0 ? 0 : abre;
    }

    const std::optional<Defectos>& bloqueDefectos(const std::string& tipo) {
        auto it = defectos.find(tipo);
        if (it != defectos.end()) return it->second;
        std::optional<Defectos> r;
        if (!tipo.empty()) {
            std::string clave = "SET-DEFAULT FOR " + tipo;
            int p = buscar(clave, 0);
            while (p && !finPalabraEn(p + static_cast<int>(clave.size()))) p = buscar(clave, p + 1);
            if (p) {
                std::size_t f = t.find("..", static_cast<std::size_t>(p));
                r = Defectos{
                    t.substr(static_cast<std::size_t>(p),
                             (f == std::string::npos ? t.size() : f) - static_cast<std::size_t>(p)),
                    p};
            }
        }
        return defectos.emplace(tipo, std::move(r)).first->second;
    }
};

// ------------------------------------------------------------------ construction

LeerBDL::LeerBDL() : impl_(std::make_unique<Impl>(this)) {}

LeerBDL::LeerBDL(const std::string& fichero) : impl_(std::make_unique<Impl>(this)) {
    std::string bytes;
    if (!leerBytes(fichero, bytes)) return;
    try {
        normalizar(bytes.data(), bytes.size(), impl_->t);
        impl_->cargado({fichero}, {0});
    } catch (const std::bad_alloc&) {
        sinMemoria();
    }
    impl_->tieneTexto = true;
}

LeerBDL::LeerBDL(const std::string& ficheroEdificio, const std::string& ficheroCatalogo)
    : impl_(std::make_unique<Impl>(this)) {
    std::vector<std::string> nombres;
    std::vector<int> inicios;
    for (const std::string* f : {&ficheroEdificio, &ficheroCatalogo}) {
        std::string bytes, pieza;
        if (!leerBytes(*f, bytes)) continue;
        try {
            // Each file is normalised on its own: a blank ending the building file and one
            // starting the catalogue both stay.
            normalizar(bytes.data(), bytes.size(), pieza);
            bytes.clear();
            bytes.shrink_to_fit();
            nombres.push_back(*f);
            inicios.push_back(static_cast<int>(impl_->t.size()));
            impl_->t += pieza;
        } catch (const std::bad_alloc&) {
            sinMemoria();
        }
        if (impl_->t.size() > kTamanoMaximo) sinMemoria();
        impl_->tieneTexto = true;
    }
    if (impl_->tieneTexto) impl_->cargado(nombres, inicios);
}

std::unique_ptr<LeerBDL> LeerBDL::desdeTexto(const std::string& texto, const std::string& fichero) {
    auto r = std::make_unique<LeerBDL>();
    if (texto.size() > kTamanoMaximo) sinMemoria();
    normalizar(texto.data(), texto.size(), r->impl_->t);
    r->impl_->cargado({fichero}, {0});
    r->impl_->tieneTexto = true;
    return r;
}

LeerBDL::~LeerBDL() {
    // Sub-readers that outlive the loaded text keep its places.
    Impl& im = *impl_;
    if (im.origen && im.origen->texto == &im.t) {
        if (im.origen.use_count() > 1) im.origen->indexar();
        im.origen->texto = nullptr;
    }
}

std::unique_ptr<LeerBDL> LeerBDL::objeto(const LeerBDL& padre, const std::string& tipo,
                                         const std::string& nombre) {
    auto r = std::make_unique<LeerBDL>();
    Impl& im = *padre.impl_;
    if (!im.tieneTexto) return r;
    std::string tl = tipoLimpio(tipo);
    int q = 0, p = 0;
    if (!im.cabecera(tl, nombre, q, p)) return r;
    std::size_t desde = static_cast<std::size_t>(q) + nombre.size();
    std::size_t f = im.t.find("..", desde);
    if (f == std::string::npos) f = im.t.size();
    std::string& s = r->impl_->t;
    const std::optional<Impl::Defectos>& def = im.bloqueDefectos(tl);
    const int propia = static_cast<int>(f) - q;
    s.reserve(f - static_cast<std::size_t>(q) + (def ? def->texto.size() : 0));
    s.assign(im.t, static_cast<std::size_t>(q), f - static_cast<std::size_t>(q));
    if (def) s += def->texto;
    Impl& hijo = *r->impl_;
    hijo.tieneTexto = true;
    hijo.propia = propia;
    if (im.origen) {
        im.heredar(hijo);
        im.tramosDe(q, propia, 0, hijo.tramos);
        if (def)
            im.tramosDe(def->posicion, static_cast<int>(def->texto.size()), propia, hijo.tramos);
        if (im.origen->vigia) {
            hijo.tipoObjeto = tl;
            hijo.nombreObjeto = nombre;
        }
    }
    return r;
}

std::unique_ptr<LeerBDL> LeerBDL::bloque(const LeerBDL& padre, const std::string& clave,
                                         bool& encontrado) {
    auto r = std::make_unique<LeerBDL>();
    const Impl& im = *padre.impl_;
    int p = im.tieneTexto ? im.buscar(clave, 0) : 0;
    encontrado = p != 0;
    if (!encontrado) return r;
    std::size_t f = im.t.find("..", static_cast<std::size_t>(p) + clave.size());
    if (f == std::string::npos) f = im.t.size();
    r->impl_->t.assign(im.t, static_cast<std::size_t>(p), f - static_cast<std::size_t>(p));
    r->impl_->tieneTexto = true;
    if (im.origen) {
        im.heredar(*r->impl_);
        im.tramosDe(p, static_cast<int>(f) - p, 0, r->impl_->tramos);
    }
    return r;
}

namespace {

// A line of a library file as a 255-character line buffer reads it, and where it starts.
struct LineaLibreria {
    std::string texto;
    int inicio;
};

// The lines of a library file: at most 254 characters each, the line end (LF, CR LF or lone
// CR) dropped. The positions of the line ends go to `saltos`.
std::vector<LineaLibreria> lineasLibreria(const std::string& bytes, std::vector<int>& saltos) {
    std::vector<LineaLibreria> lineas;
    LineaLibreria linea{std::string(), 0};
    bool acabada = true;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        bool finLinea = c == '\n' || c == '\r';
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        if (finLinea) {
            saltos.push_back(static_cast<int>(i));
            lineas.push_back(std::move(linea));
            linea = LineaLibreria{std::string(), static_cast<int>(i + 1)};
            acabada = true;
            continue;
        }
        linea.texto += c;
        acabada = false;
        if (linea.texto.size() == 254) {
            lineas.push_back(std::move(linea));
            linea = LineaLibreria{std::string(), static_cast<int>(i + 1)};
            acabada = true;
        }
    }
    if (!acabada) lineas.push_back(std::move(linea));
    return lineas;
}

} // namespace

std::unique_ptr<LeerBDL> LeerBDL::entradaLibreria(const std::string& fichero,
                                                  const std::string& nombre,
                                                  const std::string& tipo,
                                                  const std::string& grupo) {
    std::string bytes;
    const std::string ruta = Directorios::instancia().rutaLib(fichero);
    if (!leerBytes(ruta, bytes))
        throw ErrorFatal("Edificio mal definido. No se encuentra: " + fichero)
            .conDetalle("se buscaba el fichero de biblioteca " + ruta);
    std::size_t nul = bytes.find('\0');
    if (nul != std::string::npos) bytes.resize(nul);
    auto origen = std::make_shared<Origen>();
    origen->ficheros.push_back(Origen::Fichero{ruta, 0});
    const std::vector<LineaLibreria> lineas = lineasLibreria(bytes, origen->saltos);
    origen->indexado = true;

    auto enColumna = [](const std::string& linea, const std::string& s, std::size_t columna) {
        return linea.find(s) == columna - 1;
    };
    auto r = std::make_unique<LeerBDL>();
    Impl& im = *r->impl_;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        const std::string& l = lineas[i].texto;
        if (l.compare(0, 14, "$LIBRARY-ENTRY") != 0) continue;
        if (!enColumna(l, grupo, 16) || !enColumna(l, nombre, 48)) continue;
        if (!tipo.empty() && !enColumna(l, tipo, 64)) continue;
        im.origen = origen;
        for (std::size_t j = i; j < lineas.size(); ++j) {
            const LineaLibreria& lj = lineas[j];
            im.tramos.push_back(
                {static_cast<int>(im.t.size()), lj.inicio, static_cast<int>(lj.texto.size())});
            im.t += lj.texto;
            if (j > i && lj.texto.find("..") != std::string::npos) break;
        }
        im.tieneTexto = true;
        break;
    }
    return r;
}

// ------------------------------------------------------------------ value lookups

int LeerBDL::buscar(const std::string& s, int inicio) const {
    return impl_->buscar(s, inicio);
}

int LeerBDL::dameEntero(const std::string& clave, int& valor) const {
    int v = impl_->inicioValor(clave);
    if (v < 0) return -1;
    impl_->leerEntero(v, valor);
    return 0;
}

int LeerBDL::dameReal(const std::string& clave, float& valor) const {
    int v = impl_->inicioValor(clave);
    if (v < 0) return -1;
    impl_->leerReal(v, valor);
    return 0;
}

int LeerBDL::dameCadena(const std::string& clave, std::string& valor) const {
    const Impl& im = *impl_;
    int v = im.inicioValor(clave);
    if (v < 0) return -1;
    int n = im.longitud();
    for (int i = 0; i < 100 && v < n && im.t[v] == ' '; ++i) ++v;
    if (v >= n) {
        valor.clear();
        return 0;
    }
    std::size_t f;
    if (im.t[v] == '"') {
        f = im.t.find('"', static_cast<std::size_t>(v) + 1);
        f = f == std::string::npos ? im.t.size() : f + 1;
    } else {
        f = im.t.find(' ', static_cast<std::size_t>(v));
        if (f == std::string::npos) f = im.t.size();
    }
    valor.assign(im.t, static_cast<std::size_t>(v), f - static_cast<std::size_t>(v));
    return 0;
}

namespace {
void asegurar(std::vector<float>& v, int n) {
    if (n > 0 && v.size() < static_cast<std::size_t>(n))
        v.resize(static_cast<std::size_t>(n), 0.0f);
}
} // namespace

int LeerBDL::dameLista(const std::string& clave, std::vector<float>& valores) const {
    const Impl& im = *impl_;
    int a = im.aperturaLista(clave);
    if (!a) return -1;
    int b = 0;
    int n = 1 + im.comasDeLista(a, b);
    asegurar(valores, n);
    int pos = a + 1;
    im.leerReal(pos, valores[0]);
    for (int k = 1; k < n; ++k) {
        pos = im.buscarCar(',', pos) + 1;
        im.leerReal(pos, valores[static_cast<std::size_t>(k)]);
    }
    return n;
}

int LeerBDL::dameListaCadenas(const std::string& clave, std::vector<std::string>& valores) const {
    const Impl& im = *impl_;
    int a = im.aperturaLista(clave);
    if (!a) return -1;
    int n = 0;
    int pos = a;
    for (;;) {
        int q1 = im.buscarCar('"', pos);
        if (!q1) break;
        int q2 = im.buscarCar('"', q1 + 1);
        if (!q2) break;
        std::string s =
            im.t.substr(static_cast<std::size_t>(q1), static_cast<std::size_t>(q2 - q1 + 1));
        if (static_cast<std::size_t>(n) < valores.size())
            valores[static_cast<std::size_t>(n)] = std::move(s);
        else
            valores.push_back(std::move(s));
        ++n;
        if (im.en(q2 + 1) == ')' || im.en(q2 + 2) == ')') break;
        pos = q2 + 1;
    }
    return n;
}

int LeerBDL::dameValores(const std::string& clave, int n, std::vector<float>& valores) const {
    const Impl& im = *impl_;
    int a = im.aperturaLista(clave);
    if (!a) return -1;
    if (n <= 0) return 0;
    asegurar(valores, n);
    int pos = a + 1;
    int i = 0;
    for (; i < n; ++i) {
        std::size_t k = static_cast<std::size_t>(i);
        if (im.esRepeticion(pos)) {
            if (i == 0) {
                std::string m = "El schedule " + clave + " esta mal definido";
                errorFatal(m);
            }
            valores[k] = valores[k - 1];
        } else {
            im.leerReal(pos, valores[k]);
        }
        int c = im.buscarCar(',', pos);
        if (!c) break;
        pos = c + 1;
    }
    for (int j = i + 1; j < n; ++j)
        valores[static_cast<std::size_t>(j)] = valores[static_cast<std::size_t>(i)];
    return 0;
}

int LeerBDL::dameListaValores(const std::string& clave, std::vector<float>& valores) const {
    const Impl& im = *impl_;
    int a = im.aperturaLista(clave);
    if (!a) return -1;
    int b = 0;
    int comas = im.comasDeLista(a, b);
    int n = comas + 1;
    if (comas == 0 && b && im.buscarCar(',', b)) n = 2;
    asegurar(valores, n);
    int pos = a + 1;
    int i = 0;
    for (; i < n; ++i) {
        std::size_t k = static_cast<std::size_t>(i);
        if (im.esRepeticion(pos))
            valores[k] = -1.0f;
        else
            im.leerReal(pos, valores[k]);
        int c = im.buscarCar(',', pos);
        if (!c) break;
        pos = c + 1;
    }
    for (int j = i + 1; j < n; ++j)
        valores[static_cast<std::size_t>(j)] = valores[static_cast<std::size_t>(i)];
    return n;
}

int LeerBDL::dameDosListas(const std::string& clave, int n, std::vector<float>& primera,
                           std::vector<float>& segunda) const {
    const Impl& im = *impl_;
    int a = im.aperturaLista(clave);
    if (!a) return -1;
    if (n <= 0) return 0;
    auto leer = [&](int abre, std::vector<float>& v) {
        asegurar(v, n);
        int pos = abre + 1;
        im.leerReal(pos, v[0]);
        for (int k = 1; k < n; ++k) {
            int c = im.buscarCar(',', pos);
            if (!c) return;
            pos = c + 1;
            im.leerReal(pos, v[static_cast<std::size_t>(k)]);
        }
    };
    leer(a, primera);
    int b = im.buscarCar(')', a);
    int a2 = b ? im.buscarCar('(', b) : 0;
    if (!a2) {
        int v1 = im.buscar("V1", 0);
        if (v1) a2 = im.buscarCar('(', v1);
    }
    if (a2)
        leer(a2, segunda);
    else
        asegurar(segunda, n);
    return 0;
}

int LeerBDL::numeroVertices() const {
    const Impl& im = *impl_;
    int v = im.buscar("V1", 0);
    if (!v) return 0;
    return static_cast<int>(std::count(im.t.begin() + v, im.t.end(), '('));
}

void LeerBDL::dameVertices(std::vector<std::pair<float, float>>& vertices, int n) const {
    const Impl& im = *impl_;
    if (n <= 0) return;
    if (vertices.size() < static_cast<std::size_t>(n))
        vertices.resize(static_cast<std::size_t>(n), {0.0f, 0.0f});
    int pos = im.buscar("V1", 0);
    if (!pos) return;
    for (int i = 0; i < n; ++i) {
        int a = im.buscarCar('(', pos);
        if (!a) return;
        im.leerReal(a + 1, vertices[static_cast<std::size_t>(i)].first);
        int c = im.buscarCar(',', a);
        if (!c) return;
        im.leerReal(c + 1, vertices[static_cast<std::size_t>(i)].second);
        pos = c + 1;
    }
}

// ------------------------------------------------------------------ object queries

int LeerBDL::cuentaObjetos(const std::string& tipo) const {
    return impl_->cuenta(0, -1, tipoLimpio(tipo));
}

int LeerBDL::cuentaObjetosAntes(int desde, int hasta, const std::string& tipo) const {
    return impl_->cuenta(desde, hasta, tipoLimpio(tipo));
}

void LeerBDL::inicioObjetos() {
    impl_->cursor = 0;
}

int LeerBDL::cursor() const {
    return impl_->cursor;
}

void LeerBDL::ponerCursor(int posicion) {
    impl_->cursor = std::max(0, std::min(posicion, longitud()));
}

int LeerBDL::siguienteObjeto(std::string& nombre, const std::string& tipo) {
    Impl& im = *impl_;
    int p = im.primerSitio(tipoLimpio(tipo), im.cursor);
    if (!p) return -1;
    im.cursor = p + 1;
    nombre = im.nombreEn(p);
    return 0;
}

std::vector<std::string> LeerBDL::nombresObjetos(const std::string& tipo) const {
    Impl& im = *impl_;
    std::string tl = tipoLimpio(tipo);
    std::vector<std::string> r;
    int p = im.primerSitio(tl, 0);
    while (p) {
        r.push_back(im.nombreEn(p));
        p = im.primerSitio(tl, p + 1);
    }
    return r;
}

int LeerBDL::extensionObjeto(const std::string& tipo, const std::string& nombre, int& inicio,
                             int& fin) const {
    return extensionObjeto2(tipo, tipo, nombre, inicio, fin);
}

int LeerBDL::extensionObjeto2(const std::string& tipo1, const std::string& tipo2,
                              const std::string& nombre, int& inicio, int& fin) const {
    Impl& im = *impl_;
    std::string t1 = tipoLimpio(tipo1), t2 = tipoLimpio(tipo2);
    int q = 0, p = 0;
    if (!im.tieneTexto || !im.cabecera(t1, nombre, q, p)) {
        inicio = fin = -1;
        return -1;
    }
    inicio = q;
    int s1 = im.primerSitio(t1, p + 1);
    int s2 = t2 == t1 ? s1 : im.primerSitio(t2, p + 1);
    int s = s1 && s2 ? std::min(s1, s2) : (s1 ? s1 : s2);
    fin = s ? im.inicioCabecera(s) : -1;
    return 0;
}

const char* LeerBDL::texto() const {
    return impl_->tieneTexto ? impl_->t.c_str() : nullptr;
}

int LeerBDL::longitud() const {
    return impl_->longitud();
}

void LeerBDL::usarIndice(bool si) {
    impl_->conIndice = si;
}

Lugar LeerBDL::lugar(int posicion) const {
    int p = impl_->enOrigen(posicion);
    return p < 0 ? Lugar() : impl_->origen->lugar(p);
}

const std::string& LeerBDL::tipoObjeto() const {
    return impl_->tipoObjeto;
}

const std::string& LeerBDL::nombreObjeto() const {
    return impl_->nombreObjeto;
}

int LeerBDL::longitudPropia() const {
    return impl_->propia < 0 ? longitud() : impl_->propia;
}

void LeerBDL::vigilar(Vigia* vigia) {
    if (!impl_->origen) impl_->origen = std::make_shared<Origen>();
    impl_->origen->vigia = vigia;
}
