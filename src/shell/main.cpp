#include "shell/LineaOrdenes.h"

// The command line: options, then the argument string or the six run arguments one by one.
int main(int argc, char** argv) {
    return LineaOrdenes::ejecutar(argc, argv);
}
