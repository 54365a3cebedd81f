#include "shell/Consola.h"

#include <cstdio>
#include <unistd.h>

namespace {
// Code points of the Windows-1252 bytes 0x80-0x9F (0 where the byte is undefined).
const unsigned short kCp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

bool Consola::esTerminal() {
    return isatty(fileno(stderr)) != 0;
}

std::string Consola::aUtf8(const std::string& latin1) {
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

void Consola::mensajeError(const std::string& mensaje) {
    std::string linea = "Se ha producido un error: " + mensaje + "\n";
    if (esTerminal()) linea = aUtf8(linea);
    std::fputs(linea.c_str(), stderr);
    std::fflush(stderr);
}
