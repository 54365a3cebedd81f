#pragma once
#include <exception>
#include <memory>
#include <string>

#include "base/Lugar.h"

class LeerBDL;
class PilaObjetos;

// The object being built, entered in the run hub's stack while it lives (see PilaObjetos): a
// fatal error raised while it is built says which object it was. Without a hub it does nothing.
class ContextoObjeto {
public:
    // The view of an object as LeerBDL::objeto cuts it (its text begins with the header).
    ContextoObjeto(const LeerBDL& vista, const char* tipo);
    ~ContextoObjeto();
    ContextoObjeto(const ContextoObjeto&) = delete;
    ContextoObjeto& operator=(const ContextoObjeto&) = delete;

private:
    PilaObjetos* pila_;
    int excepciones_;
};

// What is looked for under a type: "el polígono \"P-1\" (POLYGON)".
std::string descripcionObjeto(const std::string& tipo, const std::string& nombre);

// The object of the type and name cut out of `padre`, which must exist: otherwise the fatal
// error `mensaje`, pointed at the line of the object being built that names it.
std::unique_ptr<LeerBDL> objetoExigido(const LeerBDL& padre, const char* tipo,
                                       const std::string& nombre, const std::string& mensaje);

// The view of an object while it is read, which must exist ("No se encuentra: " + name): for as
// long as it lives it is the object being built, which a fatal error names.
class VistaObjeto {
public:
    VistaObjeto(const LeerBDL& padre, const char* tipo, const std::string& nombre);
    ~VistaObjeto();
    VistaObjeto(const VistaObjeto&) = delete;
    VistaObjeto& operator=(const VistaObjeto&) = delete;
    const LeerBDL& operator*() const { return *lector_; }
    const LeerBDL* operator->() const { return lector_.get(); }

private:
    std::unique_ptr<LeerBDL> lector_;
    ContextoObjeto contexto_;
};

// Where `texto` first stands in the innermost object being built, after its header (the header
// itself when it is not there); unknown without one.
Lugar lugarEnObjetoActual(const std::string& texto);
