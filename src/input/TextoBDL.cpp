#include "input/TextoBDL.h"

#include <cstring>

namespace TextoBDL {

namespace {
// How far back a header is looked for (lines and characters), and how far back on a line its
// quotes are counted: far beyond any real object or line, and a bound on hostile ones.
constexpr int kLineasAtras = 5000;
constexpr int kCaracteresAtras = 200000;
constexpr int kAtrasComillas = 4096;
constexpr std::size_t kLargoValor = 40;

bool finDePalabra(char c) {
    return esBlanco(c) || c == '=';
}
} // namespace

bool esBlanco(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

bool entreComillas(const char* t, int p) {
    int comillas = 0;
    for (int i = p - 1; i >= 0 && i >= p - kAtrasComillas && t[i] != '\n'; --i)
        if (t[i] == '"') ++comillas;
    return comillas % 2 == 1;
}

bool esAsignacion(const char* t, int longitud, int p, int n) {
    if (p < 0 || p + n > longitud) return false;
    if (p > 0 && !esBlanco(t[p - 1])) return false;
    if (p + n < longitud && !finDePalabra(t[p + n])) return false;
    int j = p + n;
    while (j < longitud && t[j] == ' ') ++j;
    return j < longitud && t[j] == '=' && !entreComillas(t, p);
}

std::string valorTras(const char* t, int longitud, int p) {
    if (p < 0 || p >= longitud) return "";
    const void* e = std::memchr(t + p, '=', static_cast<std::size_t>(longitud - p));
    if (!e) return "";
    int v = static_cast<int>(static_cast<const char*>(e) - t) + 1;
    while (v < longitud && t[v] == ' ') ++v;
    int f = v;
    if (v < longitud && t[v] == '"') {
        ++f;
        while (f < longitud && t[f] != '"' && t[f] != '\n') ++f;
        if (f < longitud && t[f] == '"') ++f;
    } else {
        while (f < longitud && !esBlanco(t[f])) ++f;
    }
    std::string r(t + v, t + f);
    if (r.size() > kLargoValor) r = r.substr(0, kLargoValor) + "...";
    return r;
}

void palabra(const char* t, int longitud, int p, int& inicio, int& fin) {
    inicio = p;
    fin = p;
    while (inicio > 0 && !esBlanco(t[inicio - 1])) --inicio;
    while (fin < longitud && !esBlanco(t[fin])) ++fin;
}

bool esCabecera(const char* t, int longitud, int p, std::string& nombre, std::string& tipo) {
    while (p < longitud && t[p] == ' ') ++p;
    if (p >= longitud || t[p] != '"') return false;
    int c = p + 1;
    while (c < longitud && t[c] != '"' && t[c] != '\n') ++c;
    if (c + 4 >= longitud || t[c] != '"' || t[c + 1] != ' ' || t[c + 2] != '=' || t[c + 3] != ' ')
        return false;
    int a = c + 4, b = a;
    while (b < longitud && !esBlanco(t[b])) ++b;
    if (b == a) return false;
    for (int i = a; i < b; ++i)
        if (!((t[i] >= 'A' && t[i] <= 'Z') || (t[i] >= '0' && t[i] <= '9') || t[i] == '-'))
            return false;
    nombre.assign(t + p, t + c + 1);
    tipo.assign(t + a, t + b);
    return true;
}

bool cabeceraQueContiene(const char* t, int longitud, int p, std::string& nombre, std::string& tipo,
                         int& posicion) {
    // Line by line back from p: [inicio, fin) is the part of each line before p.
    int fin = p;
    for (int lineas = 0; lineas < kLineasAtras && fin >= 0 && p - fin < kCaracteresAtras;
         ++lineas) {
        int inicio = fin;
        while (inicio > 0 && t[inicio - 1] != '\n') --inicio;
        if (esCabecera(t, longitud, inicio, nombre, tipo)) {
            posicion = inicio;
            while (posicion < longitud && t[posicion] == ' ') ++posicion;
            return true;
        }
        // An object ended between its header and p.
        if (std::string(t + inicio, t + fin).find("..") != std::string::npos) return false;
        fin = inicio - 1;
    }
    return false;
}

} // namespace TextoBDL
