#pragma once
#include <string>

#include "report/JsonInforme.h"

// A JSON object written member by member into a text. Each member's value (or each item of a
// list member) is built on its own and serialized by the JSON library, then dropped: the whole
// document never has to be held as one tree, however many elements the building has.
class DocumentoJson {
public:
    // Opens the object at the end of the text.
    explicit DocumentoJson(std::string& salida);
    void miembro(const char* clave, const Json& valor);
    // A list member whose items follow one by one.
    void abrirLista(const char* clave);
    void item(const Json& valor);
    void cerrarLista();
    // Closes the object.
    void cerrar();

private:
    void clave(const char* nombre);

    std::string& salida_;
    bool primerMiembro_ = true, primerItem_ = true;
};
