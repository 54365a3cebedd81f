#include "input/ValoresPorDefecto.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "shell/ErrorFatal.h"

namespace {

const char* const kNoHabitables = " NO-HABITABLES = ( \"GARAJE\", \"TRASTERO\" )\n";

struct Defectos : ::testing::Test {
    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
    std::unique_ptr<ValoresPorDefecto> leer(const std::string& texto) {
        return std::make_unique<ValoresPorDefecto>(dir.escribir("defectos.inp", texto));
    }
};

TEST_F(Defectos, OnlyUnheatedNamesGivesTheBuiltInFallbacks) {
    auto d = leer(kNoHabitables);
    EXPECT_EQ(d->demandaMinimaCalefaccion, -1200.0f);
    EXPECT_EQ(d->demandaMinimaRefrigeracion, 1500.0f);
    EXPECT_EQ(d->pararTrasRequisitosMinimos, "YES");
    EXPECT_EQ(d->longitudReferencia, 15.0f);
    EXPECT_EQ(d->hrext, 4.63f);
    EXPECT_EQ(d->hrextPresente, 'N');
    EXPECT_FALSE(d->particionesSobrescribir);
    EXPECT_FALSE(d->particionesAnadir);
    EXPECT_TRUE(d->particionesDirecto);
    EXPECT_EQ(d->tipoParticion, "U-VALUE");
    EXPECT_EQ(d->uParticion, 1.0f);
    EXPECT_EQ(d->absParticion, 0.7f);
    EXPECT_EQ(d->groundRo, 2000.0f);
    EXPECT_EQ(d->groundR, 0.5f);
    EXPECT_EQ(d->permeabilidad, 42.0f);
    EXPECT_EQ(d->automaticShutter, "NO");
    EXPECT_TRUE(d->shutterPercentage.presente);
    EXPECT_EQ(d->shutterPercentage.valor, 0.0f);
    EXPECT_EQ(d->shutterConductanceFactor.valor, 1.0f);
    EXPECT_FALSE(d->variasOpciones);
    EXPECT_EQ(d->multiplicadorContornos, 4);
    EXPECT_TRUE(d->puentes.empty());
    EXPECT_EQ(d->noHabitables, (std::vector<std::string>{"\"GARAJE\"", "\"TRASTERO\""}));
    EXPECT_FALSE(d->hcint.presente);
    EXPECT_EQ(d->tIniFiniteDifferences, 22.0f);
    EXPECT_EQ(d->tauMuroAncho, 540000.0f);
    EXPECT_EQ(d->nfrMuros, 100);
    EXPECT_EQ(d->eigenRatio, 50.0f);
    EXPECT_EQ(d->absCorta, 0.7f);
    EXPECT_EQ(d->emisividad, 0.9f);
    EXPECT_EQ(d->vapourDiffusivityFactor, 1.0f);
    EXPECT_EQ(d->alturaForjado, 0.2f);
    EXPECT_EQ(d->deltapEnsayoPermeabilidad, 100.0f);
    EXPECT_EQ(d->conParticion, 0.8f);
    EXPECT_EQ(d->denParticion, 1500.0f);
    EXPECT_EQ(d->shParticion, 800.0f);
    EXPECT_EQ(d->thParticion, 0.1f);
    EXPECT_EQ(d->resParticion, 0.0f);
    EXPECT_EQ(d->rvParticion, 1.0f);
    EXPECT_EQ(d->toleranciaPtl, 0.001f);
    EXPECT_EQ(d->tolHorFrenteForjado, 30.0f);
    EXPECT_EQ(d->groundK, 2.0f);
    EXPECT_EQ(d->groundL, 1.0f);
    EXPECT_EQ(d->groundSh, 1000.0f);
    EXPECT_EQ(d->groundRv, 1.0f);
    EXPECT_EQ(d->groundEit, 0.0f);
}

TEST_F(Defectos, KeysWithASeparatorAreSearchedWithIt) {
    // "NFRMUROS=5" lacks the " =" of the key: not found. "HCINT-HOR" standing before "HCINT"
    // is what a plain "HCINT" finds.
    auto d = leer(std::string(kNoHabitables) +
                  " NFRMUROS=5\n EIGENRATIO = 7\n HCINT-HOR = 5\n HCINT = 3\n"
                  " GROUND-RO = 1800\n GROUND-R = 0.3\n");
    EXPECT_EQ(d->nfrMuros, 100);
    EXPECT_EQ(d->eigenRatio, 7.0f);
    EXPECT_EQ(d->hcint.valor, 5.0f);
    EXPECT_EQ(d->hcintHor.valor, 5.0f);
    EXPECT_EQ(d->groundRo, 1800.0f);
    EXPECT_EQ(d->groundR, 1800.0f);
}

TEST_F(Defectos, MissingRequiredKeyStopsNamingKeyAndFile) {
    auto d = leer(kNoHabitables);
    ::testing::internal::CaptureStderr();
    try {
        d->exigir(d->hcint, "HCINT");
        FAIL();
    } catch (const ErrorFatal& e) {
        EXPECT_EQ(e.codigo(), 3);
    }
    std::string salida = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(salida.find("HCINT"), std::string::npos) << salida;
    EXPECT_NE(salida.find(dir.fichero("defectos.inp")), std::string::npos) << salida;
}

TEST_F(Defectos, MissingUnheatedNamesIsFatal) {
    ::testing::internal::CaptureStderr();
    try {
        leer(" HCINT = 3\n");
        FAIL();
    } catch (const ErrorFatal& e) {
        EXPECT_EQ(e.codigo(), 3);
    }
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(
                  "Error en el fichero defectos.inp: Error leyendo NO-HABITABLES"),
              std::string::npos);
    // An unopenable file gives a reader without text: the run stops at the same place.
    EXPECT_THROW(ValoresPorDefecto(dir.fichero("no-existe.inp")), ErrorFatal);
}

TEST_F(Defectos, PartitionModeFlags) {
    struct Caso {
        const char* valor;
        bool sobrescribir, anadir, directo;
    } casos[] = {{"DEFAULT-OVERWRITTEN", true, false, false},
                 {"DEFAULT-ADDED", false, true, false},
                 {"CUSTOM", false, false, true},
                 {"DIRECTO", false, false, true},
                 {"OTRA", false, false, true}};
    for (const Caso& c : casos) {
        auto d = leer(std::string(kNoHabitables) + " INTERNAL-PARTITIONS = " + c.valor + "\n");
        EXPECT_EQ(d->particionesSobrescribir, c.sobrescribir) << c.valor;
        EXPECT_EQ(d->particionesAnadir, c.anadir) << c.valor;
        EXPECT_EQ(d->particionesDirecto, c.directo) << c.valor;
    }
}

TEST_F(Defectos, PartitionTypeDecidesWhetherUIsRead) {
    auto d = leer(std::string(kNoHabitables) +
                  " ABS-CORTA = 0.4\n EMISIVIDAD = 0.8\n U_PARTITION = 2.5\n"
                  " TYPE_PARTITION = PROPERTIES\n");
    EXPECT_EQ(d->tipoParticion, "PROPERTIES");
    EXPECT_EQ(d->uParticion, 1.0f); // not read
    EXPECT_EQ(d->absParticion, 0.4f);
    EXPECT_EQ(d->emiParticion, 0.8f);
    auto u = leer(std::string(kNoHabitables) + " U_PARTITION = 2.5\n");
    EXPECT_EQ(u->uParticion, 2.5f);
}

TEST_F(Defectos, ThermalBridgeTableInFileOrderWithSetDefault) {
    auto d = leer(std::string(kNoHabitables) +
                  " SEVERAL-OPTIONS = YES\n"
                  "\"ESQUINA\" = THERMAL-BRIDGE\n TYPE = MASONRY\n TTL = 0.15\n FRSI = 0.7\n"
                  " ANGLE-MIN = 80\n ANGLE-MAX = 100\n PARTITION = NO\n..\n"
                  "\"FORJADO\" = THERMAL-BRIDGE\n TYPE = HORIZONTAL-SLAB\n TTL = 0.4\n..\n");
    EXPECT_TRUE(d->variasOpciones);
    ASSERT_EQ(d->puentes.size(), 2u);
    const TipoPuenteTermico& a = d->puentes[0];
    EXPECT_EQ(a.nombre, "\"ESQUINA\"");
    EXPECT_EQ(a.ttl, 0.15f);
    EXPECT_EQ(a.frsi, 0.7f);
    EXPECT_EQ(a.anguloMin, 80.0f);
    EXPECT_EQ(a.anguloMax, 100.0f);
    EXPECT_EQ(a.tipo, "MASONRY");
    EXPECT_EQ(a.particion, "NO");
    const TipoPuenteTermico& b = d->puentes[1];
    EXPECT_EQ(b.tipo, "HORIZONTAL-SLAB");
    EXPECT_EQ(b.frsi, 1.0f);
    EXPECT_EQ(b.particion, "BOTH");

    auto c = leer(std::string(kNoHabitables) +
                  "\"A\" = THERMAL-BRIDGE\n TTL = 0.1\n..\n"
                  "SET-DEFAULT FOR THERMAL-BRIDGE\n FRSI = 0.6\n TYPE = SLAB\n..\n");
    ASSERT_EQ(c->puentes.size(), 1u);
    EXPECT_EQ(c->puentes[0].frsi, 0.6f);
    EXPECT_EQ(c->puentes[0].tipo, "SLAB");
}

TEST_F(Defectos, ShutterValuesStandOnlyWithTheShutterKey) {
    auto d = leer(std::string(kNoHabitables) + " AUTOMATIC-SHUTTER = YES\n"
                                               " SHUTTER-PERCENTAGE = 40\n");
    EXPECT_EQ(d->automaticShutter, "YES");
    EXPECT_TRUE(d->shutterPercentage.presente);
    EXPECT_EQ(d->shutterPercentage.valor, 40.0f);
    EXPECT_FALSE(d->shutterConductanceFactor.presente);
    EXPECT_FALSE(d->shutterTransmittanceMultiplierSummer.presente);
}

// The shipped defaults file gives every key, each found at its own assignment (a key that is a
// prefix of a longer one stands first).
TEST_F(Defectos, ShippedFileGivesEveryKey) {
    ValoresPorDefecto d(std::string(ENVOLVENTE_FUENTES) + "/examples/lib/defectos.inp");
    EXPECT_EQ(d.hcint.valor, 3.0f);
    EXPECT_EQ(d.hrint.valor, 4.7f);
    EXPECT_EQ(d.hcintHor.valor, 5.3f);
    EXPECT_EQ(d.hrintHor.valor, 4.7f);
    EXPECT_EQ(d.hcext.valor, 20.37f);
    EXPECT_EQ(d.hrext, 4.63f);
    EXPECT_EQ(d.hrextPresente, 'S');
    EXPECT_EQ(d.permeabilidad, 27.0f);
    EXPECT_EQ(d.deltapEnsayoPermeabilidad, 100.0f);
    EXPECT_EQ(d.groundR, 0.5f);
    EXPECT_EQ(d.groundRo, 2000.0f);
    EXPECT_EQ(d.groundRv, 1.0f);
    EXPECT_EQ(d.groundReflectance.valor, 0.2f);
    EXPECT_EQ(d.groundL, 1.0f);
    EXPECT_EQ(d.groundL2dSteady, 0.0f);
    EXPECT_EQ(d.numHoras.valor, 8760);
    EXPECT_EQ(d.uParticion, 2.0f);
    EXPECT_EQ(d.spacerType.valor, "ALUMINIUM");
    EXPECT_EQ(d.noHabitables,
              (std::vector<std::string>{"\"GARAJE\"", "\"TRASTERO\"", "\"NO-HABITABLE\""}));
    for (const Opcional<float>* o : {&d.rocp,
                                     &d.deltat,
                                     &d.furnCp,
                                     &d.furnFraction,
                                     &d.furnWeight,
                                     &d.hcint,
                                     &d.hrint,
                                     &d.hcintHor,
                                     &d.hrintHor,
                                     &d.hpint,
                                     &d.hpout,
                                     &d.hcext,
                                     &d.ffSkyC,
                                     &d.groundReflectance,
                                     &d.frameWidth,
                                     &d.frameAbs,
                                     &d.frameConduct,
                                     &d.shutterConductanceFactor,
                                     &d.shutterPercentage,
                                     &d.shutterTransmittanceMultiplierSummer,
                                     &d.rhMax,
                                     &d.rhMin,
                                     &d.airTemperature,
                                     &d.anchoP,
                                     &d.anchoV,
                                     &d.altoP,
                                     &d.altoV,
                                     &d.cdP,
                                     &d.cdV,
                                     &d.h0,
                                     &d.arfP,
                                     &d.arfV,
                                     &d.longLeak,
                                     &d.cLeak,
                                     &d.nLeak,
                                     &d.hLeak,
                                     &d.supCr,
                                     &d.cCr,
                                     &d.nCr,
                                     &d.hCr,
                                     &d.linearThermalTransmittance})
        EXPECT_TRUE(o->presente);
    for (const Opcional<int>* o :
         {&d.nintWf, &d.maxDen, &d.minNum, &d.maxNum, &d.numHoras, &d.numPunVen, &d.numPunMur,
          &d.discrFi, &d.discrTe, &d.jetPartition, &d.crossPartition, &d.xPartition, &d.yPartition,
          &d.zPartition, &d.pilaresPorZona})
        EXPECT_TRUE(o->presente);
    // The bridge table covers every classification word and the pillar row.
    std::vector<std::string> tipos;
    bool pilar = false;
    for (const TipoPuenteTermico& p : d.puentes) {
        tipos.push_back(p.tipo);
        pilar = pilar || p.nombre == "\"PILLAR\"";
        EXPECT_GT(p.frsi, 0.0f);
        EXPECT_LE(p.frsi, 1.0f);
    }
    EXPECT_TRUE(pilar);
    for (const char* t : {"WINDOW-FRAME", "ISOLATED-WALL", "UNDER-EXT", "UNDERGROUND", "SLAB",
                          "MASONRY", "HORIZONTAL-SLAB"})
        EXPECT_NE(std::find(tipos.begin(), tipos.end(), t), tipos.end()) << t;
}

} // namespace
