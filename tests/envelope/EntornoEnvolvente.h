#pragma once
// Test environment of the envelope suites: a run hub whose error log lives in a temporary
// directory, defaults read from a file written there, and a building reader over a BDL text
// published as gLeerBDL.
#include <memory>
#include <string>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"
#include "shell/Directorios.h"
#include "shell/ErrorFatal.h"
#include "shell/Globales.h"

// he = 20.37 + 4.63 = 25.0 and hi = 3.0 + 4.7 = 7.7 W/m2K.
inline const char* const kDefectosEnvolvente = "\n"
                                               "NUM-HORAS = 8760\n"
                                               "HCINT = 3.0\n"
                                               "HRINT = 4.7\n"
                                               "HCEXT = 20.37\n"
                                               "HREXT = 4.63\n"
                                               "VAPOUR-DIFFUSIVITY-FACTOR = 1.0\n"
                                               "PERMEABILIDAD = 27.0\n"
                                               "SPACER-TYPE = INSULATED\n"
                                               "FRAME-WIDTH = 0.0\n"
                                               "FRAME-ABS = 0.7\n"
                                               "FRAME-CONDUCT = 4.0\n"
                                               "GROUND-K = 2.0\n"
                                               "GROUND-L = 1.0\n"
                                               "GROUND-RO = 2000.0\n"
                                               "GROUND-SH = 1000.0\n"
                                               "GROUND-RV = 1.0\n"
                                               "NO-HABITABLES = ( \"GARAJE\" )\n";

class EntornoEnvolvente {
public:
    explicit EntornoEnvolvente(const std::string& defectos = kDefectosEnvolvente)
        : hub_(dir_.fichero("Error.log")), lectorPrevio_(gLeerBDL) {
        hub_.ponerDefectos(
            std::make_unique<ValoresPorDefecto>(dir_.escribir("defectos.inp", defectos)));
        // Opens the error log (and the results file) of the hub.
        LeerBDL vacio;
        hub_.global().leerParametros(vacio, dir_.fichero("resultados.txt"));
    }
    ~EntornoEnvolvente() { gLeerBDL = lectorPrevio_; }

    // Publishes the BDL text as the building reader.
    void edificio(const std::string& texto) {
        lector_ = LeerBDL::desdeTexto(texto);
        gLeerBDL = lector_.get();
    }
    // Writes a library file into the temporary directory and registers it as "Lib".
    void libreria(const std::string& fichero, const std::string& texto) {
        dir_.escribir(fichero, texto);
        Directorios::instancia().registrar("Lib", dir_.ruta() + "/");
    }
    std::string log() const { return leerFichero(dir_.fichero("Error.log")); }
    Global2& global() { return hub_.global(); }
    ValoresPorDefecto& defectos() { return *gDefectos; }

    // Runs f, which must end the run; gives the text it left in the error log.
    template <class F> std::string fatal(F f) {
        try {
            f();
        } catch (const ErrorFatal& e) {
            if (e.codigo() != 3) return "<codigo inesperado>";
            return log();
        }
        return "<sin error fatal>";
    }

private:
    DirectorioTemporal dir_;
    HubDePrueba hub_;
    LeerBDL* lectorPrevio_;
    std::unique_ptr<LeerBDL> lector_;
};
