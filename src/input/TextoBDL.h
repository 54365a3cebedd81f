#pragma once
#include <string>

// Small readings of a normalised keyword text (see LeerBDL) that the review of a building needs
// beyond the reader's own lookups: words, quoted strings, assignments and object headers.
namespace TextoBDL {

bool esBlanco(char c);
// Whether position p stands between double quotes on its line (counted over at most a few
// thousand characters back).
bool entreComillas(const char* t, int p);
// Whether the n characters at position p are a key in its own assignment: a whole word, not
// between quotes, followed by "=".
bool esAsignacion(const char* t, int longitud, int p, int n);
// The value a lookup of a key found at p reads: the word or quoted string after the next "="
// (cut to 40 characters).
std::string valorTras(const char* t, int longitud, int p);
// The blank-separated word that holds position p: its start and end.
void palabra(const char* t, int longitud, int p, int& inicio, int& fin);
// Whether the line that begins at position p is an object header ("name" = TYPE); its name
// (with quotes) and type when it is.
bool esCabecera(const char* t, int longitud, int p, std::string& nombre, std::string& tipo);
// The header of the object whose text holds position p: the nearest header line before it with
// no ".." in between. False when p lies outside every object.
bool cabeceraQueContiene(const char* t, int longitud, int p, std::string& nombre, std::string& tipo,
                         int& posicion);

} // namespace TextoBDL
