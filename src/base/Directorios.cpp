#include "base/Directorios.h"

namespace {
std::unique_ptr<Directorios>& registro() {
    static std::unique_ptr<Directorios> r;
    return r;
}
const std::string kVacio;
} // namespace

const char* const Directorios::kClaves[Directorios::kNumRanuras] = {
    "Per", "Img", "Lib", "Met", "Exe", "Fot", "Bin",
    "Pla", "Imt", "Tmp", "Res", "Doc", "Dat", "Hor"};

Directorios& Directorios::instancia() {
    if (!registro()) registro().reset(new Directorios());
    return *registro();
}

void Directorios::liberar() {
    registro().reset();
}

int Directorios::registrar(const std::string& clave, const std::string& dir) {
    for (int i = 0; i < kNumRanuras; ++i)
        if (clave == kClaves[i]) {
            ranuras_[i] = dir;
            return i + 1;
        }
    return 0;
}

const std::string& Directorios::directorio(const std::string& clave) const {
    for (int i = 0; i < kNumRanuras; ++i)
        if (clave == kClaves[i]) return ranuras_[i];
    return kVacio;
}

std::string Directorios::rutaLib(const std::string& f) const {
    return directorio("Lib") + f;
}
std::string Directorios::rutaTmp(const std::string& f) const {
    return directorio("Tmp") + f;
}

std::string Directorios::extraerDirectorio(const std::string& ruta) {
    std::string::size_type p = ruta.find_last_of("/\\:");
    return p == std::string::npos ? std::string() : ruta.substr(0, p + 1);
}
