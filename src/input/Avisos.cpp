#include "input/Avisos.h"

#include <algorithm>
#include <unordered_map>

const char* Aviso::nombreClase(Clase c) {
    switch (c) {
    case Clase::ClaveDentro:
        return "clave-dentro";
    case Clase::ClaveRepetida:
        return "clave-repetida";
    case Clase::TipoNoLeido:
        return "tipo-no-leido";
    case Clase::NombreSinComillas:
        return "nombre-sin-comillas";
    case Clase::SinCierre:
        return "sin-cierre";
    case Clase::ReferenciaInexistente:
        return "referencia-inexistente";
    case Clase::VentanasReducidas:
        return "ventanas-reducidas";
    case Clase::AreaNula:
        return "area-nula";
    case Clase::MuroInteriorQuitado:
        return "muro-interior-quitado";
    case Clase::SinVeredicto:
        return "sin-veredicto";
    }
    return "";
}

std::string Aviso::linea() const {
    std::string s = lugar.conocido() ? lugar.texto() : std::string("envolvente");
    s += ": aviso: ";
    if (!objeto.empty())
        s += "en el objeto " + objeto + (tipo.empty() ? "" : " (" + tipo + ")") + ": ";
    return s + texto;
}

void Avisos::anadir(Aviso aviso) {
    if (!lineas_.insert(aviso.linea()).second) return;
    avisos_.push_back(std::move(aviso));
}

std::vector<Aviso> Avisos::ordenados() const {
    std::unordered_map<std::string, std::size_t> ordenFichero;
    for (const Aviso& a : avisos_) ordenFichero.emplace(a.lugar.fichero, ordenFichero.size());
    std::vector<Aviso> r = avisos_;
    std::stable_sort(r.begin(), r.end(), [&](const Aviso& a, const Aviso& b) {
        std::size_t fa = ordenFichero[a.lugar.fichero], fb = ordenFichero[b.lugar.fichero];
        if (fa != fb) return fa < fb;
        return a.lugar.linea < b.lugar.linea;
    });
    return r;
}
