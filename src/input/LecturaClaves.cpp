#include "input/LecturaClaves.h"

#include "base/ErrorFatal.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ListaSchedule.h"

namespace LecturaClaves {

std::string sinComillas(const std::string& s) {
    std::size_t a = (!s.empty() && s.front() == '"') ? 1 : 0;
    std::size_t b = s.size();
    if (b > a && s[b - 1] == '"') --b;
    return s.substr(a, b - a);
}

bool real(const LeerBDL* e, const char* clave, float& valor) {
    if (!e) return false;
    float v = valor;
    if (e->dameReal(clave, v) < 0) return false;
    valor = v;
    return true;
}

bool palabra(const LeerBDL* e, const char* clave, std::string& valor) {
    if (!e) return false;
    std::string v;
    if (e->dameCadena(clave, v) < 0) return false;
    valor = sinComillas(v);
    return true;
}

const float* horario(const LeerBDL* e, const char* clave, const float* siFalta,
                     std::string* nombre) {
    std::string n;
    if (nombre) nombre->clear();
    if (!e || e->dameCadena(clave, n) < 0) return siFalta;
    if (nombre) *nombre = n;
    const float* serie = gSchedules ? gSchedules->horario(n) : nullptr;
    comprobar(serie != nullptr, "No se encuentra: " + n);
    return serie;
}

} // namespace LecturaClaves
