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

const std::string kTiempo = "0, Tiempo de c\xE1lculo del edificio objeto en segundos\n";

TEST_F(Vida, NotasVeredictoYTiempoDeCalculo) {
    auto cumple = vida("", [](Global2& g) {
        g.anotar(false, "nota");
        g.anotar(true, "no");
    });
    EXPECT_EQ(cumple, S("nota\nCUMPLE\n" + kTiempo, "CUMPLE"));
    auto falla = vida("", [](Global2& g) { g.registrarFallo(false, "\"M1\": U = 0.80W/m2K", 0); });
    EXPECT_EQ(falla.first, "NO CUMPLE\n" + kTiempo);
    // The zone-number regime begins the log with "$".
    EXPECT_EQ(vida("LONGITUD-DE-REFERENCIA = 31\n", [](Global2&) {}).first,
              "$\nCUMPLE\n" + kTiempo);
}

TEST_F(Vida, ErrorFatalSinVeredicto) {
    // The log ends with the message, without a line end; the results file stays empty.
    auto fatal = vida("", [](Global2& g) {
        g.anotar(false, "nota");
        g.registrarFallo(false, "fallo", 0);
        comprobar(false, "No se encuentra: \"X\"");
    });
    EXPECT_EQ(fatal, S("nota\nNo se encuentra: \"X\"", ""));
}

TEST_F(Vida, OtroTipoDeEdificioNoEscribeNada) {
    vida("BUILDING-TYPE = REFERENCIA\n", [](Global2& g) {
        g.anotar(false, "nota");
        g.registrarFallo(false, "fallo", 0);
    });
    EXPECT_FALSE(existe(dir.fichero("E.log")) || existe(dir.fichero("R.txt")));
}

} // namespace
