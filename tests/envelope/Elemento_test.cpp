#include "envelope/Elemento.h"

#include <gtest/gtest.h>

#include "EntornoEnvolvente.h"

TEST(Elemento, TablaDePuentes) {
    EntornoEnvolvente e;
    e.defectos().puentes.resize(2);
    e.defectos().puentes[1].ttl = 0.2f;
    e.defectos().puentes[1].frsi = 0.9f;
    Elemento el;
    // One row per type with its TTL and FRSI, plus the closing row (0, 1.0, 0).
    ASSERT_EQ(el.puentes.size(), 3u);
    auto& p = el.puentes;
    EXPECT_EQ(std::vector<float>({p[1].ttl, p[1].frsi, p[2].frsi}),
              std::vector<float>({0.2f, 0.9f, 1}));
    // (0 x 0 + 0.6 x 0.5 x 2) / 2 = 0.3, then (0.3 x 2 + 0.2 x 1 x 2) / 4 = 0.25.
    el.anadirPuente(0, 0.6f, 0.8f, 2.0f, 0.5f);
    EXPECT_FLOAT_EQ(p[0].ttl, 0.3f);
    el.anadirPuente(0, 0.2f, 0.75f, 2.0f, 1.0f);
    EXPECT_EQ(std::make_pair(p[0].ttl, p[0].frsi), std::make_pair(0.25f, 0.75f));
    // Bridges of no type (or of a type out of range) lengthen the closing row only; a zero
    // length on an empty row leaves its TTL alone (no division by 0).
    el.anadirPuente(-1, 0.9f, 0.1f, 3.0f, 1.0f);
    el.anadirPuente(5, 0.9f, 0.1f, 1.5f, 1.0f);
    el.anadirPuente(1, 0.6f, 0.8f, 0.0f, 1.0f);
    EXPECT_EQ(std::vector<float>({p[2].longitud, p[2].ttl, p[1].ttl}),
              std::vector<float>({4.5f, 0, 0.2f}));
}
