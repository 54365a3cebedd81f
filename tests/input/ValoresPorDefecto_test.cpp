#include "input/ValoresPorDefecto.h"

#include <functional>
#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/Entorno.h"
#include "input/Global2.h"

namespace {

const std::string kNoHabitables = " NO-HABITABLES = ( \"GARAJE\", \"TRASTERO\" )\n";

struct Defectos : ::testing::Test {
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
    std::unique_ptr<ValoresPorDefecto> leer(const std::string& texto) {
        return std::make_unique<ValoresPorDefecto>(dir.escribir("defectos.inp", texto));
    }
    // Whether an action stops the run with the message on standard error.
    bool para(const std::function<void()>& f, const std::string& mensaje) {
        return mensajeFatal(f).find(mensaje) != std::string::npos;
    }
};

TEST_F(Defectos, OnlyUnheatedNamesGivesTheFallbacksOfEveryGroup) {
    auto d = leer(kNoHabitables);
    EXPECT_EQ(d->pararTrasRequisitosMinimos + d->hrextPresente + d->tipoParticion +
                  d->automaticShutter,
              "YESNU-VALUENO");
    EXPECT_EQ(std::make_pair(d->nfrMuros, d->multiplicadorContornos), std::make_pair(100, 4));
    EXPECT_FALSE(d->particionesSobrescribir || d->particionesAnadir || d->variasOpciones);
    EXPECT_TRUE(d->particionesDirecto);
    EXPECT_TRUE(d->shutterPercentage.presente && d->shutterConductanceFactor.presente);
    EXPECT_TRUE(!d->hcint.presente && d->puentes.empty());
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
    EXPECT_EQ(std::vector<float>({d->eigenRatio, d->hcint.valor, d->groundR}),
              std::vector<float>({7, 5, 1800}));
}

TEST_F(Defectos, MissingKeysStopTheRun) {
    auto d = leer(kNoHabitables);
    EXPECT_TRUE(para([&] { d->exigir(d->hcint, "HCINT"); },
                     "Falta la clave HCINT en el fichero de valores por defecto " +
                         dir.fichero("defectos.inp")));
    EXPECT_TRUE(para([&] { leer(" HCINT = 3\n"); },
                     "Error en el fichero defectos.inp: Error leyendo NO-HABITABLES"));
    // An unopenable file gives a reader without text: the run stops at the same place.
    EXPECT_TRUE(para([&] { ValoresPorDefecto v(dir.fichero("no")); }, "NO-HABITABLES"));
}

TEST_F(Defectos, PartitionModeFlagsAndType) {
    // Flags: overwrite, add, direct.
    const char* modos[] = {"DEFAULT-OVERWRITTEN", "DEFAULT-ADDED", "CUSTOM", "DIRECTO", "OTRA"};
    const char* banderas[] = {"100", "010", "001", "001", "001"};
    for (int i = 0; i < 5; ++i) {
        auto d = leer(kNoHabitables + " INTERNAL-PARTITIONS = " + modos[i] + "\n");
        std::string f = {char('0' + d->particionesSobrescribir), char('0' + d->particionesAnadir),
                         char('0' + d->particionesDirecto)};
        EXPECT_EQ(f, banderas[i]) << modos[i];
    }
    // Another type: U_PARTITION is not read; absorptance and emissivity follow the surfaces.
    auto d = leer(kNoHabitables + " ABS-CORTA = 0.4\n EMISIVIDAD = 0.8\n U_PARTITION = 2.5\n"
                                  " TYPE_PARTITION = PROPERTIES\n");
    EXPECT_EQ(d->tipoParticion, "PROPERTIES");
    EXPECT_EQ(std::vector<float>({d->uParticion, d->absParticion, d->emiParticion}),
              std::vector<float>({1.0f, 0.4f, 0.8f}));
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
    const TipoPuenteTermico &a = d->puentes[0], &b = d->puentes[1];
    EXPECT_EQ(std::vector<float>({a.ttl, a.frsi, a.anguloMin, a.anguloMax, b.frsi}),
              std::vector<float>({0.15f, 0.7f, 80.0f, 100.0f, 1.0f}));
    EXPECT_EQ(a.nombre + a.tipo + " " + a.particion, "\"ESQUINA\"MASONRY NO");
    EXPECT_EQ(b.nombre + b.tipo + " " + b.particion, "\"FORJADO\"SLAB BOTH");
}

TEST_F(Defectos, ShutterValuesStandOnlyWithTheShutterKey) {
    auto d = leer(kNoHabitables + " AUTOMATIC-SHUTTER = YES\n SHUTTER-PERCENTAGE = 40\n");
    EXPECT_EQ(d->automaticShutter, "YES");
    EXPECT_EQ(d->shutterPercentage.valor, 40.0f);
    EXPECT_FALSE(d->shutterConductanceFactor.presente ||
                 d->shutterTransmittanceMultiplierSummer.presente);
}

} // namespace
