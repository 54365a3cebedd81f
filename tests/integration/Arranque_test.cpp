// Start-up, input checks and the verdict of a whole run of the built executable.
#include <gtest/gtest.h>

#include "comun/Entorno.h"

namespace {

const char* kDefectos =
    "\nHCINT = 3.0\nHRINT = 4.7\nHCEXT = 20.37\nHREXT = 4.63\nNUM-HORAS = 8760\n"
    "NO-HABITABLES = ( \"GARAJE\" )\n";
const char* kLimites = "\n\"D3\" = ZONA\n..\n\"NORTE-D3\" = ORIENTACION\n..\n"
                       "\"ESTE/OESTE-D3\" = ORIENTACION\n..\n"
                       "\"SURESTE/SUROESTE-D3\" = ORIENTACION\n..\n\"SUR-D3\" = ORIENTACION\n..\n";

// A climate file of the text format: title, latitude, 8,760 hourly lines.
std::string climaConstante() {
    std::string s = "clima de prueba\n40.4\n";
    for (int h = 0; h < 8760; ++h) s += "1 1 1 10.0 0 0 0 0.005 0 2 180 0 90\n";
    return s;
}

struct Motor : ::testing::Test {
    DirectorioTemporal dir;
    std::string bdl, clima, lib, res;
    void SetUp() override {
        bdl = dir.fichero("edificio.bdl");
        clima = dir.fichero("clima.txt");
        lib = dir.fichero("limites.lim");
        res = dir.fichero("res.txt");
    }
    std::string args() const { return bdl + "," + clima + ",D3," + res + "," + lib; }
    std::string fallo(const std::string& ruta) const {
        return "Se ha producido un error: El fichero " + ruta + " no existe\n";
    }
};

TEST_F(Motor, CadenaVaciaTerminaConCeroYSoloElRegistroDeParametros) {
    ResultadoEjecucion r = ejecutarMotor("", dir.ruta());
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError, "");
    EXPECT_EQ(leerFichero(dir.fichero("parametrosVALMOR.log")), "\n");
}

TEST_F(Motor, CadaEntradaQueFaltaEnSuOrden) {
    ResultadoEjecucion r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, fallo(bdl));
    EXPECT_EQ(leerFichero(dir.fichero("parametrosVALMOR.log")), args() + "\n");

    dir.escribir("edificio.bdl", "\n");
    r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, fallo(clima));

    dir.escribir("clima.txt", climaConstante());
    r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.salidaError, fallo(lib));

    dir.escribir("limites.lim", kLimites);
    r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.salidaError, fallo(dir.fichero("defectos.inp")));

    dir.escribir("defectos.inp", kDefectos);
    r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, fallo(dir.fichero("BDCatalogo.bdc")));
    EXPECT_FALSE(existe(dir.fichero("Error.log")));
    EXPECT_FALSE(existe(res));
}

TEST_F(Motor, TresTokensDejanVaciaLaRutaDeLimites) {
    dir.escribir("edificio.bdl", "\n");
    dir.escribir("clima.txt", climaConstante());
    ResultadoEjecucion r = ejecutarMotor(bdl + ", " + clima + ",D3", dir.ruta());
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, "Se ha producido un error: El fichero  no existe\n");
}

TEST_F(Motor, DefectosConOtroNombreEnSextaPosicion) {
    dir.escribir("edificio.bdl", "\n");
    dir.escribir("clima.txt", climaConstante());
    dir.escribir("limites.lim", kLimites);
    ResultadoEjecucion r = ejecutarMotor(args() + ",otros.inp", dir.ruta());
    EXPECT_EQ(r.salidaError, fallo(dir.fichero("otros.inp")));
}

TEST_F(Motor, EdificioSinEspaciosCumple) {
    dir.escribir("edificio.bdl", "\n\"E\" = BUILD-PARAMETERS\nTYPE-BUILD = Unifamiliar\n..\n");
    dir.escribir("clima.txt", climaConstante());
    dir.escribir("limites.lim", kLimites);
    dir.escribir("defectos.inp", kDefectos);
    dir.escribir("BDCatalogo.bdc", "\n");
    ResultadoEjecucion r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.codigo, 0) << r.salidaError;
    EXPECT_EQ(r.salidaError, "");
    EXPECT_EQ(leerFichero(res), "CUMPLE");
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")),
              "CUMPLE\n0, Tiempo de c\xE1lculo del edificio objeto en segundos\n");
}

TEST_F(Motor, AyudaYVersionSinEjecucion) {
    ResultadoEjecucion r = ejecutarMotor("--help", dir.ruta());
    EXPECT_EQ(r.codigo, 0);
    r = ejecutarMotor("--version", dir.ruta());
    EXPECT_EQ(r.codigo, 0);
    EXPECT_FALSE(existe(dir.fichero("Error.log")));
}

} // namespace
