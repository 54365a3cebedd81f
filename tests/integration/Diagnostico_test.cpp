// What a run of the built executable says about the surprises of real building files: each
// situation reproduced from a small input, with what standard error now says. The files and exit
// codes the engine defines stay as they were; the first line of a fatal error too.
#include <gtest/gtest.h>
#include <unistd.h>

#include "comun/EdificioDePrueba.h"
#include "comun/Entorno.h"

namespace {

struct Diagnostico : ::testing::Test {
    DirectorioTemporal dir;
    std::string bdl, res;
    void SetUp() override {
        prepararCarpetaDeEjecucion(dir);
        bdl = dir.fichero("edificio.bdl");
        res = dir.fichero("resultados.txt");
    }
    std::string args(const std::string& resultados) const {
        return bdl + "," + dir.fichero("clima.txt") + ",D3," + resultados + "," +
               dir.fichero("limites.lim");
    }
    ResultadoEjecucion correr(const std::string& edificio, std::vector<std::string> opciones = {},
                              const std::string& resultados = "") {
        dir.escribir("edificio.bdl", edificio);
        return ejecutarMotor(opciones, args(resultados.empty() ? res : resultados), dir.ruta());
    }
};

// A compliance object of another tool: "BUILDING-TYPE" is answered from C-BUILDING-TYPE, the
// kind is "32", and the run opens no file and writes no verdict (exit code 0, as ever). Standard
// error says so, with the key, the value and where it was read.
TEST_F(Diagnostico, TipoDeEdificioLeidoDeOtraClave) {
    ResultadoEjecucion r = correr(std::string(kEdificioUnaSala) +
                                  "\"CUMPLIMIENTO\" = COMPLIANCE\nC-BUILDING-TYPE = 32\n..\n");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_FALSE(existe(res));
    EXPECT_FALSE(existe(dir.fichero("Error.log")));
    EXPECT_EQ(r.salidaError, bdl + ":43: aviso: BUILDING-TYPE = 32 (le\xED"
                                   "do dentro de C-BUILDING-TYPE): el edificio no es de tipo "
                                   "OBJETO, as\xED que no se escriben Error.log ni el fichero de "
                                   "resultados y la ejecuci\xF3n termina sin veredicto\n");
}

// A window whose own name holds an X reads its X from its header ("V-EXTRA" = WINDOW: the value
// after the next "=" is WINDOW, no number, so X stays 0). The review says where and what it hides.
TEST_F(Diagnostico, VentanaConXEnElNombre) {
    const std::string edificio =
        editar(kEdificioUnaSala, {{"\"V-1\" = WINDOW", "\"V-EXTRA\" = WINDOW"}});
    ResultadoEjecucion r = correr(edificio, {"--revisar"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError, bdl + ":35: aviso: en el objeto \"V-EXTRA\" (WINDOW): se busca la "
                                   "clave X y se encuentra antes dentro del nombre \"V-EXTRA\": se "
                                   "lee WINDOW y no X = 1 (l\xEDnea 36)\n");
    EXPECT_FALSE(existe(res)); // a review writes nothing
    EXPECT_FALSE(existe(dir.fichero("parametrosVALMOR.log")));
}

// A window whose name has no quotes is never an object, so it disappears; a DOOR is a type the
// engine never reads. The review names both.
TEST_F(Diagnostico, NombreSinComillasYPuerta) {
    const std::string edificio = editar(kEdificioUnaSala, {{"\"V-1\" = WINDOW", "V-1 = WINDOW"}}) +
                                 "\"P-1\" = DOOR\nWIDTH = 1\nHEIGHT = 2\n..\n";
    ResultadoEjecucion r = correr(edificio, {"--revisar"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError,
              bdl +
                  ":35: aviso: el nombre V-1 no est\xE1 entre comillas: este WINDOW no se "
                  "reconoce como objeto y no se construye\n" +
                  bdl +
                  ":42: aviso: en el objeto \"P-1\" (DOOR): el motor no lee los objetos "
                  "DOOR: este queda fuera del modelo\n");
    // The normal run is what it was: no window, so no window failure.
    r = correr(edificio);
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError, "");
    EXPECT_EQ(leerFichero(res), "CUMPLE");
}

// A glass code missing from the glazing library: the first line and the error log keep the
// message; the second line says that it is a glass code, which window asked for it, and where.
TEST_F(Diagnostico, CodigoDeVidrioQueNoEsta) {
    const std::string edificio =
        editar(kEdificioUnaSala, {{"TYPE = SHADING-COEF\nSHADING-COEF = 0.8",
                                   "TYPE = GLASS-TYPE-CODE\nGLASS-TYPE-CODE = 2203"}});
    ResultadoEjecucion r = correr(edificio);
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError, "Se ha producido un error: No se encuentra: 2203\n" + bdl +
                                 ":18: en el objeto \"VIDRIO\" (GLASS-TYPE), al construir \"V-1\" "
                                 "(WINDOW): se buscaba el c\xF3"
                                 "digo de vidrio 2203 (GLASS-TYPE-CODE) en " +
                                 dir.fichero("BDLLIB.DAT") + "\n");
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")), "No se encuentra: 2203");
    EXPECT_EQ(leerFichero(res), "");
}

// A results folder that cannot be written: the exit code stays 0 and there is no verdict, but
// standard error says which file and why. A folder that does not exist, one without write
// permission (not for root, who may write anywhere) and a full disk (/dev/full).
TEST_F(Diagnostico, CarpetaDeResultadosSinEscritura) {
    const std::string falta = dir.fichero("no-existe/resultados.txt");
    ResultadoEjecucion r = correr(kEdificioUnaSala, {}, falta);
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError, "envolvente: aviso: no se puede abrir Error.log (" +
                                 dir.fichero("no-existe/Error.log") +
                                 "): no existe la carpeta; ni las notas ni el veredicto quedan "
                                 "en \xE9l\nenvolvente: aviso: no se puede abrir el fichero de "
                                 "resultados " +
                                 falta +
                                 " (argumento 4): no existe la carpeta; la ejecuci\xF3n termina "
                                 "sin veredicto\n");

    if (geteuid() != 0) {
        ASSERT_EQ(std::system(("mkdir -m 555 " + dir.fichero("solo-lectura")).c_str()), 0);
        r = correr(kEdificioUnaSala, {}, dir.fichero("solo-lectura/resultados.txt"));
        EXPECT_EQ(r.codigo, 0);
        EXPECT_NE(r.salidaError.find("permiso denegado; la ejecuci\xF3n termina sin veredicto"),
                  std::string::npos)
            << r.salidaError;
    }

    ASSERT_EQ(symlink("/dev/full", res.c_str()), 0);
    r = correr(kEdificioUnaSala);
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salidaError, "envolvente: aviso: no se ha podido escribir el fichero de "
                             "resultados " +
                                 res +
                                 ": no queda espacio en el disco; el veredicto no ha quedado "
                                 "escrito\n");
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")),
              "NO CUMPLE\n0, Tiempo de c\xE1lculo del edificio objeto en segundos\n");
}

// A space a hundred thousand kilometres away: given (only values below -1e8 are not given), and
// beyond any placement, so the run stops with its value and its place instead of reaching NaN.
TEST_F(Diagnostico, EspacioMuyLejos) {
    ResultadoEjecucion r =
        correr(editar(kEdificioUnaSala, {{"HEIGHT = 3\nSPACE", "HEIGHT = 3\nX = 1e38\nSPACE"}}));
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salidaError,
              "Se ha producido un error: Error Grave de Definici\xF3n Geom\xE9trica. El valor de X "
              "es = 1e+38 y debe estar entre -1e8 y 1e8\n" +
                  bdl + ":25: en el objeto \"S1\" (SPACE)\n");
}

} // namespace
