#pragma once
#include <memory>
#include <string>

// The registry of the run's directories under three-letter keys ("Lib", "Tmp", "Dat", ...).
// Directory strings keep their trailing separator, so a path is built by concatenation.
class Directorios {
public:
    static constexpr int kNumRanuras = 14;
    static const char* const kClaves[kNumRanuras];

    // The one registry of the process, created on the first call.
    static Directorios& instancia();
    // Releases the registry at the end of a run; the next call to instancia() creates a new one.
    static void liberar();

    // Copies the directory into the slot of the key; a key outside the table stores nothing.
    // Returns the slot (1-based), or 0 when the key is unknown.
    int registrar(const std::string& clave, const std::string& directorio);
    const std::string& directorio(const std::string& clave) const;
    std::string rutaLib(const std::string& fichero) const;
    std::string rutaTmp(const std::string& fichero) const;

    // The directory part of a path including its trailing separator; empty when there is none.
    static std::string extraerDirectorio(const std::string& ruta);

    bool listo = true;

private:
    Directorios() = default;
    std::string ranuras_[kNumRanuras];
};
