#pragma once
#include <cstdio>
#include <string>

// Texts of the command line (help, usage, batch messages and progress), written in UTF-8 to a
// terminal or when the user's locale is UTF-8, and as Windows-1252 bytes otherwise, like the
// engine's files.
class SalidaTexto {
public:
    // Writes a UTF-8 text to the stream in the encoding the stream's reader expects.
    static void escribir(std::FILE* flujo, const std::string& utf8);
    static bool quiereUtf8(std::FILE* flujo);
    // UTF-8 to Windows-1252: a character outside the code page becomes '?'; bytes that are not
    // UTF-8 pass unchanged.
    static std::string aWindows1252(const std::string& utf8);
    // The text itself when it is valid UTF-8; otherwise taken as Windows-1252 and converted.
    static std::string comoUtf8(const std::string& bytes);
};
