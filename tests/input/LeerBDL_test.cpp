#include "input/LeerBDL.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "shell/Directorios.h"
#include "shell/ErrorFatal.h"

namespace {

std::unique_ptr<LeerBDL> de(const std::string& s) {
    return LeerBDL::desdeTexto(s);
}

// ------------------------------------------------------------------ loading

TEST(LeerBDLCarga, LineEndsAreSurroundedByBlanksAndBlankRunsShrink) {
    // "A   =   1\nB = 2" -> "A = 1 \n B = 2"; a blank before a line end is always added.
    EXPECT_STREQ(de("XA   =   1\nB = 2")->texto(), "XA = 1 \n B = 2");
    EXPECT_STREQ(de("a \nb")->texto(), "a  \n b");
    EXPECT_STREQ(de("\n\n")->texto(), " \n  \n ");
    EXPECT_STREQ(de("a\tb")->texto(), "a\tb");
}

TEST(LeerBDLCarga, CarriageReturnsAreLineEnds) {
    EXPECT_STREQ(de("a\r\nb")->texto(), "a \n b");
    EXPECT_STREQ(de("a\rb")->texto(), "a \n b");
    EXPECT_STREQ(de("a\r\r\nb")->texto(), "a \n  \n b");
}

TEST(LeerBDLCarga, FilesLoadNormalisedAndMissingFileHasNoText) {
    DirectorioTemporal dir;
    // A file made only of line ends triples in size: it must load whole.
    std::string ruta = dir.escribir("f.inp", std::string(1000, '\n'));
    LeerBDL r(ruta);
    ASSERT_NE(r.texto(), nullptr);
    EXPECT_EQ(r.longitud(), 3 * 1000); // " \n " per line end
    LeerBDL nada(dir.fichero("no-existe.inp"));
    EXPECT_EQ(nada.texto(), nullptr);
    float x = 7.0f;
    EXPECT_EQ(nada.dameReal("A", x), -1);
    EXPECT_EQ(nada.cuentaObjetos("SPACE"), 0);
    EXPECT_EQ(LeerBDL::objeto(nada, "SPACE", "\"S\"")->texto(), nullptr);
}

TEST(LeerBDLCarga, TwoFilesEarlierPieceWins) {
    DirectorioTemporal dir;
    std::string e = dir.escribir("e.bdl", " K = 1\n\"M\" = MATERIAL\n COND = 0.5\n..\n");
    std::string c = dir.escribir("c.bdc", " K = 2\n SOLO = 3\n\"M\" = MATERIAL\n COND = 9\n..\n");
    LeerBDL r(e, c);
    float k = 0, solo = 0, cond = 0;
    EXPECT_EQ(r.dameReal("K", k), 0);
    EXPECT_EQ(k, 1.0f);
    EXPECT_EQ(r.dameReal("SOLO", solo), 0); // only in the catalogue
    EXPECT_EQ(solo, 3.0f);
    auto m = LeerBDL::objeto(r, "MATERIAL", "\"M\"");
    EXPECT_EQ(m->dameReal("COND", cond), 0);
    EXPECT_EQ(cond, 0.5f);
    EXPECT_EQ(r.cuentaObjetos("MATERIAL"), 2);
}

// ------------------------------------------------------------------ value lookups

TEST(LeerBDLValores, NumbersAndSeparators) {
    auto r = de(" ENTERO   =   -12\n REAL = 2.5e1\n MAL = abc\n");
    int i = 0;
    float f = 0;
    EXPECT_EQ(r->dameEntero("ENTERO", i), 0);
    EXPECT_EQ(i, -12);
    EXPECT_EQ(r->dameReal("REAL", f), 0);
    EXPECT_EQ(f, 25.0f);
    f = 4.0f;
    EXPECT_EQ(r->dameReal("MAL", f), 0); // present but not a number: unchanged
    EXPECT_EQ(f, 4.0f);
    EXPECT_EQ(r->dameReal("FALTA", f), -1);
    EXPECT_EQ(r->dameEntero("REAL", i), 0); // "%d" stops at the decimal point
    EXPECT_EQ(i, 2);
}

TEST(LeerBDLValores, PrefixKeyFindsTheLongerKeyStandingEarlier) {
    auto r = de(" HCINT-HOR = 5\n HCINT = 3\n");
    float f = 0;
    r->dameReal("HCINT", f);
    EXPECT_EQ(f, 5.0f);
    r->dameReal("HCINT =", f); // with the separator it is exact
    EXPECT_EQ(f, 3.0f);
    auto bien = de(" HCINT = 3\n HCINT-HOR = 5\n");
    bien->dameReal("HCINT", f);
    EXPECT_EQ(f, 3.0f);
    bien->dameReal("HCINT-HOR", f);
    EXPECT_EQ(f, 5.0f);
}

TEST(LeerBDLValores, PositionZeroIsNeverFound) {
    auto r = de("A = 1 A = 2");
    float f = 0;
    EXPECT_EQ(r->buscar("A", 0), 0);
    EXPECT_EQ(r->dameReal("A", f), -1); // the first occurrence hides the second
    EXPECT_EQ(r->buscar("A", 1), 6);
}

TEST(LeerBDLValores, DameCadenaQuotedAndUnquoted) {
    auto r = de(" Q = \"A B\"\n W = YES NO\n");
    std::string s;
    EXPECT_EQ(r->dameCadena("Q", s), 0);
    EXPECT_EQ(s, "\"A B\"");
    EXPECT_EQ(s.size(), 5u);
    EXPECT_EQ(r->dameCadena("W", s), 0);
    EXPECT_EQ(s, "YES");
    EXPECT_EQ(r->dameCadena("Z", s), -1);
}

TEST(LeerBDLListas, DameListaAndStrings) {
    auto r = de(" L = ( 1, 2.5 ,3 )\n N = ( \"A\", \"B C\")\n X = 1\n");
    std::vector<float> v;
    EXPECT_EQ(r->dameLista("L", v), 3);
    EXPECT_EQ(v, (std::vector<float>{1, 2.5f, 3}));
    std::vector<std::string> s;
    EXPECT_EQ(r->dameListaCadenas("N", s), 2);
    EXPECT_EQ(s[0], "\"A\"");
    EXPECT_EQ(s[1], "\"B C\"");
    EXPECT_EQ(r->dameLista("FALTA", v), -1);
    // A short list read into a longer vector keeps the tail.
    std::vector<float> w{9, 9, 9, 9};
    EXPECT_EQ(de(" L = (1,2)")->dameLista("L", w), 2);
    EXPECT_EQ(w, (std::vector<float>{1, 2, 9, 9}));
}

TEST(LeerBDLListas, DameValoresRepeatsAndShortLists) {
    std::vector<float> v;
    EXPECT_EQ(de(" VALUES = ( 1, &D, 3 )")->dameValores("VALUES", 5, v), 0);
    EXPECT_EQ(v, (std::vector<float>{1, 1, 3, 3, 3}));
    EXPECT_EQ(de(" VALUES = (0.5, &d)")->dameValores("VALUES", 24, v), 0);
    EXPECT_EQ(v, std::vector<float>(24, 0.5f));
}

TEST(LeerBDLListas, FirstRepeatMarkerIsFatal) {
    DirectorioTemporal dir;
    std::string log = dir.fichero("Error.log");
    {
        HubDePrueba hub(log);
        std::vector<float> v;
        try {
            de(" VALUES = ( &D, 1 )")->dameValores("VALUES", 24, v);
            FAIL() << "sin error";
        } catch (const ErrorFatal& e) {
            EXPECT_EQ(e.codigo(), 3);
            EXPECT_EQ(e.mensaje(), "El schedule VALUES esta mal definido");
        }
    }
}

TEST(LeerBDLListas, DameListaValores) {
    std::vector<float> v;
    EXPECT_EQ(de(" L = ( 1, &D, 4 )")->dameListaValores("L", v), 3);
    EXPECT_EQ(v, (std::vector<float>{1, -1, 4}));
    // No comma inside the list but one later in the text: two values, the second read after
    // that later comma.
    EXPECT_EQ(de(" L = ( 7 ) M = ( 8, 9 )")->dameListaValores("L", v), 2);
    EXPECT_EQ(v[0], 7.0f);
    EXPECT_EQ(v[1], 9.0f);
    EXPECT_EQ(de(" L = ( 7 )")->dameListaValores("L", v), 1);
}

TEST(LeerBDLListas, DameDosListas) {
    std::vector<float> a, b;
    EXPECT_EQ(de(" P = ( 1, 2 ) ( 3, 4 )")->dameDosListas("P", 2, a, b), 0);
    EXPECT_EQ(a, (std::vector<float>{1, 2}));
    EXPECT_EQ(b, (std::vector<float>{3, 4}));
}

TEST(LeerBDLListas, Vertices) {
    auto r = de(" \"P\" = POLYGON\n V1 = ( 0, 0 )\n V2 = ( 5.5, 0 )\n V3 = ( 5.5, -4 )\n");
    EXPECT_EQ(r->numeroVertices(), 3);
    std::vector<std::pair<float, float>> v;
    r->dameVertices(v, 3);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[1], std::make_pair(5.5f, 0.0f));
    EXPECT_EQ(v[2], std::make_pair(5.5f, -4.0f));
}

// ------------------------------------------------------------------ objects

const char* const kEdificio = " $ edificio\n"
                              "\"S1\" = SPACE\n AREA = 20\n..\n"
                              "\"C1\" = SPACE-CONDITIONS\n TEMP = 20\n..\n"
                              "\"M1\" = EXTERIOR-WALL\n..\n"
                              "\"W1\" = WINDOW\n..\n"
                              "\"S2\" = SPACE\n V1 = ( 1, 1 )\n..\n"
                              "\"W2\" = WINDOW\n..\n"
                              "\"W3\" = WINDOW\n..\n"
                              "SET-DEFAULT FOR SPACE-CONDITIONS\n AREA = 99\n..\n"
                              "SET-DEFAULT FOR SPACE\n AREA = 10\n HEIGHT = 3\n..\n";

TEST(LeerBDLObjetos, SetDefaultBlockIsAppendedAndTheObjectWins) {
    auto r = de(kEdificio);
    auto s1 = LeerBDL::objeto(*r, "SPACE", "\"S1\"");
    ASSERT_NE(s1->texto(), nullptr);
    float area = 0, altura = 0;
    s1->dameReal("AREA", area);
    s1->dameReal("HEIGHT", altura);
    EXPECT_EQ(area, 20.0f);
    EXPECT_EQ(altura, 3.0f);
    auto s2 = LeerBDL::objeto(*r, "SPACE ", "\"S2\"");
    s2->dameReal("AREA", area);
    EXPECT_EQ(area, 10.0f);
    EXPECT_EQ(LeerBDL::objeto(*r, "SPACE", "\"C1\"")->texto(), nullptr);
    EXPECT_EQ(LeerBDL::objeto(*r, "SPACE", "\"NO\"")->texto(), nullptr);
}

TEST(LeerBDLObjetos, TypesAreWholeKeywords) {
    auto r = de(kEdificio);
    for (bool indice : {true, false}) {
        r->usarIndice(indice);
        EXPECT_EQ(r->cuentaObjetos("SPACE"), 2);
        EXPECT_EQ(r->cuentaObjetos("SPACE "), 2);
        EXPECT_EQ(r->cuentaObjetos("SPACE-CONDITIONS"), 1);
        EXPECT_EQ(r->cuentaObjetos("WINDOW"), 3);
        r->inicioObjetos();
        std::string n;
        EXPECT_EQ(r->siguienteObjeto(n, "SPACE"), 0);
        EXPECT_EQ(n, "\"S1\"");
        EXPECT_EQ(r->siguienteObjeto(n, "SPACE"), 0);
        EXPECT_EQ(n, "\"S2\"");
        EXPECT_EQ(r->siguienteObjeto(n, "SPACE"), -1);
    }
}

TEST(LeerBDLObjetos, ExtentsAndCountsWithin) {
    auto r = de(kEdificio);
    std::string t = r->texto();
    for (bool indice : {true, false}) {
        r->usarIndice(indice);
        int ini = 0, fin = 0;
        ASSERT_EQ(r->extensionObjeto("SPACE", "\"S1\"", ini, fin), 0);
        EXPECT_EQ(ini, static_cast<int>(t.find("\"S1\"")));
        EXPECT_EQ(fin, static_cast<int>(t.find("\"S2\"")));
        EXPECT_EQ(r->cuentaObjetosAntes(ini, fin, "WINDOW"), 1);
        ASSERT_EQ(r->extensionObjeto("SPACE", "\"S2\"", ini, fin), 0);
        EXPECT_EQ(fin, -1);
        EXPECT_EQ(r->cuentaObjetosAntes(ini, fin, "WINDOW"), 2);
        ASSERT_EQ(r->extensionObjeto2("SPACE", "EXTERIOR-WALL", "\"S1\"", ini, fin), 0);
        EXPECT_EQ(fin, static_cast<int>(t.find("\"M1\"")));
        EXPECT_EQ(r->extensionObjeto("SPACE", "\"NO\"", ini, fin), -1);
    }
}

TEST(LeerBDLObjetos, NameFoundEarlierOutsideAHeaderIsSkipped) {
    auto r = de(" \"W\" = WINDOW\n SPACE = \"S\"\n..\n\"S\" = SPACE\n AREA = 5\n..\n");
    float a = 0;
    auto s = LeerBDL::objeto(*r, "SPACE", "\"S\"");
    ASSERT_NE(s->texto(), nullptr);
    EXPECT_EQ(s->dameReal("AREA", a), 0);
    EXPECT_EQ(a, 5.0f);
}

TEST(LeerBDLObjetos, Bloque) {
    auto r = de(" X = 1\n ZONA-A\n U = 0.5\n..\n ZONA-B\n U = 0.9\n..\n");
    bool hay = false;
    auto b = LeerBDL::bloque(*r, "ZONA-B", hay);
    EXPECT_TRUE(hay);
    float u = 0;
    b->dameReal("U", u);
    EXPECT_EQ(u, 0.9f);
    auto n = LeerBDL::bloque(*r, "ZONA-C", hay);
    EXPECT_FALSE(hay);
    EXPECT_EQ(n->texto(), nullptr);
}

TEST(LeerBDLObjetos, LongObjectsAreHeldWhole) {
    std::string s = " \"S\" = SPACE\n";
    for (int i = 0; i < 2000; ++i) s += " K" + std::to_string(i) + " = " + std::to_string(i) + "\n";
    s += "..\nSET-DEFAULT FOR SPACE\n";
    for (int i = 0; i < 200; ++i) s += " D" + std::to_string(i) + " = " + std::to_string(i) + "\n";
    s += "..\n";
    auto r = de(s);
    auto o = LeerBDL::objeto(*r, "SPACE", "\"S\"");
    int k = 0;
    EXPECT_EQ(o->dameEntero("K1999", k), 0);
    EXPECT_EQ(k, 1999);
    EXPECT_EQ(o->dameEntero("D199", k), 0);
    EXPECT_EQ(k, 199);
}

// ------------------------------------------------------------------ library entries

TEST(LeerBDLLibreria, EntryAtItsColumns) {
    DirectorioTemporal dir;
    auto col = [](std::string grupo, std::string nombre, std::string tipo) {
        std::string l = "$LIBRARY-ENTRY";
        l.resize(15, ' ');
        l += grupo;
        l.resize(47, ' ');
        l += nombre;
        l.resize(63, ' ');
        l += tipo;
        return l + "\n";
    };
    std::string lib = col("GLASS-TYPE", "1000", "GLASS-TYPE-CODE") + " U = 5.0\n..\n" +
                      col("GLASS-TYPE", "2000", "GLASS-TYPE-CODE") +
                      " U = 2.8\r\n K = 1\r\n..\r\n" + " $LIBRARY-ENTRY mal alineada 3000\n";
    dir.escribir("LIB.DAT", lib);
    Directorios::instancia().registrar("Lib", dir.ruta() + "/");
    auto e = LeerBDL::entradaLibreria("LIB.DAT", "2000", "GLASS-TYPE-CODE", "GLASS-TYPE");
    ASSERT_NE(e->texto(), nullptr);
    float u = 0;
    e->dameReal("U", u);
    EXPECT_EQ(u, 2.8f);
    EXPECT_EQ(std::string(e->texto()).find('\n'), std::string::npos); // lines joined
    EXPECT_EQ(LeerBDL::entradaLibreria("LIB.DAT", "3000", "", "GLASS-TYPE")->texto(), nullptr);
    EXPECT_NE(LeerBDL::entradaLibreria("LIB.DAT", "1000", "", "GLASS-TYPE")->texto(), nullptr);
    {
        HubDePrueba hub;
        try {
            LeerBDL::entradaLibreria("NOHAY.DAT", "1", "", "G");
            FAIL();
        } catch (const ErrorFatal& e) {
            EXPECT_EQ(e.codigo(), 3);
        }
    }
    Directorios::liberar();
}

} // namespace
