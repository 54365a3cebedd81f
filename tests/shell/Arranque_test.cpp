#include "shell/Arranque.h"

#include <gtest/gtest.h>

namespace {

TEST(ArranqueDivision, ComasBlancosInicialesYTokensVacios) {
    auto t = Arranque::dividir("a.bdl, clima.txt,D3,,  x y ,");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0], "a.bdl");
    EXPECT_EQ(t[1], "clima.txt");
    EXPECT_EQ(t[2], "D3");
    EXPECT_EQ(t[3], "");
    EXPECT_EQ(t[4], "x y "); // blanks inside and after a token are kept
    EXPECT_EQ(t[5], "");
}

TEST(ArranqueDivision, Hasta250Tokens) {
    std::string linea(400, ',');
    EXPECT_EQ(Arranque::dividir(linea).size(), 250u);
    EXPECT_EQ(Arranque::dividir("sin comas").size(), 1u);
}

TEST(ArranqueArgumentos, DefectosSoloConSeisTokens) {
    auto a = Arranque::argumentos(Arranque::dividir("1,2,3,4,5"));
    EXPECT_EQ(a[4], "5");
    EXPECT_EQ(a[5], "defectos.inp");
    a = Arranque::argumentos(Arranque::dividir("1,2,3,4,5,,7,8"));
    EXPECT_EQ(a[5], ""); // an empty sixth token empties the defaults name
    a = Arranque::argumentos(Arranque::dividir("1, 2,3"));
    EXPECT_EQ(a[1], "2");
    EXPECT_EQ(a[3], "");
    EXPECT_EQ(a[4], "");
    EXPECT_EQ(a[5], "defectos.inp");
}

} // namespace
