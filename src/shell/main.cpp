#include <string>

#include "shell/Arranque.h"

// The raw argument string is the executable's arguments joined by single blanks.
int main(int argc, char** argv) {
    std::string linea;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) linea += ' ';
        linea += argv[i];
    }
    return Arranque::ejecutar(linea, argc > 0 ? argv[0] : "");
}
