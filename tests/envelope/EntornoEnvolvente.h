#pragma once
// Envelope test environment: a run hub logging into a temporary directory, defaults from a file
// written there, and a BDL text published as gLeerBDL.
#include <memory>
#include <string>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

// he = 20.37 + 4.63 = 25.0 and hi = 3.0 + 4.7 = 7.7 W/m2K.
inline const char* const kDefectosEnvolvente =
    "\nNUM-HORAS = 8760 HCINT = 3.0 HRINT = 4.7 HCEXT = 20.37 HREXT = 4.63\n"
    "VAPOUR-DIFFUSIVITY-FACTOR = 1.0 PERMEABILIDAD = 27.0 SPACER-TYPE = INSULATED\n"
    "FRAME-WIDTH = 0.0 FRAME-ABS = 0.7 FRAME-CONDUCT = 4.0\n"
    "GROUND-K = 2.0 GROUND-L = 1.0 GROUND-RO = 2000.0 GROUND-SH = 1000.0 GROUND-RV = 1.0\n"
    "NO-HABITABLES = ( \"GARAJE\" )\n";

// The conductance H of an element between the films he and hi (by default 25 and 7.7 W/m2K).
template <class T> float conductancia(T& elemento, float he = 25.0f, float hi = 7.7f) {
    float H = 0.0f;
    elemento.calcularH(H, he, hi);
    return H;
}

class EntornoEnvolvente {
public:
    EntornoEnvolvente() : hub_(dir_.fichero("Error.log")), lectorPrevio_(gLeerBDL) {
        hub_.ponerDefectos(std::make_unique<ValoresPorDefecto>(
            dir_.escribir("defectos.inp", kDefectosEnvolvente)));
        hub_.global().leerParametros(LeerBDL(), gDefectos,
                                     dir_.fichero("resultados.txt")); // opens the log
    }
    explicit EntornoEnvolvente(const std::string& bdl) : EntornoEnvolvente() { edificio(bdl); }
    ~EntornoEnvolvente() { gLeerBDL = lectorPrevio_; }

    void edificio(const std::string& texto) {
        lector_ = LeerBDL::desdeTexto(texto);
        gLeerBDL = lector_.get();
    }
    // A library file of one glazing entry (code at column 48, kind at 64) in the "Lib" directory.
    void vidrioDeLibreria(const std::string& codigo, const std::string& claves) {
        dir_.escribir("BDLLIB.DAT", "$LIBRARY-ENTRY GLASS-TYPES" + std::string(21, ' ') + codigo +
                                        std::string(16 - codigo.size(), ' ') + "GLASS-TYPE-CODE\n" +
                                        claves + "\n ..\n");
        Directorios::instancia().registrar("Lib", dir_.ruta() + "/");
    }
    std::string log() const { return leerFichero(dir_.fichero("Error.log")); }
    Global2& global() { return hub_.global(); }
    ValoresPorDefecto& defectos() { return *gDefectos; }

    // Runs f, which must end the run; gives the message of the fatal error.
    template <class F> std::string fatal(F f) { return mensajeFatal(f); }

private:
    DirectorioTemporal dir_;
    HubDePrueba hub_;
    LeerBDL* lectorPrevio_;
    std::unique_ptr<LeerBDL> lector_;
};
