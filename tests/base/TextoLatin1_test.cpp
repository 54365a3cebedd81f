#include "base/TextoLatin1.h"

#include <gtest/gtest.h>

namespace {

TEST(TextoLatin1, PliegueDeAcentosMayusculasYSeparadores) {
    const std::pair<std::string, std::string> casos[] = {
        // Grave, acute, circumflex and diaeresis on every vowel, both cases.
        {"\xE0\xE1\xE2\xE4\xC0\xC1\xC2\xC4", "AAAAAAAA"},
        {"\xE8\xE9\xEA\xEB\xC8\xC9\xCA\xCB", "EEEEEEEE"},
        {"\xEC\xED\xEE\xEF\xCC\xCD\xCE\xCF", "IIIIIIII"},
        {"\xF2\xF3\xF4\xF6\xD2\xD3\xD4\xD6", "OOOOOOOO"},
        {"\xF9\xFA\xFB\xFC\xD9\xDA\xDB\xDC", "UUUUUUUU"},
        {"\xF1 \xD1 \xE7 \xC7 Espa\xF1ol", "NNCCESPANOL"}, // n and c with tilde and cedilla
        // Blanks, line feeds, tabs, hyphens, underscores, backslashes and slashes are dropped;
        // a carriage return, a tilde vowel (not folded) and an embedded NUL byte stay.
        {"a b\nc\td-e_f\\g/h", "ABCDEFGH"},
        {"a\rb", "A\rB"},
        {"\xE3\xF5", "\xE3\xF5"},
        {std::string("a\0b", 3), std::string("A\0B", 3)},
    };
    for (const auto& [nombre, normalizado] : casos)
        EXPECT_EQ(normalizarNombre(nombre), normalizado) << nombre;
}

TEST(TextoLatin1, CompararNombres) {
    const char* const iguales[][2] = {{"Muro-Norte", "MURO NORTE"},
                                      {"muro_norte", "MURO-NORTE"},
                                      {"c\xFAp\xD3la", "CUPOLA"},
                                      {"\"Cubierta\"", "\"CUBIERTA\""}};
    for (const auto& p : iguales) EXPECT_EQ(compararNombres(p[0], p[1]), 0) << p[0];
    EXPECT_NE(compararNombres("MURO1", "MURO2"), 0);
    EXPECT_NE(compararNombres("A\rB", "AB"), 0);
    EXPECT_NE(compararNombres(std::string("A\0B", 3), "AB"), 0);
}

TEST(TextoLatin1, Utf8DeWindows1252) {
    const std::pair<std::string, std::string> casos[] = {
        {"CUMPLE", "CUMPLE"},
        {"c\xE1lculo \xD1", "c\xC3\xA1lculo \xC3\x91"}, // Latin-1 letters: two bytes
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"\x80", "\xE2\x82\xAC"},         // euro sign
        {"\x8A\x9F", "\xC5\xA0\xC5\xB8"}, // S and Y with caron and diaeresis
        {"\x93\x94\x96", "\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93"}, // quotes and en dash
        {"\x99", "\xE2\x84\xA2"},                                 // trade mark
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [latin1, utf8] : casos) EXPECT_EQ(aUtf8(latin1), utf8);
    // 0x80-0x9F are never C1 controls: the five undefined bytes become U+FFFD, the rest
    // characters of three bytes (or two, below U+0800).
    for (int c = 0x80; c < 0xA0; ++c) {
        const std::string u = aUtf8(std::string(1, static_cast<char>(c)));
        const bool indefinido = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        EXPECT_EQ(u == "\xEF\xBF\xBD", indefinido) << std::hex << c;
        EXPECT_NE(static_cast<unsigned char>(u[0]), 0xC2) << std::hex << c;
    }
}

} // namespace
