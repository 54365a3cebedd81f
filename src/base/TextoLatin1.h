#pragma once
#include <string>

// Text helpers for the engine's narrow Latin-1 (Windows-1252) strings.

// Windows-1252 bytes to UTF-8, for what is printed to a terminal.
std::string aUtf8(const std::string& latin1);
// The byte 0x80-0x9F of Windows-1252 whose character is cp (the undefined bytes stand for
// U+FFFD, the last of them answering for it), or -1 when there is none.
int byteWindows1252(unsigned cp);

// The name with its accents folded (Latin-1 vowels, n with tilde and c cedilla to their base
// letters), upper-cased, and without blanks, line feeds, tabs, hyphens, underscores, backslashes
// and slashes.
std::string normalizarNombre(const std::string& nombre);

// 0 when the two names are equal after normalizarNombre, non-zero otherwise.
int compararNombres(const std::string& a, const std::string& b);

// Surrounds the text with double quotes.
void entrecomillar(std::string& s);
