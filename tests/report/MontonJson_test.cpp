#include "report/MontonJson.h"

#include <gtest/gtest.h>

#include "report/JsonInforme.h"

namespace {

// Inside a zone the report's values come from the heap, and its memory serves the next zone
// again; values made during a pause come from the general allocator and outlive the zone.
TEST(MontonJson, ZonasReutilizanYLasPausasPerduran) {
    MontonJson& m = MontonJson::instancia();
    const void* primera = nullptr;
    Json fuera;
    {
        MontonJson::Zona zona;
        Json j = Json::array({1, 2, 3});
        primera = &j.get_ref<Json::array_t&>()[0];
        EXPECT_TRUE(m.contiene(primera));
        {
            MontonJson::Pausa pausa;
            fuera = JsonInforme::texto(std::string(100, 'x'));
            EXPECT_FALSE(m.activo());
        }
        EXPECT_TRUE(m.activo());
        EXPECT_FALSE(m.contiene(&fuera.get_ref<Json::string_t&>()));
    }
    EXPECT_FALSE(m.activo());
    {
        MontonJson::Zona zona;
        Json j = Json::array({4, 5, 6});
        EXPECT_EQ(&j.get_ref<Json::array_t&>()[0], primera); // the same memory again
        // A value larger than a block gets a block of its own.
        Json grande = JsonInforme::texto(std::string(2 * MontonJson::kBloque, 'y'));
        EXPECT_EQ(grande.dump().size(), 2 * MontonJson::kBloque + 2);
    }
    EXPECT_EQ(fuera.get_ref<Json::string_t&>().size(), 100u);
}

} // namespace
