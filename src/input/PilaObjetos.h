#pragma once
#include <string>
#include <vector>

#include "base/ErrorFatal.h"
#include "base/Lugar.h"

class LeerBDL;

// The objects of the input being built, innermost last (a space, one of its walls, a window of
// the wall, the glazing of the window), kept by the run hub so that a fatal error can say where
// it happened. When an error first unwinds through it, the stack is copied as it was then.
class PilaObjetos {
public:
    // An object being built: the view it is read through (which begins with its header, so
    // with its name) and its type keyword.
    struct Marco {
        const LeerBDL* vista;
        const char* tipo;
    };
    // An object of the copy taken at the error, with the place of its header.
    struct MarcoCopiado {
        std::string tipo, nombre;
        Lugar lugar;
    };

    void entrar(const LeerBDL* vista, const char* tipo);
    // Leaves the innermost object; by an error, the first time, after copying the stack.
    void salir(bool porError);
    const Marco* actual() const { return marcos_.empty() ? nullptr : &marcos_.back(); }
    const std::vector<MarcoCopiado>& alFallar() const { return copia_; }

    // The line that points a fatal error into the input, compiler style:
    //   edificio.bdl:57: en el objeto "VIDRIO-X" (GLASS-TYPE), al construir "V-1" (WINDOW): ...
    // from the place the error carries (else the header of the innermost object), the innermost
    // object and the one it was being built for, and the error's detail. Empty when nothing is
    // known.
    static std::string explicar(const ErrorFatal& error, const std::vector<MarcoCopiado>& marcos);
    // The name, with its quotes, that an object's view begins with.
    static std::string nombre(const LeerBDL& vista);

private:
    std::vector<Marco> marcos_;
    std::vector<MarcoCopiado> copia_;
    bool copiada_ = false;
};
