#pragma once
#include <string>
#include <unordered_set>
#include <vector>

#include "base/Lugar.h"

// A finding of the review of a building (option --revisar): something the engine will do that
// the user probably does not expect, pointed at the place of the input that causes it.
struct Aviso {
    enum class Clase {
        ClaveDentro,           // a key answered from inside a longer key, a name or a value
        ClaveRepetida,         // a key written twice in one object: the first wins
        TipoNoLeido,           // an object of a type the engine never reads
        NombreSinComillas,     // an object whose name has no double quotes: never matched
        SinCierre,             // an object not closed with ".." before the next one
        ReferenciaInexistente, // a name that refers to an object that does not exist
        VentanasReducidas,     // windows larger than their element, reduced to fit it
        AreaNula,              // an element without area, which no check looks at
        MuroInteriorQuitado,   // a vertical interior wall taken out of the thermal model
        SinVeredicto           // a building that a normal run would end without a verdict
    };

    Lugar lugar;
    std::string objeto; // the object's name with its double quotes; empty when none
    std::string tipo;   // the object's type keyword
    Clase clase = Clase::ClaveDentro;
    std::string texto;

    // The kind as the documentation names it ("clave-dentro", ...).
    static const char* nombreClase(Clase c);
    // The line standard error shows: "fichero:línea: aviso: en el objeto "X" (TIPO): texto",
    // in Latin-1 bytes like the input.
    std::string linea() const;
};

// The findings of one run, each kept once.
class Avisos {
public:
    void anadir(Aviso aviso);
    // By file (in the order the files were first named) and then by line; the order of finding
    // within a line.
    std::vector<Aviso> ordenados() const;

private:
    std::vector<Aviso> avisos_;
    std::unordered_set<std::string> lineas_;
};
