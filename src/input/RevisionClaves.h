#pragma once
#include <string>

#include "input/Avisos.h"
#include "input/LeerBDL.h"

// Watches the key lookups of the readers of a review (option --revisar). The reader answers a
// key with its first occurrence anywhere in the text; when that occurrence is not the key's own
// assignment but part of a longer key ("BUILDING-TYPE" in "C-BUILDING-TYPE"), of a name ("X" in
// "V-EXTRA") or of a value, the run reads something else than the user wrote: a warning says
// where, what is read, and which assignment it hides.
class RevisionClaves : public LeerBDL::Vigia {
public:
    explicit RevisionClaves(Avisos& avisos) : avisos_(avisos) {}
    void claveEncontrada(const LeerBDL& lector, const std::string& clave, int posicion) override;

private:
    Avisos& avisos_;
};
