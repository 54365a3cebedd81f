#include "input/LeerBDL.h"

#include <gtest/gtest.h>
#include <random>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

namespace {

std::unique_ptr<LeerBDL> de(const std::string& s) {
    return LeerBDL::desdeTexto(s);
}

// What a lookup answers and leaves in a variable that held -7 before.
using P = std::pair<int, float>;
P real(const LeerBDL& r, const std::string& clave) {
    float v = -7;
    int c = r.dameReal(clave, v);
    return {c, v};
}
std::string texto(const std::unique_ptr<LeerBDL>& r) {
    return r->texto() ? r->texto() : "-";
}

TEST(LeerBDLCarga, LineEndsGetBlanksAroundAndBlankRunsShrink) {
    const char* entradas[] = {"XA   =   1\nB = 2", "a \nb", "\n\n", "a\tb", "a\r\nb", "a\rb",
                              "a\r\r\nb"};
    const char* normalizados[] = {"XA = 1 \n B = 2", "a  \n b", " \n  \n ",  "a\tb",
                                  "a \n b",          "a \n b",  "a \n  \n b"};
    for (int i = 0; i < 7; ++i) EXPECT_STREQ(de(entradas[i])->texto(), normalizados[i]) << i;
}

TEST(LeerBDLCarga, FilesAndTwoFileReaders) {
    DirectorioTemporal dir;
    // A file made only of line ends triples in size: it must load whole.
    EXPECT_EQ(LeerBDL(dir.escribir("f.inp", std::string(1000, '\n'))).longitud(), 3000);
    EXPECT_EQ(real(LeerBDL(dir.fichero("no-existe.inp")), "A").first, -1);
    // Building file then catalogue, each normalised on its own and joined as they are: the
    // earlier piece wins.
    std::string e = dir.escribir("e.bdl", " K = 1\n\"M\" = MATERIAL\n COND = 0.5\n..\n ");
    std::string c = dir.escribir("c.bdc", " K = 2\n SOLO = 3\n\"M\" = MATERIAL\n COND = 9\n..\n");
    const std::string catalogo = " K = 2 \n SOLO = 3 \n \"M\" = MATERIAL \n COND = 9 \n .. \n ";
    LeerBDL r(e, c);
    EXPECT_EQ(r.texto(), " K = 1 \n \"M\" = MATERIAL \n COND = 0.5 \n .. \n " + catalogo);
    EXPECT_EQ(real(r, "K"), P(0, 1));
    EXPECT_EQ(real(r, "SOLO"), P(0, 3));
    EXPECT_EQ(real(*LeerBDL::objeto(r, "MATERIAL", "\"M\""), "COND"), P(0, 0.5f));
    EXPECT_EQ(LeerBDL(dir.fichero("falta"), c).texto(), catalogo);
}

TEST(LeerBDLValores, ScalarsPrefixKeysAndPositionZero) {
    auto r = de(" REAL = 2.5e1\n MAL = abc\n HCINT-HOR = 5\n HCINT = 3\n"
                " Q = \"A B\"\n W = YES NO\n");
    int i = -7;
    EXPECT_EQ(r->dameEntero("REAL", i), 0);
    EXPECT_EQ(i, 2); // "%d" stops at the decimal point
    EXPECT_EQ(real(*r, "REAL"), P(0, 25));
    EXPECT_EQ(real(*r, "MAL"), P(0, -7)); // present but not a number: unchanged
    EXPECT_EQ(real(*r, "FALTA"), P(-1, -7));
    // A key that is a prefix of a longer one standing earlier finds the longer one.
    EXPECT_EQ(real(*r, "HCINT"), P(0, 5));
    EXPECT_EQ(real(*r, "HCINT ="), P(0, 3));
    std::string q, w, z = "-7";
    EXPECT_EQ(r->dameCadena("Q", q) + r->dameCadena("W", w), 0);
    EXPECT_EQ(q + "|" + w, "\"A B\"|YES"); // quotes kept; a bare word ends at a blank
    EXPECT_EQ(r->dameCadena("Z", z), -1);
    // Position 0 means not found, and the first occurrence hides the later ones.
    auto cero = de("A = 1 A = 2");
    EXPECT_EQ(std::make_pair(cero->buscar("A", 0), cero->buscar("A", 1)), std::make_pair(0, 6));
    EXPECT_EQ(real(*cero, "A").first, -1);
}

TEST(LeerBDLListas, EveryListReader) {
    auto r = de(" L = ( 1, 2.5 ,3 )\n N = ( \"A\", \"B C\")\n X = 1\n");
    std::vector<float> v;
    EXPECT_EQ(r->dameLista("L", v), 3);
    EXPECT_EQ(v, (std::vector<float>{1, 2.5f, 3}));
    EXPECT_EQ(r->dameLista("FALTA", v), -1);
    std::vector<float> w{9, 9, 9, 9}; // a short list keeps the tail of a longer vector
    EXPECT_EQ(de(" L = (1,2)")->dameLista("L", w), 2);
    EXPECT_EQ(w, (std::vector<float>{1, 2, 9, 9}));
    std::vector<std::string> s;
    EXPECT_EQ(r->dameListaCadenas("N", s), 2);
    EXPECT_EQ(s, (std::vector<std::string>{"\"A\"", "\"B C\""}));
    // The list ends at a ")" fewer than three characters after a closing quote; on the next
    // line it stands further away and the reading goes on.
    EXPECT_EQ(de(" N = ( \"A\", \"B\"\n)\n M = \"C\"\n")->dameListaCadenas("N", s), 3);
    // "&D" repeats the previous value; when the commas run out the last value repeats.
    EXPECT_EQ(de(" VALUES = ( 1, &D, 3 )")->dameValores("VALUES", 5, v), 0);
    EXPECT_EQ(v, (std::vector<float>{1, 1, 3, 3, 3}));
    // dameListaValores: "&D" gives -1; with no comma inside the list but one later in the
    // text, two values, the second read after that later comma.
    EXPECT_EQ(de(" L = ( 1, &D, 4 )")->dameListaValores("L", v), 3);
    EXPECT_EQ(std::vector<float>(v.begin(), v.begin() + 3), (std::vector<float>{1, -1, 4}));
    EXPECT_EQ(de(" L = ( 7 ) M = ( 8, 9 )")->dameListaValores("L", v), 2);
    EXPECT_EQ(v[1], 9.0f);
    std::vector<float> a, b;
    EXPECT_EQ(de(" P = ( 1, 2 ) ( 3, 4 )")->dameDosListas("P", 2, a, b), 0);
    EXPECT_EQ(b, (std::vector<float>{3, 4}));
    // Without a second list after the first, the one after "V1" is read.
    auto p = de(" \"P\" = POLYGON\n V1 = ( 7, 8 )\n V2 = ( 5.5, -4 )\n..\n P = ( 1, 2 )\n");
    EXPECT_EQ(p->dameDosListas("P =", 2, a, b), 0);
    EXPECT_EQ(b, (std::vector<float>{7, 8}));
    EXPECT_EQ(p->numeroVertices(), 3); // every "(" after "V1"
    std::vector<std::pair<float, float>> vs;
    p->dameVertices(vs, 2);
    EXPECT_EQ(vs, (std::vector<std::pair<float, float>>{{7, 8}, {5.5f, -4}}));
}

TEST(LeerBDLListas, FirstRepeatMarkerEndsTheRunWithTheScheduleMessage) {
    std::vector<float> v;
    EXPECT_EQ(mensajeFatal([&] { de(" VALUES = ( &D, 1 )")->dameValores("VALUES", 24, v); }),
              "El schedule VALUES esta mal definido");
}

const char* const kEdificio =
    " $ edificio\n\"S1\" = SPACE\n AREA = 20\n..\n\"C1\" = SPACE-CONDITIONS\n TEMP = 20\n..\n"
    "\"M1\" = EXTERIOR-WALL\n..\n\"W1\" = WINDOW\n..\n\"S2\" = SPACE\n V1 = ( 1, 1 )\n..\n"
    "\"W2\" = WINDOW\n..\n\"W3\" = WINDOW\n..\nSET-DEFAULT FOR SPACE-CONDITIONS\n AREA = 99\n..\n"
    "SET-DEFAULT FOR SPACE\n AREA = 10\n HEIGHT = 3\n..\n";

TEST(LeerBDLObjetos, SetDefaultBlockIsAppendedAndTheObjectWins) {
    auto r = de(kEdificio);
    auto s1 = LeerBDL::objeto(*r, "SPACE", "\"S1\"");
    EXPECT_EQ(real(*s1, "AREA"), P(0, 20));
    EXPECT_EQ(real(*s1, "HEIGHT"), P(0, 3));
    EXPECT_EQ(real(*LeerBDL::objeto(*r, "SPACE ", "\"S2\""), "AREA"), P(0, 10));
    EXPECT_EQ(texto(LeerBDL::objeto(*r, "SPACE", "\"C1\"")), "-");
    // A quoted name occurring earlier outside a header is skipped there.
    auto o = de(" \"W\" = WINDOW\n SPACE = \"S\"\n..\n\"S\" = SPACE\n AREA = 5\n..\n");
    EXPECT_EQ(real(*LeerBDL::objeto(*o, "SPACE", "\"S\""), "AREA"), P(0, 5));
}

TEST(LeerBDLObjetos, WholeKeywordTypesIterationAndExtents) {
    auto r = de(kEdificio);
    const std::string t = r->texto();
    auto en = [&](const char* n) { return static_cast<int>(t.find(n)); };
    for (bool indice : {true, false}) {
        r->usarIndice(indice);
        EXPECT_EQ(r->cuentaObjetos("SPACE") + r->cuentaObjetos("SPACE "), 4); // never S-CONDITIONS
        EXPECT_EQ(r->cuentaObjetos("SPACE-CONDITIONS"), 1);
        r->inicioObjetos();
        std::string n, a, b;
        EXPECT_EQ(std::vector<int>({r->siguienteObjeto(a, "SPACE"), r->siguienteObjeto(b, "SPACE"),
                                    r->siguienteObjeto(n, "SPACE")}),
                  std::vector<int>({0, 0, -1}));
        EXPECT_EQ(a + b, "\"S1\"\"S2\"");
        // Extents run to the next object of the type (or of either type); -1 for the last.
        int ini = 0, fin = 0;
        r->extensionObjeto("SPACE", "\"S1\"", ini, fin);
        EXPECT_EQ(std::vector<int>({ini, fin, r->cuentaObjetosAntes(ini, fin, "WINDOW")}),
                  std::vector<int>({en("\"S1\""), en("\"S2\""), 1}));
        r->extensionObjeto2("SPACE", "EXTERIOR-WALL", "\"S1\"", ini, fin);
        EXPECT_EQ(fin, en("\"M1\""));
        r->extensionObjeto("SPACE", "\"S2\"", ini, fin);
        EXPECT_EQ(fin, -1);
    }
    EXPECT_EQ(r->nombresObjetos("WINDOW"),
              (std::vector<std::string>{"\"W1\"", "\"W2\"", "\"W3\""}));
    // A text starting with the quoted name or the type keyword finds nothing from position 0.
    EXPECT_EQ(
        texto(LeerBDL::objeto(*de("\"S\" = SPACE\n..\n\"S\" = SPACE\n..\n"), "SPACE", "\"S\"")),
        "-");
    EXPECT_EQ(de("SPACE-X\n\"S\" = SPACE\n..\n")->cuentaObjetos("SPACE"), 0);
}

// Everything the object questions answer about a text, as one string.
std::string respuestas(const LeerBDL& r) {
    std::string o;
    for (const char* tipo : {"SPACE", "SPACE ", "WINDOW", "SPACE-CONDITIONS"}) {
        o += std::to_string(r.cuentaObjetos(tipo)) +
             std::to_string(r.cuentaObjetosAntes(3, 20, tipo));
        for (const std::string& n : r.nombresObjetos(tipo)) o += n + ",";
        for (const char* nombre : {"\"A\"", "\"B\""}) {
            int i = 0, f = 0;
            r.extensionObjeto2(tipo, "WINDOW", nombre, i, f);
            o += texto(LeerBDL::objeto(r, tipo, nombre)) + std::to_string(i) + "," +
                 std::to_string(f) + ";";
        }
    }
    return o;
}

// Random texts made of header-like pieces: the index answers as the plain search does.
TEST(LeerBDLObjetos, IndexAnswersEqualPlainSearch) {
    const char* piezas[] = {
        "\"A\"", "\"B\"", "\"A\"=", " = ", "= ", "SPACE", "SPACE-CONDITIONS", "WINDOW", " ",
        "\n",    "\t",    "..",     "\"",  "=",  "X",     "SET-DEFAULT FOR "};
    std::mt19937 azar(12345);
    for (int caso = 0; caso < 400; ++caso) {
        std::string s;
        for (int i = 1 + static_cast<int>(azar() % 40); i > 0; --i) s += piezas[azar() % 16];
        auto a = de(s), b = de(s);
        b->usarIndice(false);
        ASSERT_EQ(respuestas(*a), respuestas(*b)) << s;
    }
}

TEST(LeerBDLLibreria, EntryAtItsColumns) {
    DirectorioTemporal dir;
    auto cabecera = [](std::string nombre) { // group at column 16, name 48, type 64
        return "$LIBRARY-ENTRY GLASS-TYPE" + std::string(22, ' ') + nombre +
               std::string(16 - nombre.size(), ' ') + "GLASS-TYPE-CODE\n";
    };
    dir.escribir("LIB.DAT", cabecera("1000") + " U = 5.0\n..\n" + cabecera("2000") +
                                " U = 2.8\r\n K = 1\r\n..\r\n $LIBRARY-ENTRY mal alineada 3000\n");
    Directorios::instancia().registrar("Lib", dir.ruta() + "/");
    auto e = LeerBDL::entradaLibreria("LIB.DAT", "2000", "GLASS-TYPE-CODE", "GLASS-TYPE");
    EXPECT_EQ(real(*e, "U"), P(0, 2.8f));
    EXPECT_EQ(texto(e).find('\n'), std::string::npos); // lines joined
    EXPECT_EQ(LeerBDL::entradaLibreria("LIB.DAT", "3000", "", "GLASS-TYPE")->texto(), nullptr);
    EXPECT_NE(LeerBDL::entradaLibreria("LIB.DAT", "1000", "", "GLASS-TYPE")->texto(), nullptr);
    {
        HubDePrueba hub;
        EXPECT_EQ(mensajeFatal([] { LeerBDL::entradaLibreria("NOHAY.DAT", "1", "", "G"); }),
                  "Edificio mal definido. No se encuentra: NOHAY.DAT");
    }
    Directorios::liberar();
}

// Every position maps back to the file and line it was loaded from: line ends of every kind,
// the catalogue after the building file, an object cut out with its type defaults, a block, a
// library entry made of joined lines, and a sub-reader that outlives the reader it was cut from.
TEST(LeerBDLLugares, EveryPositionMapsBackToItsFileAndLine) {
    DirectorioTemporal dir;
    const std::string e = dir.escribir("e.bdl", "K = 1\r\n\"M\" = MATERIAL\rCOND = 0.5\n..\n"
                                                "SET-DEFAULT FOR MATERIAL\n\n DENS = 7\n..\n");
    const std::string c = dir.escribir("c.bdc", "\n\"N\" = MATERIAL\n COND = 9\n RHO = 3\n..\n");
    LeerBDL r(e, c);
    auto m = LeerBDL::objeto(r, "MATERIAL", "\"M\"");
    auto n = LeerBDL::objeto(r, "MATERIAL", "\"N\"");
    bool hay = false;
    auto b = LeerBDL::bloque(r, "SET-DEFAULT", hay);
    auto en = [](const LeerBDL& l, const std::string& clave) {
        return l.lugar(l.buscar(clave, 0)).texto();
    };
    const std::vector<std::pair<std::string, std::string>> casos = {
        {en(r, "= 1"), e + ":1"},
        {en(r, "COND = 0.5"), e + ":3"},
        {en(r, "DENS"), e + ":7"},
        {en(r, "RHO"), c + ":4"},
        {en(*m, "\"M\""), e + ":2"},
        {en(*m, "COND"), e + ":3"},
        {en(*m, "DENS"), e + ":7"},
        {en(*n, "COND"), c + ":3"},
        {en(*n, "DENS"), e + ":7"},
        {en(*b, "DENS"), e + ":7"},
        {r.lugar(r.longitud()).texto(), c + ":6"},
    };
    for (const auto& caso : casos) EXPECT_EQ(caso.first, caso.second);
    EXPECT_FALSE(r.lugar(-1).conocido());
    EXPECT_FALSE(LeerBDL().lugar(0).conocido());
    EXPECT_EQ(m->longitudPropia(), m->buscar("SET-DEFAULT", 0));

    // A sub-reader keeps its places when the reader it was cut from is gone.
    std::unique_ptr<LeerBDL> suelto;
    {
        auto raiz = LeerBDL::desdeTexto("\n\n\"P\" = POLYGON\n V1 = ( 0, 0 )\n..\n", "p.bdl");
        suelto = LeerBDL::objeto(*raiz, "POLYGON", "\"P\"");
    }
    EXPECT_EQ(en(*suelto, "V1"), "p.bdl:4");

    // A library entry: its lines are joined, each keeps the line it was read from.
    dir.escribir("LIB.DAT", "$ biblioteca\r\n$LIBRARY-ENTRY G" + std::string(31, ' ') + "2000\r\n" +
                                " U = 2.8\r\n\r\n K = 1\r\n..\r\n");
    Directorios::instancia().registrar("Lib", dir.ruta() + "/");
    auto lib = LeerBDL::entradaLibreria("LIB.DAT", "2000", "", "G");
    ASSERT_NE(lib->texto(), nullptr);
    EXPECT_EQ(en(*lib, "U ="), dir.fichero("LIB.DAT") + ":3");
    EXPECT_EQ(en(*lib, "K ="), dir.fichero("LIB.DAT") + ":5");
    Directorios::liberar();
}

} // namespace
