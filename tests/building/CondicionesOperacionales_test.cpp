#include "building/CondicionesOperacionales.h"

#include <gtest/gtest.h>

#include "building/EntornoCondiciones.h"

namespace {

// A space-conditions object "C" in a building whose schedule "UNO" is 1.
struct CondicionesOperacionalesTest : EntornoCondiciones {
    std::unique_ptr<CondicionesOperacionales> leer(const std::string& cuerpo) {
        return EntornoCondiciones::leer<CondicionesOperacionales>(
            "\"D-UNO\" = DAY-SCHEDULE-PD VALUES = ( 1 ) ..\n"
            "\"S-UNO\" = WEEK-SCHEDULE-PD DAY-SCHEDULES = ( \"D-UNO\" ) ..\n"
            "\"UNO\" = SCHEDULE-PD WEEK-SCHEDULES = ( \"S-UNO\" ) MONTH = ( 12 ) DAY = ( 31 ) ..\n"
            "\"C\" = SPACE-CONDITIONS " +
                cuerpo + " ..\n",
            "SPACE-CONDITIONS", "\"C\"");
    }
};

const float kCuota = 3.0f / (3.0f + 4.7f);

TEST_F(CondicionesOperacionalesTest, ValoresPorDefecto) {
    auto c = leer(" LIGHTING-TYPE = SUS-FLUOR");
    CondicionesOperacionales defecto;
    EXPECT_EQ(defecto.nombre, "SIN-FUENTES-INTERNAS-POR-DEFECTO");
    for (const CondicionesOperacionales* x : {c.get(), &defecto}) {
        ASSERT_EQ(x->horas(), 24);
        EXPECT_TRUE(x->temperatura[23] == 22.0f && x->humedad[23] == 0.5f);
        EXPECT_FLOAT_EQ(x->repartoEquipos, kCuota);
        EXPECT_TRUE(x->pesoMobiliario == 40.0f && x->metodoInfiltracion == 2);
    }
}

TEST_F(CondicionesOperacionalesTest, SinPersonasYFracciones) {
    // Without NUMBER-OF-PEOPLE or AREA/PERSON, or without PEOPLE-HG-SENS: no people at all.
    for (const char* sin : {" PEOPLE-HG-SENS = 70", " AREA/PERSON = 10"}) {
        auto c = leer(std::string(sin) + " PEOPLE-HG-LAT = 50 PEOPLE-SCHEDULE = \"UNO\"");
        EXPECT_FLOAT_EQ(c->ocupantesSensible[3] + c->gananciaLatente[3], 0.0f) << sin;
    }
    auto c =
        leer(" AREA/PERSON = 10 PEOPLE-HG-SENS = 70 PEOPLE-HG-LAT = 50 PEOPLE-SCHEDULE = \"UNO\""
             " EQUIP-SENSIBLE = 0.7 EQUIPMENT-KW = 2");
    EXPECT_TRUE(c->ocupantesSensible[3] == 7.0f && c->gananciaLatente[3] == 5.0f);
    EXPECT_FLOAT_EQ(c->fraccionSensibleEquipos, 1.0f); // no EQUIP-LATENT
    EXPECT_FLOAT_EQ(c->potenciaEquipos, 0.002f);
    c = leer(" EQUIPMENT-SENSIBLE = 0.6 EQUIP-LATENT = 1 LIGHTING-KW = 3"
             " LIGHTING-TYPE = REC-FLUOR-RSV INF-METHOD = CRACK-AIR-CHANGE");
    EXPECT_FLOAT_EQ(c->fraccionLatenteEquipos, 1.0f - 0.6f);
    EXPECT_FLOAT_EQ(c->potenciaIluminacion, 0.003f * 0.8f);
    EXPECT_EQ(c->metodoInfiltracion, 1);
    c = leer(" EQUIP-SENSIBLE = 1.4 EQUIP-LATENT = 0 INF-FLOW/AREA = 0.9 INF-METHOD = OTRO");
    EXPECT_FLOAT_EQ(c->fraccionSensibleEquipos, 1.0f);
    EXPECT_TRUE(c->infiltracion == 0.9f && c->metodoInfiltracion == 2);
}

TEST_F(CondicionesOperacionalesTest, HorarioDesconocidoEsFatal) {
    EXPECT_EQ(mensajeFatal([&] { leer(" EQUIP-SCHEDULE = \"NINGUNO\""); }),
              "No se encuentra: \"NINGUNO\"");
}

} // namespace
