// Start-up, input checks and the files of a whole run of the built executable.
#include <gtest/gtest.h>
#include <regex>

#include "comun/Entorno.h"

namespace {

const std::string kCasos = std::string(ENVOLVENTE_FUENTES) + "/tests/integration/casos/";
const char* kDefectos =
    "\nHCINT = 3.0\nHRINT = 4.7\nHCEXT = 20.37\nHREXT = 4.63\nNUM-HORAS = 8760\n"
    "NO-HABITABLES = ( \"GARAJE\" )\n";
const char* kLimites = "\n\"D3\" = ZONA\n..\n\"NORTE-D3\" = ORIENTACION\n..\n"
                       "\"ESTE/OESTE-D3\" = ORIENTACION\n..\n"
                       "\"SURESTE/SUROESTE-D3\" = ORIENTACION\n..\n\"SUR-D3\" = ORIENTACION\n..\n";

struct Motor : ::testing::Test {
    DirectorioTemporal dir;
    std::string bdl = dir.fichero("edificio.bdl"), clima = dir.fichero("clima.txt");
    std::string lib = dir.fichero("limites.lim"), res = dir.fichero("res.txt");

    std::string args() const { return bdl + "," + clima + ",D3," + res + "," + lib; }
    std::string fallo(const std::string& ruta) const {
        return "Se ha producido un error: El fichero " + ruta + " no existe\n";
    }
    // Every input of a run in the directory, the building file given.
    void entradas(const std::string& edificio, const std::string& defectos = kDefectos) {
        dir.escribir("edificio.bdl", edificio);
        dir.escribir("clima.txt", climaConstante());
        dir.escribir("limites.lim", kLimites);
        dir.escribir("defectos.inp", defectos);
        dir.escribir("BDCatalogo.bdc", "\n");
    }
    std::string parametros() const { return leerFichero(dir.fichero("parametrosVALMOR.log")); }
};

TEST_F(Motor, CadaEntradaQueFaltaEnSuOrden) {
    // Each run finds one more input; the parameter log holds the raw string every time.
    const std::pair<std::string, std::string> siguiente[] = {{"edificio.bdl", "\n"},
                                                             {"clima.txt", climaConstante()},
                                                             {"limites.lim", kLimites},
                                                             {"defectos.inp", kDefectos},
                                                             {"BDCatalogo.bdc", "\n"}};
    for (const auto& [nombre, contenido] : siguiente) {
        ResultadoEjecucion r = ejecutarMotor(args(), dir.ruta());
        EXPECT_EQ(r.codigo, 3) << nombre;
        EXPECT_EQ(r.salidaError, fallo(dir.fichero(nombre)));
        EXPECT_EQ(parametros(), args() + "\n");
        dir.escribir(nombre, contenido);
    }
    // The error log is opened only after every input was found.
    EXPECT_FALSE(existe(dir.fichero("Error.log")));
    EXPECT_FALSE(existe(res));
}

TEST_F(Motor, TresTokensDejanVaciaLaRutaDeLimites) {
    entradas("\n");
    const std::string cadena = bdl + ", " + clima + ",D3";
    ResultadoEjecucion r = ejecutarMotor(cadena, dir.ruta());
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, "Se ha producido un error: El fichero  no existe\n");
    EXPECT_EQ(parametros(), cadena + "\n"); // blanks and all
}

TEST_F(Motor, DefectosConOtroNombreEnSextaPosicion) {
    entradas("\n");
    ResultadoEjecucion r = ejecutarMotor(args() + ",otros.inp,septimo", dir.ruta());
    EXPECT_EQ(r.salidaError, fallo(dir.fichero("otros.inp")));
    dir.escribir("otros.inp", kDefectos);
    EXPECT_EQ(ejecutarMotor(args() + ",otros.inp,septimo", dir.ruta()).codigo, 0);
}

TEST_F(Motor, EdificioSinEspaciosCumple) {
    entradas("\n\"E\" = BUILD-PARAMETERS\nTYPE-BUILD = Unifamiliar\n..\n");
    ResultadoEjecucion r = ejecutarMotor(args(), dir.ruta());
    EXPECT_EQ(r.codigo, 0) << r.salidaError;
    EXPECT_EQ(r.salidaError, "");
    EXPECT_EQ(leerFichero(res), "CUMPLE");
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")),
              "CUMPLE\n0, Tiempo de c\xE1lculo del edificio objeto en segundos\n");
}

TEST_F(Motor, ClaveSinValorPorDefectoParaLaEjecucionSinVeredicto) {
    // The films of the exterior side are missing: the first wall stops the run, naming the key
    // and the file; the second line names the wall that needed them. A verdict left by an
    // earlier run is not kept.
    std::string defectos = leerFichero(kCasos + "comun/defectos.inp");
    defectos.erase(defectos.find("HCEXT = 20.37\n"), 14);
    entradas(leerFichero(kCasos + "cumple/edificio.bdl"), defectos);
    dir.escribir("res.txt", "CUMPLE");
    ResultadoEjecucion r = ejecutarMotor(args(), dir.ruta());
    const std::string mensaje =
        "Falta la clave HCEXT en el fichero de valores por defecto " + dir.fichero("defectos.inp");
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, "Se ha producido un error: " + mensaje + "\n" +
                                 dir.fichero("edificio.bdl") +
                                 ":31: en el objeto \"M-SUR\" (EXTERIOR-WALL), al construir \"S1\" "
                                 "(SPACE)\n");
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")), mensaje); // no line end, no verdict
    EXPECT_EQ(leerFichero(res), "");
}

TEST_F(Motor, AyudaConLosArgumentosYLosCodigosDeSalida) {
    // The six run arguments and the two exit codes, whatever the wording around them (the
    // version and the options are checked with the command line).
    ResultadoEjecucion r = ejecutarMotor("--help", dir.ruta());
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError, "");
    for (const char* patron : {"EDIFICIO", "CLIMA", "ZONA", "RESULTADOS", "L(I|\xC3\x8D)MITES",
                               "DEFECTOS", "salida:[^\n]*\\b0\\b[^\n]*\\b3\\b"})
        EXPECT_TRUE(std::regex_search(r.salida, std::regex(patron, std::regex::icase))) << patron;
    EXPECT_FALSE(existe(dir.fichero("Error.log")));
}

} // namespace
