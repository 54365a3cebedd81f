// Stand-in until the space records are built.
#include "climate/Zona.h"

#include "envelope/Elemento.h"

Zona::Zona(int ref, const std::string& n, const std::string& s, const std::vector<std::string>& l,
           CondicionesOperacionales* c, CondicionesSistemas* si, int p, float h)
    : altura(h), referencia(ref), nombre(n), segundoNombre(s), listaNombres(l), condiciones(c),
      sistema(si), pilares(p) {
    claseHigrometria = 5.0f;
}
Zona::~Zona() = default;

void Zona::enlazarElementos(const std::vector<Elemento*>& registros) {
    elementos.clear();
    for (Elemento* e : registros)
        for (int l : e->lados)
            if (l == referencia) {
                elementos.push_back(e);
                break;
            }
}

int Zona::clasificarElemento(int) const {
    return 0;
}
