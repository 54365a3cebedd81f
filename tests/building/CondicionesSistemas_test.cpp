#include "building/CondicionesSistemas.h"

#include <gtest/gtest.h>
#include <sstream>

#include "building/EntornoCondiciones.h"

namespace {

struct CondicionesSistemasTest : EntornoCondiciones {
    std::unique_ptr<CondicionesSistemas> leer(const std::string& cuerpo) {
        return EntornoCondiciones::leer<CondicionesSistemas>(
            "\"S\" = SYSTEM-CONDITIONS " + cuerpo + " ..\n", "SYSTEM-CONDITIONS", "\"S\"");
    }
};

TEST_F(CondicionesSistemasTest, MetodoYRecuperacion) {
    std::istringstream palabras("ZONAL-MODEL FULLY-MIXED-FREE-COOLING FULLY-MIXED-PDEC "
                                "SISTEMA-IDEAL-PDEC FULLY-MIXED SISTEMA-IDEAL "
                                "FULLY-MIXED-AIR-RADIATOR SISTEMA-IDEAL-AIR-RADIATOR");
    std::string p;
    for (int i = 0; palabras >> p; ++i) EXPECT_EQ(CondicionesSistemas::metodoDe(p), i) << p;
    EXPECT_EQ(CondicionesSistemas::metodoDe("sistema-ideal"), -1);

    auto s = leer("ZONAL-ZONE-METHOD = SISTEMA-IDEAL-PDEC RECOV-KW = 2.5 OUTSIDE-AIR-FLOW = 6"
                  " OA-CONTROL = ENTHALPY");
    EXPECT_EQ(s->metodo, 3);
    EXPECT_FLOAT_EQ(s->potenciaRecuperacion, 2500.0f);
    EXPECT_FLOAT_EQ(s->caudalAireExterior, 6.0f * 0.00033333333f);
    EXPECT_EQ(s->controlEntalpia, 0); // only for method 1
    EXPECT_EQ(leer("ZONAL-ZONE-METHOD = SISTEMA-REAL")->metodo, 5);
    s = leer("ZONAL-ZONE-METHOD = FULLY-MIXED-FREE-COOLING OA-CONTROL = ENTHALPY");
    EXPECT_EQ(s->controlEntalpia, 1);
    EXPECT_EQ(CondicionesSistemas().metodo, 5); // no entry
}

} // namespace
