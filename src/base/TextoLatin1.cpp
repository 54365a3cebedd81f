#include "base/TextoLatin1.h"

#include <array>

namespace {

// Code points of the Windows-1252 bytes 0x80-0x9F (0 where the byte is undefined).
const unsigned short kCp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// What each byte becomes in a normalised name: its folded upper-case letter or itself; `quitar`
// marks the bytes that are dropped.
struct TablaNormalizacion {
    std::array<char, 256> destino{};
    std::array<bool, 256> quitar{};
    TablaNormalizacion() {
        for (int c = 0; c < 256; ++c) destino[c] = static_cast<char>(c);
        for (int c = 'a'; c <= 'z'; ++c) destino[c] = static_cast<char>(c - 'a' + 'A');
        // Accented vowels of Latin-1, grave, acute, circumflex and diaeresis, both cases.
        const char* vocales = "AEIOU";
        const unsigned char mayusculas[5][4] = {{0xC0, 0xC1, 0xC2, 0xC4},
                                                {0xC8, 0xC9, 0xCA, 0xCB},
                                                {0xCC, 0xCD, 0xCE, 0xCF},
                                                {0xD2, 0xD3, 0xD4, 0xD6},
                                                {0xD9, 0xDA, 0xDB, 0xDC}};
        for (int v = 0; v < 5; ++v)
            for (unsigned char m : mayusculas[v]) {
                destino[m] = vocales[v];
                destino[m + 0x20] = vocales[v]; // the lower-case letter lies 0x20 above
            }
        destino[0xD1] = destino[0xF1] = 'N';
        destino[0xC7] = destino[0xE7] = 'C';
        for (unsigned char c : {' ', '\n', '\t', '-', '_', '\\', '/'}) quitar[c] = true;
    }
};

const TablaNormalizacion kTabla;

} // namespace

int byteWindows1252(unsigned cp) {
    int byte = -1;
    for (int k = 0; k < 32; ++k)
        if ((kCp1252[k] ? kCp1252[k] : 0xFFFDu) == cp) byte = 0x80 + k;
    return byte;
}

std::string aUtf8(const std::string& latin1) {
    std::string r;
    r.reserve(latin1.size() + latin1.size() / 8);
    for (unsigned char c : latin1) {
        unsigned cp = c;
        if (c >= 0x80 && c < 0xA0) cp = kCp1252[c - 0x80] ? kCp1252[c - 0x80] : 0xFFFD;
        if (cp < 0x80) {
            r.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            r.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            r.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            r.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            r.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            r.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return r;
}

std::string normalizarNombre(const std::string& nombre) {
    std::string r;
    r.reserve(nombre.size());
    for (unsigned char c : nombre)
        if (!kTabla.quitar[c]) r.push_back(kTabla.destino[c]);
    return r;
}

int compararNombres(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    return normalizarNombre(a) == normalizarNombre(b) ? 0 : 1;
}

void entrecomillar(std::string& s) {
    s = "\"" + s + "\"";
}
