#include "climate/CondicionesOperacionales.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ListaSchedule.h"
#include "input/ValoresPorDefecto.h"
#include "shell/ErrorFatal.h"
#include "shell/Globales.h"

namespace {

// A 24-hour calculation whose schedule "OCUP" is 0 at hour 0 and 1 afterwards and "UNO" is 1.
class CondicionesOperacionalesTest : public ::testing::Test {
protected:
    CondicionesOperacionalesTest() : previoBDL_(gLeerBDL), previoSchedules_(gSchedules) {
        hub_.ponerDefectos(std::make_unique<ValoresPorDefecto>(
            dir_.escribir("defectos.inp", "\nHCINT = 3.0\nHRINT = 4.7\nFURN-FRACTION = 0.25\n"
                                          "FURN-WEIGHT = 40\nNO-HABITABLES = ( \"X\" )\n")));
    }
    ~CondicionesOperacionalesTest() override {
        gLeerBDL = previoBDL_;
        gSchedules = previoSchedules_;
    }

    std::unique_ptr<CondicionesOperacionales> leer(const std::string& cuerpo) {
        std::string t = "\nNUM-HORAS = 24\n";
        for (const char* n : {"OCUP", "UNO"})
            t += std::string("\"D-") + n + "\" = DAY-SCHEDULE-PD\n VALUES = ( " +
                 (n[0] == 'O' ? "0, 1" : "1") + " )\n ..\n\"S-" + n +
                 "\" = WEEK-SCHEDULE-PD\n DAY-SCHEDULES = ( \"D-" + n + "\" )\n ..\n\"" + n +
                 "\" = SCHEDULE-PD\n WEEK-SCHEDULES = ( \"S-" + n +
                 "\" )\n MONTH = ( 12 )\n DAY = ( 31 )\n ..\n";
        bdl_ = LeerBDL::desdeTexto(t + "\"C\" = SPACE-CONDITIONS\n" + cuerpo + "\n ..\n");
        gLeerBDL = bdl_.get();
        if (!schedules_) hub_.global().leerParametros(*bdl_, dir_.fichero("resultados.txt"));
        schedules_ = std::make_unique<ListaSchedule>(*bdl_);
        gSchedules = schedules_.get();
        return std::make_unique<CondicionesOperacionales>(
            *LeerBDL::objeto(*bdl_, "SPACE-CONDITIONS", "\"C\""), "\"C\"");
    }

    DirectorioTemporal dir_;
    HubDePrueba hub_;
    std::unique_ptr<LeerBDL> bdl_;
    std::unique_ptr<ListaSchedule> schedules_;
    LeerBDL* previoBDL_;
    ListaSchedule* previoSchedules_;
};

const float kCuota = 3.0f / (3.0f + 4.7f);

TEST_F(CondicionesOperacionalesTest, ValoresPorDefecto) {
    auto c = leer(" LIGHTING-TYPE = SUS-FLUOR");
    CondicionesOperacionales defecto;
    EXPECT_EQ(defecto.nombre, "SIN-FUENTES-INTERNAS-POR-DEFECTO");
    for (const CondicionesOperacionales* x : {c.get(), &defecto}) {
        ASSERT_EQ(x->horas(), 24);
        EXPECT_FLOAT_EQ(x->temperatura[23], 22.0f);
        EXPECT_FLOAT_EQ(x->humedad[23], 0.5f);
        EXPECT_FLOAT_EQ(x->repartoEquipos, kCuota);
        EXPECT_FLOAT_EQ(x->ponderacionCalefaccion, 1.0f);
        EXPECT_FLOAT_EQ(x->pesoMobiliario, 40.0f);
        EXPECT_EQ(x->metodoInfiltracion, 2);
    }
}

TEST_F(CondicionesOperacionalesTest, GananciasHorarias) {
    auto c = leer(" TEMPERATURE = 21\n NUMBER-OF-PEOPLE = 4\n PEOPLE-HG-SENS = 70\n"
                  " PEOPLE-HG-LAT = 50\n PEOPLE-SCHEDULE = \"OCUP\"\n PEOPLE-SPLIT-CR = 0.5\n"
                  " LIGHTING-W/AREA = 5\n LIGHTING-TYPE = REC-FLUOR-RV\n"
                  " LIGHTING-SCHEDULE = \"OCUP\"\n EQUIPMENT-W/AREA = 10\n EQUIP-SENSIBLE = 0.75\n"
                  " EQUIP-LATENT = 0.25\n EQUIP-SCHEDULE = \"UNO\"\n AIR-CHANGES/HR = 0.6\n"
                  " INF-SCHEDULE = \"OCUP\"\n RH-SCHEDULE = \"UNO\"\n INF-METHOD = CRACK");
    EXPECT_FLOAT_EQ(c->potenciaIluminacion, 4.0f); // 5 x 0.8
    EXPECT_EQ(c->metodoInfiltracion, 0);
    EXPECT_FLOAT_EQ(c->temperatura[5], 21.0f);
    EXPECT_FLOAT_EQ(c->humedad[5], 1.0f);
    // Hour 0: nobody, lights off, equipment on: 0.75 x 10 sensible, 0.25 x 10 latent.
    EXPECT_FLOAT_EQ(c->equiposSensible[0], 7.5f);
    EXPECT_FLOAT_EQ(c->gananciaLatente[0], 2.5f);
    EXPECT_FLOAT_EQ(c->infiltracionHoraria[0], 0.0f);
    // Hour 1: people 70 / 0.25 = 280 W, latent 50 / 0.25 + 0.25 x 10 = 202.5 W.
    EXPECT_FLOAT_EQ(c->ocupantesSensible[1], 280.0f);
    EXPECT_FLOAT_EQ(c->gananciaLatente[1], 202.5f);
    EXPECT_FLOAT_EQ(c->infiltracionHoraria[1], 0.6f);
    EXPECT_NEAR(c->gananciaConvectiva[1], 280.0f * 0.5f + (4.0f + 7.5f) * kCuota, 1e-3);
    EXPECT_NEAR(c->gananciaSensibleMedia, (7.5f + 23.0f * 291.5f) / 24.0f, 1e-3);
}

TEST_F(CondicionesOperacionalesTest, SinPersonasYFracciones) {
    // Without NUMBER-OF-PEOPLE or AREA/PERSON, or without PEOPLE-HG-SENS: no people at all.
    for (const char* sin : {" PEOPLE-HG-SENS = 70", " AREA/PERSON = 10"}) {
        auto c = leer(std::string(sin) + "\n PEOPLE-HG-LAT = 50\n PEOPLE-SCHEDULE = \"UNO\"");
        EXPECT_FLOAT_EQ(c->ocupantesSensible[3] + c->gananciaLatente[3], 0.0f) << sin;
    }
    auto c = leer(" AREA/PERSON = 10\n PEOPLE-HG-SENS = 70\n PEOPLE-HG-LAT = 50\n"
                  " PEOPLE-SCHEDULE = \"UNO\"\n EQUIP-SENSIBLE = 0.7\n EQUIPMENT-KW = 2");
    EXPECT_FLOAT_EQ(c->ocupantesSensible[3], 7.0f);
    EXPECT_FLOAT_EQ(c->gananciaLatente[3], 5.0f);
    EXPECT_FLOAT_EQ(c->fraccionSensibleEquipos, 1.0f); // no EQUIP-LATENT
    EXPECT_FLOAT_EQ(c->potenciaEquipos, 0.002f);
    c = leer(" EQUIPMENT-SENSIBLE = 0.6\n EQUIP-LATENT = 1\n LIGHTING-KW = 3\n"
             " LIGHTING-TYPE = REC-FLUOR-RSV\n INF-METHOD = CRACK-AIR-CHANGE");
    EXPECT_FLOAT_EQ(c->fraccionLatenteEquipos, 1.0f - 0.6f);
    EXPECT_FLOAT_EQ(c->potenciaIluminacion, 0.003f * 0.8f);
    EXPECT_EQ(c->metodoInfiltracion, 1);
    c = leer(" EQUIP-SENSIBLE = 1.4\n EQUIP-LATENT = 0\n INF-FLOW/AREA = 0.9\n INF-METHOD = OTRO");
    EXPECT_FLOAT_EQ(c->fraccionSensibleEquipos, 1.0f);
    EXPECT_FLOAT_EQ(c->infiltracion, 0.9f);
    EXPECT_EQ(c->metodoInfiltracion, 2);
}

TEST_F(CondicionesOperacionalesTest, HorarioDesconocidoEsFatal) {
    testing::internal::CaptureStderr();
    EXPECT_THROW(leer(" EQUIP-SCHEDULE = \"NINGUNO\""), ErrorFatal);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Se ha producido un error: No se encuentra: \"NINGUNO\"\n");
}

} // namespace
