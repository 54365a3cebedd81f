#pragma once
#include <string>
#include <vector>

#include "input/Avisos.h"
#include "input/IndiceCabeceras.h"

class LeerBDL;

// The review of the text of a building file and its catalogue (option --revisar), before
// anything is built: the places where the substring search of the reader will not do what the
// text seems to say. Objects run from their header to the first ".." after it.
class RevisionBDL {
public:
    // tiposLeidos: the object types the engine builds something from.
    RevisionBDL(const LeerBDL& bdl, std::vector<std::string> tiposLeidos, Avisos& avisos);
    void ejecutar();

    // --- the checks of ejecutar ---
    // Objects of the building file of a type the engine never reads (a DOOR).
    void tiposNoLeidos();
    // Objects not closed with ".." before the next header: their lookups run on into it.
    void objetosSinCierre();
    // A key written twice in one object: the first one wins.
    void clavesRepetidas();
    // Lines outside every object of the building file that read NAME = TYPE with the name
    // without quotes: never an object, so never built.
    void nombresSinComillas();

    // Whether the position lies in the building file (not in the catalogue that follows it).
    bool enEdificio(int posicion) const;

private:
    void avisar(int posicion, const IndiceCabeceras::Cabecera* objeto, Aviso::Clase clase,
                std::string texto);
    // End of the object's own text: the first ".." after its name (the end of the text without
    // one).
    int finObjeto(const IndiceCabeceras::Cabecera& c) const;
    bool esTipoLeido(const std::string& tipo) const;

    const LeerBDL& bdl_;
    std::vector<std::string> tiposLeidos_;
    Avisos& avisos_;
    IndiceCabeceras indice_;
    std::string ficheroEdificio_;
    std::vector<int> cierres_; // positions of every ".."
};
