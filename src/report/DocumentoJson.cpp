#include "report/DocumentoJson.h"

DocumentoJson::DocumentoJson(std::string& salida) : salida_(salida) {
    salida_ += '{';
}

void DocumentoJson::clave(const char* nombre) {
    if (!primerMiembro_) salida_ += ',';
    primerMiembro_ = false;
    salida_ += Json(nombre).dump();
    salida_ += ':';
}

void DocumentoJson::miembro(const char* nombre, const Json& valor) {
    clave(nombre);
    salida_ += valor.dump();
}

void DocumentoJson::abrirLista(const char* nombre) {
    clave(nombre);
    salida_ += '[';
    primerItem_ = true;
}

void DocumentoJson::item(const Json& valor) {
    if (!primerItem_) salida_ += ',';
    primerItem_ = false;
    salida_ += valor.dump();
}

void DocumentoJson::cerrarLista() {
    salida_ += ']';
}

void DocumentoJson::cerrar() {
    salida_ += '}';
}
