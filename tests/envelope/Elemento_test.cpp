#include "envelope/Elemento.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

namespace {
class ElementoDePrueba : public Elemento {};
} // namespace

TEST(Elemento, TablaDePuentesDeLosDefectos) {
    EntornoEnvolvente e;
    e.defectos().puentes.resize(2);
    e.defectos().puentes[0].ttl = 0.5f;
    e.defectos().puentes[0].frsi = 0.7f;
    e.defectos().puentes[1].ttl = 0.2f;
    e.defectos().puentes[1].frsi = 0.9f;
    ElementoDePrueba el;
    // One row per type, with its TTL and FRSI, plus the closing row (0, 1.0, 0).
    ASSERT_EQ(el.puentes.size(), 3u);
    EXPECT_FLOAT_EQ(el.puentes[0].ttl, 0.5f);
    EXPECT_FLOAT_EQ(el.puentes[0].frsi, 0.7f);
    EXPECT_FLOAT_EQ(el.puentes[1].frsi, 0.9f);
    EXPECT_FLOAT_EQ(el.puentes[0].longitud, 0.0f);
    EXPECT_FLOAT_EQ(el.puentes[2].ttl, 0.0f);
    EXPECT_FLOAT_EQ(el.puentes[2].frsi, 1.0f);
    EXPECT_FLOAT_EQ(el.puentes[2].longitud, 0.0f);
}

TEST(Elemento, AnadirPuente) {
    EntornoEnvolvente e;
    e.defectos().puentes.resize(1);
    ElementoDePrueba el;
    // (0 x 0 + 0.6 x 0.5 x 2) / 2 = 0.3, then (0.3 x 2 + 0.2 x 1 x 2) / 4 = 0.25.
    el.anadirPuente(0, 0.6f, 0.8f, 2.0f, 0.5f);
    EXPECT_FLOAT_EQ(el.puentes[0].ttl, 0.3f);
    EXPECT_FLOAT_EQ(el.puentes[0].longitud, 2.0f);
    EXPECT_FLOAT_EQ(el.puentes[0].frsi, 0.8f);
    el.anadirPuente(0, 0.2f, 0.75f, 2.0f, 1.0f);
    EXPECT_FLOAT_EQ(el.puentes[0].ttl, 0.25f);
    EXPECT_FLOAT_EQ(el.puentes[0].frsi, 0.75f);
    // Bridges of no type (or of a type out of range) go to the closing row only.
    el.anadirPuente(-1, 0.9f, 0.1f, 3.0f, 1.0f);
    el.anadirPuente(5, 0.9f, 0.1f, 1.5f, 1.0f);
    EXPECT_FLOAT_EQ(el.puentes[1].longitud, 4.5f);
    EXPECT_FLOAT_EQ(el.puentes[1].frsi, 1.0f);
    EXPECT_FLOAT_EQ(el.puentes[1].ttl, 0.0f);
    // A zero length on an empty row leaves the TTL alone.
    ElementoDePrueba otro;
    otro.anadirPuente(0, 0.6f, 0.8f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(otro.puentes[0].ttl, 0.0f);
}

TEST(Elemento, OperacionesPorDefectoNoTocanResultados) {
    ElementoDePrueba el;
    float H = 7.0f, U = 8.0f;
    el.calcularH(H, 25.0f, 7.7f);
    el.calcularUPerimetral(U, 1.0f, 1.0f, 25.0f, 7.7f);
    EXPECT_FLOAT_EQ(H, 7.0f);
    EXPECT_FLOAT_EQ(U, 8.0f);
    EXPECT_FLOAT_EQ(el.UA(), 0.0f);
    EXPECT_FLOAT_EQ(el.profundidad(), 0.0f);
    EXPECT_FLOAT_EQ(el.permeabilidad(), 0.0f);
}
