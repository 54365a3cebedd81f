#pragma once
#include <string>
#include <unordered_map>
#include <vector>

// Index of the object headers of a building text, built in one pass: every occurrence of a
// type keyword preceded by a blank, "=", any character and a closing double quote (the tail of
// `"name" = TYPE`), the keyword being matched whole. It gives the objects of each type in text
// order and the children of an object (the objects that follow it up to the next object of a
// given set of types), so that the building model walks storeys, spaces and elements without
// rescanning the text.
class IndiceCabeceras {
public:
    struct Cabecera {
        int posicion = 0;   // position of the opening quote of the name
        std::string tipo;   // type keyword
        std::string nombre; // with its double quotes
    };

    IndiceCabeceras() = default;
    IndiceCabeceras(const char* texto, int longitud);

    const std::vector<Cabecera>& cabeceras() const { return cabeceras_; }
    // Positions in cabeceras() of the objects of the type, in text order.
    const std::vector<int>& deTipo(const std::string& tipo) const;
    int cuenta(const std::string& tipo) const { return static_cast<int>(deTipo(tipo).size()); }
    // First position after `desde` whose type is one of `tipos`; the number of headers when there
    // is none.
    int siguiente(int desde, const std::vector<std::string>& tipos) const;
    // Positions, between `desde` (exclusive) and `hasta` (exclusive), of the objects of the type.
    std::vector<int> hijos(int desde, int hasta, const std::string& tipo) const;

private:
    std::vector<Cabecera> cabeceras_;
    std::unordered_map<std::string, std::vector<int>> porTipo_;
};
