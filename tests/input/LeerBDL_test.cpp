#include "input/LeerBDL.h"

#include <gtest/gtest.h>
#include <random>

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

TEST(LeerBDLListas, StringListEndsOnlyAtAClosingParenthesisRightAfterAQuote) {
    std::vector<std::string> s;
    // ")" two characters after the closing quote ends the list.
    EXPECT_EQ(de(" N = ( \"A\", \"B\" )\n M = \"C\"\n")->dameListaCadenas("N", s), 2);
    // Written on the next line, it stands four characters after: the reading goes on.
    EXPECT_EQ(de(" N = ( \"A\", \"B\"\n)\n M = \"C\"\n")->dameListaCadenas("N", s), 3);
    EXPECT_EQ(s[2], "\"C\"");
}

TEST(LeerBDLListas, DameValoresRepeatsAndShortLists) {
    std::vector<float> v;
    EXPECT_EQ(de(" VALUES = ( 1, &D, 3 )")->dameValores("VALUES", 5, v), 0);
    EXPECT_EQ(v, (std::vector<float>{1, 1, 3, 3, 3}));
    EXPECT_EQ(de(" VALUES = (0.5, &d)")->dameValores("VALUES", 24, v), 0);
    EXPECT_EQ(v, std::vector<float>(24, 0.5f));
}

TEST(LeerBDLListas, FirstRepeatMarkerEndsTheRunThroughTheLogOnly) {
    // No message box (nothing on standard error): the message only ends the open error log.
    DirectorioTemporal dir;
    HubDePrueba hub(dir.fichero("Error.log"));
    hub.global().leerParametros(*de(" START-DAY = 1\n"), dir.fichero("res.txt"));
    std::vector<float> v;
    int codigo = 0;
    ::testing::internal::CaptureStderr();
    try {
        de(" VALUES = ( &D, 1 )")->dameValores("VALUES", 24, v);
    } catch (const ErrorFatal& e) {
        codigo = e.codigo();
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(codigo, 3);
    EXPECT_EQ(leerFichero(dir.fichero("Error.log")), "El schedule VALUES esta mal definido");
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
    // Without a second list after the first, the one after "V1" is read.
    auto r = de(" \"P\" = POLYGON\n V1 = ( 7, 8 )\n..\n OTRO\n P = ( 1, 2 )\n");
    EXPECT_EQ(r->dameDosListas("P =", 2, a, b), 0);
    EXPECT_EQ(a, (std::vector<float>{1, 2}));
    EXPECT_EQ(b, (std::vector<float>{7, 8}));
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

TEST(LeerBDLCarga, EachFileOfATwoFileReaderIsNormalisedOnItsOwn) {
    DirectorioTemporal dir;
    std::string e = dir.escribir("e.bdl", "A = 1 ");
    std::string c = dir.escribir("c.bdc", " B = 2");
    EXPECT_STREQ(LeerBDL(e, c).texto(), "A = 1  B = 2");
    EXPECT_STREQ(LeerBDL(dir.fichero("falta"), c).texto(), " B = 2");
}

TEST(LeerBDLObjetos, PositionZeroHidesObjectsToo) {
    // A text that starts with the quoted name, or with the type keyword, finds nothing: the
    // first occurrence stands at position 0.
    auto r = de("\"S\" = SPACE\n..\n\"S\" = SPACE\n..\n");
    EXPECT_EQ(LeerBDL::objeto(*r, "SPACE", "\"S\"")->texto(), nullptr);
    auto t = de("SPACE-X\n\"S\" = SPACE\n..\n");
    EXPECT_EQ(t->cuentaObjetos("SPACE"), 0);
    EXPECT_EQ(t->cuentaObjetosAntes(1, -1, "SPACE"), 1);
}

TEST(LeerBDLObjetos, CursorWalksTheObjectsOfARange) {
    auto r = de(kEdificio);
    int ini = 0, fin = 0;
    ASSERT_EQ(r->extensionObjeto("SPACE", "\"S2\"", ini, fin), 0);
    r->ponerCursor(ini);
    std::string n;
    ASSERT_EQ(r->siguienteObjeto(n, "WINDOW"), 0);
    EXPECT_EQ(n, "\"W2\"");
    EXPECT_GT(r->cursor(), ini);
    EXPECT_EQ(r->nombresObjetos("WINDOW"),
              (std::vector<std::string>{"\"W1\"", "\"W2\"", "\"W3\""}));
}

// Random texts made of header-like pieces: every object answer through the index equals the
// plain search.
TEST(LeerBDLObjetos, IndexAnswersEqualPlainSearch) {
    const char* piezas[] = {
        "\"A\"", "\"B\"", "\"A\"=", " = ", "= ", "SPACE", "SPACE-CONDITIONS", "WINDOW", " ",
        "\n",    "\t",    "..",     "\"",  "=",  "X",     "SET-DEFAULT FOR "};
    std::mt19937 azar(12345);
    for (int caso = 0; caso < 400; ++caso) {
        std::string s;
        int n = 1 + static_cast<int>(azar() % 40);
        for (int i = 0; i < n; ++i) s += piezas[azar() % (sizeof piezas / sizeof *piezas)];
        auto a = de(s), b = de(s);
        b->usarIndice(false);
        for (const char* tipo : {"SPACE", "SPACE ", "WINDOW", "SPACE-CONDITIONS"}) {
            ASSERT_EQ(a->cuentaObjetos(tipo), b->cuentaObjetos(tipo)) << s;
            ASSERT_EQ(a->cuentaObjetosAntes(3, 20, tipo), b->cuentaObjetosAntes(3, 20, tipo)) << s;
            ASSERT_EQ(a->nombresObjetos(tipo), b->nombresObjetos(tipo)) << s;
            for (const char* nombre : {"\"A\"", "\"B\""}) {
                auto oa = LeerBDL::objeto(*a, tipo, nombre), ob = LeerBDL::objeto(*b, tipo, nombre);
                ASSERT_EQ(oa->texto() == nullptr, ob->texto() == nullptr) << s;
                if (oa->texto()) {
                    ASSERT_STREQ(oa->texto(), ob->texto()) << s;
                }
                int i1 = 0, f1 = 0, i2 = 0, f2 = 0;
                ASSERT_EQ(a->extensionObjeto2(tipo, "WINDOW", nombre, i1, f1),
                          b->extensionObjeto2(tipo, "WINDOW", nombre, i2, f2));
                ASSERT_EQ(i1, i2) << s;
                ASSERT_EQ(f1, f2) << s;
            }
        }
    }
}

// The shipped catalogue: every layer set names existing materials, every construction an
// existing layer set, every glazing a conductance the default films accept.
TEST(LeerBDLCatalogo, ShippedCatalogueIsConsistent) {
    LeerBDL r(std::string(ENVOLVENTE_FUENTES) + "/examples/lib/BDCatalogo.bdc");
    ASSERT_NE(r.texto(), nullptr);
    EXPECT_GT(r.cuentaObjetos("MATERIAL"), 15);
    for (const std::string& capas : r.nombresObjetos("LAYERS")) {
        auto o = LeerBDL::objeto(r, "LAYERS", capas);
        std::vector<std::string> materiales;
        int n = o->dameListaCadenas("MATERIAL", materiales);
        ASSERT_GT(n, 0) << capas;
        std::vector<float> espesores;
        int ne = o->dameLista("THICKNESS", espesores);
        EXPECT_TRUE(ne == -1 || ne == n) << capas;
        for (int i = 0; i < n; ++i) {
            auto m = LeerBDL::objeto(r, "MATERIAL", materiales[static_cast<std::size_t>(i)]);
            ASSERT_NE(m->texto(), nullptr) << materiales[static_cast<std::size_t>(i)];
            std::string tipo;
            ASSERT_EQ(m->dameCadena("TYPE", tipo), 0);
            float x = -1;
            if (tipo == "PROPERTIES") {
                for (const char* k : {"THICKNESS", "CONDUCTIVITY", "DENSITY", "SPECIFIC-HEAT",
                                      "VAPOUR-DIFFUSIVITY-FACTOR"}) {
                    x = -1;
                    EXPECT_EQ(m->dameReal(k, x), 0) << k;
                    EXPECT_GT(x, 0.0f) << materiales[static_cast<std::size_t>(i)] << " " << k;
                }
            } else {
                ASSERT_EQ(tipo, "RESISTANCE");
                EXPECT_EQ(m->dameReal("RESISTANCE", x), 0);
                EXPECT_GT(x, 0.1f);
                EXPECT_LT(x, 0.3f);
            }
        }
    }
    for (const std::string& c : r.nombresObjetos("CONSTRUCTION")) {
        auto o = LeerBDL::objeto(r, "CONSTRUCTION", c);
        std::string tipo, capas;
        ASSERT_EQ(o->dameCadena(" TYPE ", tipo), 0);
        float u = 0;
        if (tipo == "LAYERS") {
            ASSERT_EQ(o->dameCadena("LAYERS =", capas), 0);
            EXPECT_NE(LeerBDL::objeto(r, "LAYERS", capas)->texto(), nullptr) << capas;
        } else {
            EXPECT_EQ(tipo, "U-VALUE");
            EXPECT_EQ(o->dameReal("U-VALUE =", u), 0);
            EXPECT_GT(u, 0.0f);
        }
    }
    for (const std::string& g : r.nombresObjetos("GLASS-TYPE")) {
        auto o = LeerBDL::objeto(r, "GLASS-TYPE", g);
        std::string tipo;
        ASSERT_EQ(o->dameCadena(" TYPE ", tipo), 0);
        if (tipo == "GLASS-TYPE-CODE") {
            std::string codigo;
            EXPECT_EQ(o->dameCadena("GLASS-TYPE-CODE", codigo), 0);
            // The code names an entry of the sample glazing library, at its column.
            std::string biblioteca =
                leerFichero(std::string(ENVOLVENTE_FUENTES) + "/examples/lib/BDLLIB.DAT");
            std::string cabecera = "\n$LIBRARY-ENTRY GLASS-TYPES" + std::string(21, ' ') + codigo;
            EXPECT_NE(biblioteca.find(cabecera), std::string::npos) << codigo;
            continue;
        }
        float sc = 0, k = 0;
        EXPECT_EQ(o->dameReal("SHADING-COEF ", sc), 0);
        EXPECT_EQ(o->dameReal("GLASS-CONDUCTANCE", k), 0);
        EXPECT_GT(sc, 0.0f);
        EXPECT_LE(k, 1.0f / (0.04f + 1.0f / 7.7f)); // 5.89: the glass resistance stays >= 0
    }
}

} // namespace
