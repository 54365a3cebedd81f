#include "shell/SalidaTexto.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include "base/TextoLatin1.h"
#include "shell/Consola.h"

namespace {

// Length of the UTF-8 sequence at s[i] and its code point; 0 when it is not well formed.
std::size_t secuencia(const std::string& s, std::size_t i, unsigned& cp) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned c = b(0);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    cp = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(k) & 0x3F);
    }
    const unsigned minimo[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimo[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool localeUtf8() {
    locale_t l = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (!l) return false;
    const char* juego = nl_langinfo_l(CODESET, l);
    const bool utf8 =
        juego && (std::strcmp(juego, "UTF-8") == 0 || std::strcmp(juego, "utf8") == 0);
    freelocale(l);
    return utf8;
}

} // namespace

bool SalidaTexto::quiereUtf8(std::FILE* flujo) {
    static const bool utf8 = localeUtf8();
    return utf8 || isatty(fileno(flujo)) != 0;
}

void SalidaTexto::escribir(std::FILE* flujo, const std::string& utf8) {
    const std::string t = quiereUtf8(flujo) ? utf8 : aWindows1252(utf8);
    std::fwrite(t.data(), 1, t.size(), flujo);
    std::fflush(flujo);
}

std::string SalidaTexto::aWindows1252(const std::string& utf8) {
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned cp = 0;
        const std::size_t n = secuencia(utf8, i, cp);
        if (n == 0) {
            r.push_back(utf8[i++]);
            continue;
        }
        i += n;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            r.push_back(static_cast<char>(cp));
            continue;
        }
        const int byte = byteWindows1252(cp); // 0x80-0x9F
        r.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return r;
}

std::string SalidaTexto::comoUtf8(const std::string& bytes) {
    unsigned cp;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = secuencia(bytes, i, cp);
        if (n == 0) return aUtf8(bytes);
        i += n;
    }
    return bytes;
}
