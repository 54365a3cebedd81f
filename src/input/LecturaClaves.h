#pragma once
#include <string>

class LeerBDL;

// Small readers shared by the space, operating-conditions and system records: they read one key
// of an entry (absent entry or absent key: false, the value untouched) and resolve schedule
// names against the schedules list.
namespace LecturaClaves {

// The text without one pair of surrounding double quotes.
std::string sinComillas(const std::string& s);
bool real(const LeerBDL* entrada, const char* clave, float& valor);
// A word or quoted string, its quotes removed.
bool palabra(const LeerBDL* entrada, const char* clave, std::string& valor);
// The hourly values of the schedule the entry names under the key, or `siFalta` when the key is
// absent. A name the schedules list does not hold stops the run: "No se encuentra: " + name.
// `nombre` receives the name as read (empty when absent).
const float* horario(const LeerBDL* entrada, const char* clave, const float* siFalta,
                     std::string* nombre = nullptr);

} // namespace LecturaClaves
