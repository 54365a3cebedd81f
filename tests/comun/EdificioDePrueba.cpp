#include "comun/EdificioDePrueba.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"

const char* const kEdificioUnaSala = R"(
"EDIFICIO" = BUILD-PARAMETERS
TYPE-BUILD = Unifamiliar
CLASE-HIGROMETRIA = 3
..
"P-A" = POLYGON
V1 = ( 0, 0 )
V2 = ( 10, 0 )
V3 = ( 10, 5 )
V4 = ( 0, 5 )
..
"MURO" = CONSTRUCTION
TYPE = U-VALUE
U-VALUE = 0.5
..
"VIDRIO" = GLASS-TYPE
TYPE = SHADING-COEF
SHADING-COEF = 0.8
GLASS-CONDUCTANCE = 4.0
..
"PB" = FLOOR
POLYGON = "P-A"
SPACE-HEIGHT = 3
..
"S1" = SPACE
POLYGON = "P-A"
HEIGHT = 3
SPACE-CONDITIONS = SIN-FUENTES-INTERNAS-POR-DEFECTO
SYSTEM-CONDITIONS = NO-ACONDICIONADO-POR-DEFECTO
..
"M-SUR" = EXTERIOR-WALL
LOCATION = SPACE-V1
CONSTRUCTION = "MURO"
..
"V-1" = WINDOW
X = 1
Y = 1
WIDTH = 2
HEIGHT = 1.5
GLASS-TYPE = "VIDRIO"
..
)";

std::string editar(std::string texto, const std::vector<Cambio>& cambios) {
    for (const Cambio& c : cambios) {
        if (c.buscar.empty()) {
            texto += c.poner;
            continue;
        }
        std::size_t p = texto.find(c.buscar);
        EXPECT_NE(p, std::string::npos) << c.buscar;
        if (p != std::string::npos) texto.replace(p, c.buscar.size(), c.poner);
    }
    return texto;
}

void prepararCarpetaDeEjecucion(const DirectorioTemporal& dir) {
    const std::string fuentes = ENVOLVENTE_FUENTES;
    dir.escribir("clima.txt", climaConstante());
    dir.escribir("limites.lim", leerFichero(fuentes + "/examples/lib/limites.lim"));
    dir.escribir("BDLLIB.DAT", leerFichero(fuentes + "/examples/lib/BDLLIB.DAT"));
    dir.escribir("BDCatalogo.bdc", "\n");
    escribirDefectos(dir, "");
}

void escribirDefectos(const DirectorioTemporal& dir, const std::string& antes) {
    dir.escribir("defectos.inp",
                 antes + leerFichero(std::string(ENVOLVENTE_FUENTES) +
                                     "/tests/integration/casos/comun/defectos.inp"));
}
