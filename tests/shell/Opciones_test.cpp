#include "shell/Opciones.h"

#include <gtest/gtest.h>

#include "shell/SalidaTexto.h"

namespace {

using A = Opciones::Accion;

struct Caso {
    std::vector<std::string> argumentos;
    A accion;
    std::string cadena;
    bool posicional;
};

TEST(Opciones, FormasDeLosArgumentosDeEjecucion) {
    const Caso casos[] = {
        {{}, A::Ejecutar, "", false},
        {{""}, A::Ejecutar, "", false},
        {{"a.bdl,c.txt,D3,r.txt,l.lim"}, A::Ejecutar, "a.bdl,c.txt,D3,r.txt,l.lim", false},
        // A host's string broken at its blanks is joined again.
        {{"/mi", "casa/a.bdl,c.txt,D3,r.txt,l.lim"},
         A::Ejecutar,
         "/mi casa/a.bdl,c.txt,D3,r.txt,l.lim",
         false},
        {{"a.bdl", "c.txt", "D3", "r.txt", "l.lim"},
         A::Ejecutar,
         "a.bdl,c.txt,D3,r.txt,l.lim",
         true},
        {{"a", "c", "D3", "r", "l", "d.inp"}, A::Ejecutar, "a,c,D3,r,l,d.inp", true},
        // Four or seven separate arguments, or a comma among five, are the host's form.
        {{"a", "c", "D3", "r"}, A::Ejecutar, "a c D3 r", false},
        {{"a", "c", "D3", "r", "l", "d", "x"}, A::Ejecutar, "a c D3 r l d x", false},
        {{"a,c", "D3", "r", "l", "d"}, A::Ejecutar, "a,c D3 r l d", false},
        // Options first; they stay out of the string.
        {{"-q", "-r", "a", "c", "D3", "r", "l"}, A::Ejecutar, "a,c,D3,r,l", true},
        {{"--silencioso", "--informe", "inf", "a,c,D3,r,l"}, A::Ejecutar, "a,c,D3,r,l", false},
        // After "--", and from an argument with a comma on, nothing is an option.
        {{"--", "-q"}, A::Ejecutar, "-q", false},
        {{"-q,c,D3,r,l"}, A::Ejecutar, "-q,c,D3,r,l", false},
        {{"-q", "-x,y", "-h"}, A::Ejecutar, "-x,y -h", false},
        {{"a.bdl", "-h"}, A::Ejecutar, "a.bdl -h", false},
        {{"-h"}, A::Ayuda, "", false},
        {{"--help", "a", "b"}, A::Ayuda, "", false},
        {{"-V"}, A::Version, "", false},
        {{"--vers"}, A::Version, "", false}, // an unambiguous abbreviation
        {{"-Vh"}, A::Ayuda, "", false},
        {{"--lote", "m.csv"}, A::Lote, "", false},
        {{"-l", "-"}, A::Lote, "", false},
    };
    for (const Caso& c : casos) {
        const Opciones op = Opciones::analizar(c.argumentos);
        std::string v;
        for (const std::string& a : c.argumentos) v += "[" + a + "]";
        EXPECT_EQ(op.accion, c.accion) << v << " " << op.error;
        EXPECT_EQ(op.cadena, c.cadena) << v;
        EXPECT_EQ(op.posicional, c.posicional) << v;
    }
}

TEST(Opciones, ValoresDeCadaOpcion) {
    Opciones op = Opciones::analizar({"-q", "-r", "-o", "inf", "a,b"});
    EXPECT_TRUE(op.ejecucion.silencioso);
    EXPECT_TRUE(op.ejecucion.revisar);
    EXPECT_EQ(op.ejecucion.informe, "inf");
    EXPECT_FALSE(op.sinArgumentos);
    EXPECT_TRUE(Opciones::analizar({}).sinArgumentos);

    op = Opciones::analizar({"--lote", "m.csv", "-j", "3", "-d", "sal", "--parte", "2/5", "-t",
                             "1.5", "-qo", "informe"});
    EXPECT_EQ(op.accion, A::Lote);
    EXPECT_EQ(op.manifiesto, "m.csv");
    EXPECT_EQ(op.trabajos, 3);
    EXPECT_EQ(op.directorio, "sal");
    EXPECT_EQ(op.parte, 2);
    EXPECT_EQ(op.partes, 5);
    EXPECT_DOUBLE_EQ(op.limiteSegundos, 1.5);
    EXPECT_TRUE(op.ejecucion.silencioso);
    EXPECT_EQ(op.ejecucion.informe, "informe");

    EXPECT_FALSE(op.procesoPorDiseno);

    op = Opciones::analizar({"--lote=m.csv", "--trabajos=2", "--directorio=d", "--parte=1/1",
                             "--tiempo-limite=0", "--proceso-por-diseno"});
    EXPECT_EQ(op.accion, A::Lote);
    EXPECT_TRUE(op.procesoPorDiseno);
    EXPECT_TRUE(Opciones::analizar({"-ul", "m.csv"}).procesoPorDiseno);
    EXPECT_EQ(op.trabajos, 2);
    EXPECT_EQ(op.directorio, "d");
    EXPECT_EQ(op.parte, 1);
    EXPECT_DOUBLE_EQ(op.limiteSegundos, 0.0);
    // A value with a comma is an option's value, not the start of the argument string.
    op = Opciones::analizar({"-l", "m.csv", "-d", "a,b"});
    EXPECT_EQ(op.accion, A::Lote);
    EXPECT_EQ(op.directorio, "a,b");

    op = Opciones::analizar({"--lote", "m.csv"});
    EXPECT_EQ(op.trabajos, 0); // one per core, decided by the caller
    EXPECT_EQ(op.directorio, "lote");
    EXPECT_EQ(op.partes, 0);
    EXPECT_DOUBLE_EQ(op.limiteSegundos, 300.0);
}

TEST(Opciones, ErroresDeUso) {
    const std::pair<std::vector<std::string>, std::string> casos[] = {
        {{"-x"}, "opción desconocida: -x"},
        {{"--nada"}, "opción desconocida o ambigua: --nada"},
        {{"--t", "1", "-l", "m"},
         "opción desconocida o ambigua: --t"}, // --trabajos, --tiempo-limite
        {{"-j"}, "a la opción -j/--trabajos le falta su argumento"},
        {{"--lote"}, "a la opción -l/--lote le falta su argumento"},
        {{"-l", "m", "-j", "0"}, "valor no válido para -j/--trabajos: «0»"},
        {{"-l", "m", "-j", "2x"}, "valor no válido para -j/--trabajos: «2x»"},
        {{"-l", "m", "--parte", "3/2"}, "valor no válido para -p/--parte: «3/2»"},
        {{"-l", "m", "--parte", "0/2"}, "valor no válido para -p/--parte: «0/2»"},
        {{"-l", "m", "--parte", "2"}, "valor no válido para -p/--parte: «2»"},
        {{"-l", "m", "-t", "-1"}, "valor no válido para -t/--tiempo-limite: «-1»"},
        {{"-l", "m", "-t", "inf"}, "valor no válido para -t/--tiempo-limite: «inf»"},
        {{"-u", "a,b"}, "-j, -d, --parte, -t y -u solo valen con --lote"},
        {{"-o", "", "a,b"}, "valor no válido para -o/--informe: «»"},
        {{"-j", "2", "a", "b", "c", "d", "e"}, "-j, -d, --parte, -t y -u solo valen con --lote"},
        {{"-l", "m", "a,b"}, "con --lote no se dan argumentos de ejecución"},
        {{"-l", "m", "-o", "/abs"},
         "con --lote, -o da el nombre de una carpeta dentro de la de cada diseño"},
    };
    for (const auto& [argumentos, mensaje] : casos) {
        const Opciones op = Opciones::analizar(argumentos);
        EXPECT_EQ(op.accion, A::Error) << mensaje;
        EXPECT_EQ(op.error, mensaje);
    }
}

TEST(SalidaTexto, ConversionesEntreUtf8YWindows1252) {
    EXPECT_EQ(SalidaTexto::aWindows1252("térmica € … ñ"), "t\xE9rmica \x80 \x85 \xF1");
    EXPECT_EQ(SalidaTexto::aWindows1252("Ω"), "?");           // outside the code page
    EXPECT_EQ(SalidaTexto::aWindows1252("a\xE9z"), "a\xE9z"); // not UTF-8: left as it is
    EXPECT_EQ(SalidaTexto::comoUtf8("dise\xF1o"), "diseño");  // Latin-1 bytes
    EXPECT_EQ(SalidaTexto::comoUtf8("diseño"), "diseño");     // already UTF-8
    EXPECT_EQ(SalidaTexto::comoUtf8("\xC3"), "Ã");            // a cut sequence is Latin-1
}

} // namespace
