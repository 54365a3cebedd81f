#pragma once
#include <string>

// Where a piece of input text came from: a file and a line (counted from 1). A line of 0 means
// the place is not known.
struct Lugar {
    std::string fichero;
    int linea = 0;

    bool conocido() const { return linea > 0; }
    // "fichero:línea", the way compilers point into their input.
    std::string texto() const { return fichero + ":" + std::to_string(linea); }
};
