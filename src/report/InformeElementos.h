#pragma once
#include "report/JsonInforme.h"

class CatalogoInforme;
class ContextoInforme;
class DocumentoJson;
class Elemento;
struct ResultadoComprobacion;

// The element records of the report: identity, geometry, construction, U against its limit,
// every comparison made for it, its thermal-bridge table, window and ground data, condensation
// profiles and solar exposure.
class InformeElementos {
public:
    // The member "elementos", record by record; their constructions and interstitial profiles
    // go to the catalogue.
    static void elementos(const ContextoInforme& c, CatalogoInforme& catalogo, DocumentoJson& d);

    // The results that compare an element's own U with a limit (the first one gives the U,
    // limit and margin of its record).
    static bool esResultadoU(const ResultadoComprobacion& r);

private:
    static Json elemento(const ContextoInforme& c, int i, CatalogoInforme& catalogo);
    static void identidad(const ContextoInforme& c, int i, Json& j);
    static void geometria(const Elemento& e, Json& j);
    static void transmitancia(const ContextoInforme& c, int i, Json& j);
    static void veredicto(const ContextoInforme& c, int i, Json& j);
    static Json soleamiento(const ContextoInforme& c, const Elemento& e);
};
