#include "input/ValoresPorDefecto.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"

namespace {

const std::string kNoHabitables = " NO-HABITABLES = ( \"GARAJE\", \"TRASTERO\" )\n";

struct Defectos : ::testing::Test {
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
    std::unique_ptr<ValoresPorDefecto> leer(const std::string& texto) {
        return std::make_unique<ValoresPorDefecto>(dir.escribir("defectos.inp", texto));
    }
};

using VPD = ValoresPorDefecto;

TEST_F(Defectos, ClavesQueLleganAlVeredicto) {
    // Absent: the fallback of the defaults table; given: the file's value.
    const struct {
        const char* texto;
        float VPD::*campo;
        float ausente, dado;
    } claves[] = {
        {" LONGITUD-DE-REFERENCIA = -70\n", &VPD::longitudReferencia, 15.0f, -70.0f}, // regime
        {" HREXT = 5\n", &VPD::hrext, 4.63f, 5.0f},
        {" PERMEABILIDAD = 9\n", &VPD::permeabilidad, 42.0f, 9.0f},
        {" ALTURA-FORJADO = 0.3\n", &VPD::alturaForjado, 0.2f, 0.3f},
        {" VAPOUR-DIFFUSIVITY-FACTOR = 2\n", &VPD::vapourDiffusivityFactor, 1.0f, 2.0f},
        {" GROUND-K = 1.5\n", &VPD::groundK, 2.0f, 1.5f},
        {" GROUND-R = 0.3\n", &VPD::groundR, 0.5f, 0.3f},
        {" U_PARTITION = 2.5\n", &VPD::uParticion, 1.0f, 2.5f},
        {" TOL-HOR-FRENTE-FORJADO = 20\n", &VPD::tolHorFrenteForjado, 30.0f, 20.0f},
    };
    auto vacio = leer(kNoHabitables);
    for (const auto& c : claves) {
        EXPECT_FLOAT_EQ((*vacio).*c.campo, c.ausente) << c.texto;
        EXPECT_FLOAT_EQ((*leer(kNoHabitables + c.texto)).*c.campo, c.dado) << c.texto;
    }
    EXPECT_EQ(vacio->hrextPresente, 'N');
    EXPECT_EQ(leer(kNoHabitables + " HREXT = 5\n")->hrextPresente, 'S');
    EXPECT_EQ(vacio->noHabitables, (std::vector<std::string>{"\"GARAJE\"", "\"TRASTERO\""}));
    EXPECT_TRUE(vacio->puentes.empty() && !vacio->hcint.presente);
}

TEST_F(Defectos, ClaveSinValorPorDefectoParaLaEjecucionQueLaNecesita) {
    auto d = leer(kNoHabitables + " HCINT = 3\n");
    EXPECT_FLOAT_EQ(d->exigir(d->hcint, "HCINT"), 3.0f);
    EXPECT_EQ(mensajeFatal([&] { d->exigir(d->hrint, "HRINT"); }),
              "Falta la clave HRINT en el fichero de valores por defecto " +
                  dir.fichero("defectos.inp"));
    EXPECT_EQ(mensajeFatal([&] { leer(" HCINT = 3\n"); }),
              "Error en el fichero defectos.inp: Error leyendo NO-HABITABLES");
    // An unopenable file gives a reader without text: the run stops at the same place.
    EXPECT_EQ(mensajeFatal([&] { VPD v(dir.fichero("no")); }),
              "Error en el fichero defectos.inp: Error leyendo NO-HABITABLES");
}

TEST_F(Defectos, FicheroDeEjemploConLasResistenciasSuperficialesPublicadas) {
    VPD d(std::string(ENVOLVENTE_FUENTES) + "/examples/lib/defectos.inp");
    // EN ISO 6946, vertical elements: Rse = 0.04 and Rsi = 0.13 m2K/W; ground of 2 W/mK.
    EXPECT_NEAR(1.0f / (d.hcext.valor + d.hrext), 0.04f, 1e-4f);
    EXPECT_NEAR(1.0f / (d.hcint.valor + d.hrint.valor), 0.13f, 1e-3f);
    EXPECT_FLOAT_EQ(d.groundK, 2.0f);
    // A window without its own permeability has the class 2 limit of 27 m3/hm2 at 100 Pa.
    EXPECT_EQ(std::make_pair(d.permeabilidad, d.deltapEnsayoPermeabilidad),
              std::make_pair(27.0f, 100.0f));
}

TEST_F(Defectos, ClavesConSeparadorSeBuscanConEl) {
    // "NFRMUROS=5" lacks the " =" of the key: not found. A key standing after a longer key of
    // which it is a prefix finds the longer one.
    auto d = leer(kNoHabitables + " NFRMUROS=5\n HCINT-HOR = 5\n HCINT = 3\n"
                                  " GROUND-RO = 1800\n GROUND-R = 0.3\n");
    EXPECT_EQ(d->nfrMuros, 100);
    EXPECT_EQ(std::make_pair(d->hcint.valor, d->groundR), std::make_pair(5.0f, 1800.0f));
}

TEST_F(Defectos, ModoYTipoDeParticiones) {
    // Flags: overwrite, add, direct.
    const std::pair<const char*, const char*> modos[] = {{"", "001"},
                                                         {"DEFAULT-OVERWRITTEN", "100"},
                                                         {"DEFAULT-ADDED", "010"},
                                                         {"CUSTOM", "001"},
                                                         {"DIRECTO", "001"},
                                                         {"OTRA", "001"}};
    for (const auto& [modo, banderas] : modos) {
        auto d = leer(kNoHabitables + (*modo ? " INTERNAL-PARTITIONS = " + std::string(modo) : ""));
        std::string f = {char('0' + d->particionesSobrescribir), char('0' + d->particionesAnadir),
                         char('0' + d->particionesDirecto)};
        EXPECT_EQ(f, banderas) << modo;
    }
    // Another type: U_PARTITION is not read; absorptance and emissivity follow the surfaces.
    auto d = leer(kNoHabitables + " ABS-CORTA = 0.4\n EMISIVIDAD = 0.8\n U_PARTITION = 2.5\n"
                                  " TYPE_PARTITION = PROPERTIES\n");
    EXPECT_EQ(d->tipoParticion, "PROPERTIES");
    EXPECT_EQ(std::vector<float>({d->uParticion, d->absParticion, d->emiParticion}),
              std::vector<float>({1.0f, 0.4f, 0.8f}));
}

TEST_F(Defectos, PuentesTermicosEnOrdenConSetDefault) {
    auto d = leer(kNoHabitables + " SEVERAL-OPTIONS = YES\n"
                                  "\"ESQUINA\" = THERMAL-BRIDGE\n TYPE = MASONRY\n TTL = 0.15\n"
                                  " FRSI = 0.7\n ANGLE-MIN = 80\n ANGLE-MAX = 100\n"
                                  " PARTITION = NO\n..\n"
                                  "\"FORJADO\" = THERMAL-BRIDGE\n TTL = 0.4\n..\n"
                                  "SET-DEFAULT FOR THERMAL-BRIDGE\n TYPE = SLAB\n..\n");
    EXPECT_TRUE(d->variasOpciones);
    EXPECT_FALSE(leer(kNoHabitables + " SEVERAL-OPTIONS = NO\n")->variasOpciones);
    ASSERT_EQ(d->puentes.size(), 2u);
    const TipoPuenteTermico &a = d->puentes[0], &b = d->puentes[1];
    EXPECT_EQ(std::vector<float>({a.ttl, a.frsi, a.anguloMin, a.anguloMax, b.frsi}),
              std::vector<float>({0.15f, 0.7f, 80.0f, 100.0f, 1.0f}));
    EXPECT_EQ(a.nombre + a.tipo + " " + a.particion, "\"ESQUINA\"MASONRY NO");
    EXPECT_EQ(b.nombre + b.tipo + " " + b.particion, "\"FORJADO\"SLAB BOTH");
}

} // namespace
