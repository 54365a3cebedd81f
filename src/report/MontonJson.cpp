#include "report/MontonJson.h"

#include <algorithm>
#include <functional>

MontonJson& MontonJson::instancia() {
    static MontonJson m;
    return m;
}

void* MontonJson::reservar(std::size_t bytes) {
    constexpr std::size_t alineacion = alignof(std::max_align_t);
    bytes = (bytes + alineacion - 1) / alineacion * alineacion;
    while (bloque_ < bloques_.size() && usado_ + bytes > bloques_[bloque_].tamano) {
        ++bloque_;
        usado_ = 0;
    }
    if (bloque_ == bloques_.size()) {
        const std::size_t tamano = std::max(kBloque, bytes);
        bloques_.push_back({std::unique_ptr<char[]>(new char[tamano]), tamano});
        usado_ = 0;
    }
    void* p = bloques_[bloque_].datos.get() + usado_;
    usado_ += bytes;
    return p;
}

bool MontonJson::contiene(const void* p) const {
    const char* c = static_cast<const char*>(p);
    const std::less<const char*> antes;
    for (const Bloque& b : bloques_)
        if (!antes(c, b.datos.get()) && antes(c, b.datos.get() + b.tamano)) return true;
    return false;
}

void MontonJson::vaciar() {
    bloque_ = usado_ = 0;
}

MontonJson::Zona::Zona() {
    instancia().activo_ = true;
}

MontonJson::Zona::~Zona() {
    MontonJson& m = instancia();
    m.activo_ = false;
    m.vaciar();
}

MontonJson::Pausa::Pausa() : previo_(instancia().activo_) {
    instancia().activo_ = false;
}

MontonJson::Pausa::~Pausa() {
    instancia().activo_ = previo_;
}
