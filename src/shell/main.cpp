#include "shell/LineaOrdenes.h"

int main(int argc, char** argv) {
    return LineaOrdenes::ejecutar(argc, argv);
}
