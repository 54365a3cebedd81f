#include "envelope/Espaciador.h"

bool Espaciador::tipoConocido(const std::string& t) {
    return t == "ALUMINIUM" || t == "BUTYL/METAL" || t == "INSULATED" || t == "STEEL" ||
           t == "UE-EQ-UC";
}
