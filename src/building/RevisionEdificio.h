#pragma once
#include <string>
#include <vector>

#include "building/Edificio.h"
#include "input/Avisos.h"

class Elemento;

// The review of a building (option --revisar): the model built as a run builds it, up to the
// partition detection, without writing any file, and what the building file and the model hold
// that the results would not show: references to objects that do not exist (warned before they
// stop the run), windows reduced to fit their element, elements without area, which no check
// looks at, and vertical interior walls taken out of the thermal model. Uses the run's reader,
// defaults and hub (gLeerBDL, gDefectos, gGlobal2), like the model of a run.
class RevisionEdificio : public Edificio {
public:
    explicit RevisionEdificio(Avisos& avisos);

    // The object types the engine builds something from.
    static const std::vector<std::string>& tiposLeidos();

    // --- the steps of the construction ---
    // Names of other objects that name nothing: polygons, constructions, layers and materials,
    // glazing (and its code in the glazing library), conditions and neighbouring spaces.
    void referencias();
    // The model, then the steps of the partition detection that write nothing: the vertical
    // interior walls leave the record array, and three spaces on one floor edge stop the run.
    void construirYDetectar();
    void areasNulas();

private:
    void referencia(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista, const char* clave,
                    const char* destino);
    void listaDeNombres(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista, const char* clave,
                        const std::vector<std::string>& nombres, const char* destino);
    void materiales(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista);
    void codigoDeVidrio(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista);
    void murosQuitados(const std::vector<Elemento*>& antes);
    void avisar(const Elemento& e, Aviso::Clase clase, std::string texto);
    // A reference of object c to an object that is not there, at the place of the reference.
    void avisarReferencia(const IndiceCabeceras::Cabecera& c, Lugar lugar, std::string texto);

    Avisos& avisos_;
    IndiceCabeceras cabeceras_;
};
