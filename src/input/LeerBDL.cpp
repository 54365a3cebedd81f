// Stand-in: a reader that never finds anything. Replaced by the real reader.
#include "input/LeerBDL.h"

struct LeerBDL::Impl {};
LeerBDL::LeerBDL() = default;
LeerBDL::LeerBDL(const std::string&) {}
LeerBDL::LeerBDL(const std::string&, const std::string&) {}
std::unique_ptr<LeerBDL> LeerBDL::desdeTexto(const std::string&) {
    return std::make_unique<LeerBDL>();
}
LeerBDL::~LeerBDL() = default;
std::unique_ptr<LeerBDL> LeerBDL::objeto(const LeerBDL&, const std::string&, const std::string&) {
    return std::make_unique<LeerBDL>();
}
std::unique_ptr<LeerBDL> LeerBDL::bloque(const LeerBDL&, const std::string&, bool& e) {
    e = false;
    return std::make_unique<LeerBDL>();
}
std::unique_ptr<LeerBDL> LeerBDL::entradaLibreria(const std::string&, const std::string&,
                                                  const std::string&, const std::string&) {
    return std::make_unique<LeerBDL>();
}
int LeerBDL::buscar(const std::string&, int) const {
    return 0;
}
int LeerBDL::dameEntero(const std::string&, int&) const {
    return -1;
}
int LeerBDL::dameReal(const std::string&, float&) const {
    return -1;
}
int LeerBDL::dameCadena(const std::string&, std::string&) const {
    return -1;
}
int LeerBDL::dameLista(const std::string&, std::vector<float>&) const {
    return -1;
}
int LeerBDL::dameListaCadenas(const std::string&, std::vector<std::string>&) const {
    return -1;
}
int LeerBDL::dameValores(const std::string&, int, std::vector<float>&) const {
    return -1;
}
int LeerBDL::dameListaValores(const std::string&, std::vector<float>&) const {
    return -1;
}
int LeerBDL::dameDosListas(const std::string&, int, std::vector<float>&,
                           std::vector<float>&) const {
    return -1;
}
int LeerBDL::numeroVertices() const {
    return 0;
}
void LeerBDL::dameVertices(std::vector<std::pair<float, float>>&, int) const {}
int LeerBDL::cuentaObjetos(const std::string&) const {
    return 0;
}
int LeerBDL::cuentaObjetosAntes(int, int, const std::string&) const {
    return 0;
}
void LeerBDL::inicioObjetos() {}
int LeerBDL::siguienteObjeto(std::string&, const std::string&) {
    return -1;
}
int LeerBDL::extensionObjeto(const std::string&, const std::string&, int&, int&) const {
    return -1;
}
int LeerBDL::extensionObjeto2(const std::string&, const std::string&, const std::string&, int&,
                              int&) const {
    return -1;
}
const char* LeerBDL::texto() const {
    return nullptr;
}
int LeerBDL::longitud() const {
    return 0;
}
