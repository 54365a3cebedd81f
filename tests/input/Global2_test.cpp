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

// Kept for a report: every result in order, stamped with the space whose loop made it, and a
// copy of the error log byte for byte; a hub that is not asked keeps nothing.
TEST_F(Vida, ResultadosGuardadosYCopiaDelLog) {
    for (bool guardar : {false, true}) {
        ::testing::internal::CaptureStderr();
        Global2 g(dir.fichero("E.log"));
        if (guardar) {
            g.resultados().activar();
            g.copiarLog();
        }
        g.leerParametros(*LeerBDL::desdeTexto("\nLONGITUD-DE-REFERENCIA = 70\n"), gDefectos,
                         dir.fichero("R.txt"));
        g.resultados().ponerEspacio(3);
        ResultadoComprobacion r;
        r.tipo = TipoComprobacion::Permeabilidad;
        r.valor = 50.0f;
        r.limite = 27.0f;
        r.cumple = false;
        r.lista = 3;
        r.texto = "\"V1\": Permeabilidad = 50.00 Permeabilidad_limite = 27.00";
        g.registrar(std::move(r));
        g.resultados().ponerEspacio(-1);
        g.registrarFallo(true, "nada", 0);
        g.anotar(false, "UMUROS = ( 0.70 )");
        g.escribirVeredicto();
        ::testing::internal::GetCapturedStderr();
        const auto& guardados = g.resultados().resultados();
        EXPECT_TRUE(g.fallido());
        EXPECT_EQ(g.fallos(3).size(), 1u);
        if (!guardar) {
            EXPECT_TRUE(guardados.empty());
            EXPECT_EQ(g.textoLog(), "");
            continue;
        }
        ASSERT_EQ(guardados.size(), 2u);
        EXPECT_EQ(std::make_pair(guardados[0].espacio, guardados[1].espacio),
                  std::make_pair(3, -1));
        EXPECT_EQ(guardados[0].texto, g.fallos(3)[0]);
        EXPECT_TRUE(g.logAbierto());
        EXPECT_EQ(g.textoLog(), leerFichero(dir.fichero("E.log")));
        EXPECT_EQ(g.textoLog().substr(0, 20), "$\nUMUROS = ( 0.70 )\n");
        EXPECT_EQ(g.listasFallos().textoResultados(), leerFichero(dir.fichero("R.txt")));
    }
}

} // namespace
