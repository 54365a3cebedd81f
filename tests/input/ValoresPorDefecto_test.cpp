#include "input/ValoresPorDefecto.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "shell/ErrorFatal.h"

namespace {

const std::string kNoHabitables = " NO-HABITABLES = ( \"GARAJE\", \"TRASTERO\" )\n";

struct Defectos : ::testing::Test {
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
    std::unique_ptr<ValoresPorDefecto> leer(const std::string& texto) {
        return std::make_unique<ValoresPorDefecto>(dir.escribir("defectos.inp", texto));
    }
    // Standard error of an action that must stop the run.
    std::string fatal(const std::function<void()>& f) {
        ::testing::internal::CaptureStderr();
        EXPECT_THROW(f(), ErrorFatal);
        return ::testing::internal::GetCapturedStderr();
    }
};

TEST_F(Defectos, OnlyUnheatedNamesGivesTheFallbacksOfEveryGroup) {
    auto d = leer(kNoHabitables);
    EXPECT_EQ(d->pararTrasRequisitosMinimos, "YES");
    EXPECT_EQ(d->hrextPresente, 'N');
    EXPECT_EQ(d->nfrMuros, 100);
    EXPECT_EQ(d->multiplicadorContornos, 4);
    EXPECT_FALSE(d->particionesSobrescribir || d->particionesAnadir || d->variasOpciones);
    EXPECT_TRUE(d->particionesDirecto);
    EXPECT_EQ(d->tipoParticion, "U-VALUE");
    EXPECT_EQ(d->automaticShutter, "NO");
    EXPECT_TRUE(d->shutterPercentage.presente && d->shutterConductanceFactor.presente);
    EXPECT_FALSE(d->hcint.presente);
    EXPECT_TRUE(d->puentes.empty());
    EXPECT_EQ(d->noHabitables, (std::vector<std::string>{"\"GARAJE\"", "\"TRASTERO\""}));
    using V = std::vector<float>;
    // Groups 1 to 4.
    EXPECT_EQ(V({d->demandaMinimaCalefaccion, d->demandaMinimaRefrigeracion, d->longitudReferencia,
                 d->tIniFiniteDifferences, d->tauMuroAncho, d->eigenRatio, d->hrext, d->absCorta,
                 d->emisividad, d->vapourDiffusivityFactor, d->alturaForjado,
                 d->deltapEnsayoPermeabilidad, d->permeabilidad, d->shutterConductanceFactor.valor,
                 d->shutterPercentage.valor, d->shutterTransmittanceMultiplierSummer.valor}),
              V({-1200, 1500, 15, 22, 540000, 50, 4.63f, 0.7f, 0.9f, 1, 0.2f, 100, 42, 1, 0, 1}));
    // Partitions, bridges and ground.
    EXPECT_EQ(V({d->absParticion, d->emiParticion, d->conParticion, d->denParticion, d->shParticion,
                 d->thParticion, d->resParticion, d->uParticion, d->rvParticion, d->toleranciaPtl,
                 d->tolHorFrenteForjado}),
              V({0.7f, 0.9f, 0.8f, 1500, 800, 0.1f, 0, 1, 1, 0.001f, 30}));
    EXPECT_EQ(V({d->groundK, d->groundL, d->groundRo, d->groundSh, d->groundR, d->groundRv,
                 d->groundEit, d->groundL2dSteady, d->groundZground, d->groundHeight}),
              V({2, 1, 2000, 1000, 0.5f, 1, 0, 0, 0, 0}));
}

TEST_F(Defectos, KeysWithASeparatorAreSearchedWithIt) {
    // "NFRMUROS=5" lacks the " =" of the key: not found. A key standing after a longer key of
    // which it is a prefix finds the longer one.
    auto d = leer(kNoHabitables + " NFRMUROS=5\n EIGENRATIO = 7\n HCINT-HOR = 5\n HCINT = 3\n"
                                  " GROUND-RO = 1800\n GROUND-R = 0.3\n");
    EXPECT_EQ(d->nfrMuros, 100);
    EXPECT_EQ(d->eigenRatio, 7.0f);
    EXPECT_EQ(d->hcint.valor, 5.0f);
    EXPECT_EQ(d->groundR, 1800.0f);
}

TEST_F(Defectos, MissingKeysStopTheRun) {
    auto d = leer(kNoHabitables);
    std::string s = fatal([&] { d->exigir(d->hcint, "HCINT"); });
    EXPECT_NE(s.find("Falta la clave HCINT en el fichero de valores por defecto " +
                     dir.fichero("defectos.inp")),
              std::string::npos)
        << s;
    EXPECT_NE(fatal([&] {
                  leer(" HCINT = 3\n");
              }).find("Error en el fichero defectos.inp: Error leyendo NO-HABITABLES"),
              std::string::npos);
    // An unopenable file gives a reader without text: the run stops at the same place.
    EXPECT_NE(
        fatal([&] { ValoresPorDefecto v(dir.fichero("no-existe.inp")); }).find("NO-HABITABLES"),
        std::string::npos);
}

TEST_F(Defectos, PartitionModeFlagsAndType) {
    const struct {
        const char* valor;
        bool sobrescribir, anadir, directo;
    } casos[] = {{"DEFAULT-OVERWRITTEN", true, false, false},
                 {"DEFAULT-ADDED", false, true, false},
                 {"CUSTOM", false, false, true},
                 {"DIRECTO", false, false, true},
                 {"OTRA", false, false, true}};
    for (const auto& c : casos) {
        auto d = leer(kNoHabitables + " INTERNAL-PARTITIONS = " + c.valor + "\n");
        EXPECT_EQ(d->particionesSobrescribir, c.sobrescribir) << c.valor;
        EXPECT_EQ(d->particionesAnadir, c.anadir) << c.valor;
        EXPECT_EQ(d->particionesDirecto, c.directo) << c.valor;
    }
    // Another type: U_PARTITION is not read; absorptance and emissivity follow the surfaces.
    auto d = leer(kNoHabitables + " ABS-CORTA = 0.4\n EMISIVIDAD = 0.8\n U_PARTITION = 2.5\n"
                                  " TYPE_PARTITION = PROPERTIES\n");
    EXPECT_EQ(d->tipoParticion, "PROPERTIES");
    EXPECT_EQ(d->uParticion, 1.0f);
    EXPECT_EQ(d->absParticion, 0.4f);
    EXPECT_EQ(d->emiParticion, 0.8f);
    EXPECT_EQ(leer(kNoHabitables + " U_PARTITION = 2.5\n")->uParticion, 2.5f);
}

TEST_F(Defectos, ThermalBridgeTableInFileOrderWithSetDefault) {
    auto d = leer(kNoHabitables + " SEVERAL-OPTIONS = YES\n"
                                  "\"ESQUINA\" = THERMAL-BRIDGE\n TYPE = MASONRY\n TTL = 0.15\n"
                                  " FRSI = 0.7\n ANGLE-MIN = 80\n ANGLE-MAX = 100\n"
                                  " PARTITION = NO\n..\n"
                                  "\"FORJADO\" = THERMAL-BRIDGE\n TTL = 0.4\n..\n"
                                  "SET-DEFAULT FOR THERMAL-BRIDGE\n TYPE = SLAB\n..\n");
    EXPECT_TRUE(d->variasOpciones);
    ASSERT_EQ(d->puentes.size(), 2u);
    const TipoPuenteTermico& a = d->puentes[0];
    EXPECT_EQ(a.nombre, "\"ESQUINA\"");
    EXPECT_EQ(std::vector<float>({a.ttl, a.frsi, a.anguloMin, a.anguloMax}),
              std::vector<float>({0.15f, 0.7f, 80.0f, 100.0f}));
    EXPECT_EQ(a.tipo + " " + a.particion, "MASONRY NO");
    const TipoPuenteTermico& b = d->puentes[1];
    EXPECT_EQ(b.nombre, "\"FORJADO\"");
    EXPECT_EQ(b.frsi, 1.0f);
    EXPECT_EQ(b.tipo + " " + b.particion, "SLAB BOTH");
}

TEST_F(Defectos, ShutterValuesStandOnlyWithTheShutterKey) {
    auto d = leer(kNoHabitables + " AUTOMATIC-SHUTTER = YES\n SHUTTER-PERCENTAGE = 40\n");
    EXPECT_EQ(d->automaticShutter, "YES");
    EXPECT_EQ(d->shutterPercentage.valor, 40.0f);
    EXPECT_FALSE(d->shutterConductanceFactor.presente);
    EXPECT_FALSE(d->shutterTransmittanceMultiplierSummer.presente);
}

// The shipped defaults file: every prefix key stands before its longer key, and the bridge
// table covers every classification word and the pillar row.
TEST_F(Defectos, ShippedFile) {
    ValoresPorDefecto d(std::string(ENVOLVENTE_FUENTES) + "/examples/lib/defectos.inp");
    EXPECT_EQ(std::vector<float>({d.hcint.valor, d.hcintHor.valor, d.groundR, d.groundRo, d.groundL,
                                  d.groundL2dSteady}),
              std::vector<float>({3.0f, 5.3f, 0.5f, 2000.0f, 1.0f, 0.0f}));
    EXPECT_EQ(d.hrextPresente, 'S');
    EXPECT_TRUE(d.rocp.presente && d.numHoras.presente && d.pilaresPorZona.presente &&
                d.linearThermalTransmittance.presente && d.spacerType.presente);
    std::vector<std::string> tipos;
    for (const TipoPuenteTermico& p : d.puentes) tipos.push_back(p.tipo);
    EXPECT_TRUE(std::any_of(d.puentes.begin(), d.puentes.end(),
                            [](const TipoPuenteTermico& p) { return p.nombre == "\"PILLAR\""; }));
    for (const char* t : {"WINDOW-FRAME", "ISOLATED-WALL", "UNDER-EXT", "UNDERGROUND", "SLAB",
                          "MASONRY", "HORIZONTAL-SLAB"})
        EXPECT_NE(std::find(tipos.begin(), tipos.end(), t), tipos.end()) << t;
}

} // namespace
