#include "input/Global2.h"

#include <functional>
#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// A whole hub life over a building text (parameters, the action, the end of the run, by a
// verdict or by a fatal error): the error log and the results file.
struct Vida : ::testing::Test {
    DirectorioTemporal dir;
    HubDePrueba hub;
    Vida() {
        hub.ponerDefectos(std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNUM-HORAS = 24\nNO-HABITABLES = ( \"X\" )\n")));
    }
    using S = std::pair<std::string, std::string>;
    S vida(const std::string& bdl, const std::function<void(Global2&)>& accion) {
        Global2 g(dir.fichero("E.log"));
        try {
            g.leerParametros(*LeerBDL::desdeTexto("\n" + bdl), gDefectos, dir.fichero("R.txt"));
            accion(g);
            g.escribirVeredicto();
        } catch (const ErrorFatal& e) {
            g.cerrarSinVeredicto(e.mensaje());
        }
        return {leerFichero(dir.fichero("E.log")), leerFichero(dir.fichero("R.txt"))};
    }
};

TEST_F(Vida, SoloElEdificioObjetoEscribeSusFicheros) {
    // Notes go to the log before the verdict (the verdicts, the zone-number "$" line and the
    // end without a verdict are checked by the whole runs).
    auto objeto = vida("", [](Global2& g) {
        g.anotar(false, "nota");
        g.anotar(true, "no");
    });
    EXPECT_EQ(objeto, S("nota\nCUMPLE\n0, Tiempo de c\xE1lculo del edificio objeto en segundos\n",
                        "CUMPLE"));
    vida("BUILDING-TYPE = REFERENCIA\n", [](Global2& g) {
        g.anotar(false, "nota");
        g.registrarFallo(false, "fallo", 0);
    });
    EXPECT_EQ(leerFichero(dir.fichero("E.log")) + leerFichero(dir.fichero("R.txt")),
              objeto.first + objeto.second);
}

} // namespace
