// The command line of the built executable: both forms of the run arguments, the options, the
// manual page, batches against single runs, shards through GNU parallel, installation.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <sys/wait.h>

#include "comun/Entorno.h"

namespace {

const std::string kRaiz = ENVOLVENTE_FUENTES;
const std::string kEjemplos = kRaiz + "/examples";
const std::string kExe = ENVOLVENTE_EXE;

std::string q(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

struct Salida {
    int codigo = -1;
    std::string salida, error;
};

// Runs a shell command in a folder, with standard output and error apart.
Salida orden(const std::string& cmd, const std::string& carpeta) {
    const std::string so = carpeta + "/.salida", se = carpeta + "/.error";
    const int e = std::system(
        ("cd " + q(carpeta) + " && ( " + cmd + " ) >" + q(so) + " 2>" + q(se) + " </dev/null")
            .c_str());
    Salida s;
    s.codigo = WIFEXITED(e) ? WEXITSTATUS(e) : -1;
    s.salida = leerFichero(so);
    s.error = leerFichero(se);
    std::remove(so.c_str());
    std::remove(se.c_str());
    return s;
}

bool hay(const std::string& programa) {
    return std::system(("command -v " + programa + " >/dev/null 2>&1").c_str()) == 0;
}

const char* const kFicheros[] = {"resultados.txt", "Error.log", "Particio.dat", "puentes.dat",
                                 "parametrosVALMOR.log"};

void mismosFicheros(const std::string& a, const std::string& b, const std::string& caso) {
    for (const char* f : kFicheros)
        EXPECT_EQ(leerFichero(a + "/" + f), leerFichero(b + "/" + f)) << caso << ": " << f;
}

TEST(LineaOrdenes, ArgumentosSeparadosYCadenaDanLosMismosFicheros) {
    DirectorioTemporal dir;
    const std::string e = kEjemplos;
    const std::vector<std::vector<std::string>> casos = {
        {e + "/edificio.bdl", e + "/clima/D3.txt", "D3", "resultados.txt", e + "/lib/limites.lim"},
        {e + "/edificio.bdl", e + "/clima/E1.txt", "E1", "resultados.txt", e + "/lib/limites.lim",
         "defectos.inp"},
        {e + "/no-existe.bdl", e + "/clima/D3.txt", "D3", "resultados.txt", e + "/lib/limites.lim"},
    };
    int n = 0;
    for (const auto& args : casos) {
        const std::string a = dir.fichero("separados" + std::to_string(n));
        const std::string b = dir.fichero("cadena" + std::to_string(n++));
        ASSERT_EQ(std::system(("mkdir -p " + q(a) + " " + q(b)).c_str()), 0);
        std::string separados, cadena;
        for (const std::string& x : args) {
            separados += " " + q(x);
            cadena += (cadena.empty() ? "" : ",") + x;
        }
        const Salida sa = orden(q(kExe) + separados, a);
        const Salida sb = orden(q(kExe) + " " + q(cadena), b);
        EXPECT_EQ(sa.codigo, sb.codigo) << cadena;
        EXPECT_EQ(sa.error, sb.error) << cadena;
        EXPECT_EQ(leerFichero(a + "/parametrosVALMOR.log"), cadena + "\n");
        mismosFicheros(a, b, cadena);
    }
    EXPECT_EQ(leerFichero(dir.fichero("separados0/resultados.txt")).substr(0, 10), "PARTICION-");
}

TEST(LineaOrdenes, OpcionesDeLaOrden) {
    DirectorioTemporal dir;
    Salida s = orden("LC_ALL=C.UTF-8 " + q(kExe) + " --help", dir.ruta());
    EXPECT_EQ(s.codigo, 0);
    EXPECT_NE(s.salida.find("envolvente térmica"), std::string::npos);
    EXPECT_NE(s.salida.find("--tiempo-limite"), std::string::npos);
    s = orden("LC_ALL=C " + q(kExe) + " -h", dir.ruta()); // a byte locale: Windows-1252
    EXPECT_NE(s.salida.find("envolvente t\xE9rmica"), std::string::npos);
    EXPECT_FALSE(existe(dir.fichero("parametrosVALMOR.log"))); // help is not a run
    s = orden(q(kExe) + " --version", dir.ruta());
    EXPECT_EQ(s.salida, "envolvente " ENVOLVENTE_VERSION "\n");
    EXPECT_EQ(orden(q(kExe) + " -V", dir.ruta()).salida, s.salida);

    s = orden("LC_ALL=C.UTF-8 " + q(kExe) + " --trabajos 2 a b c d e", dir.ruta());
    EXPECT_EQ(s.codigo, 3);
    EXPECT_EQ(s.error, "envolvente: -j, -d, --parte, -t y -u solo valen con --lote\n"
                       "Uso: envolvente [OPCIONES] EDIFICIO CLIMA ZONA RESULTADOS LIMITES "
                       "[DEFECTOS] (envolvente --help da la ayuda)\n");
    EXPECT_EQ(orden(q(kExe) + " --sin-esto", dir.ruta()).codigo, 3);

    // No argument and no terminal: the empty string of a host, silent, code 0.
    s = orden(q(kExe), dir.ruta());
    EXPECT_EQ(s.codigo, 0);
    EXPECT_EQ(s.error, "");
    EXPECT_EQ(leerFichero(dir.fichero("parametrosVALMOR.log")), "\n");

    // The switches of a run change none of its files; a review (-r) writes none at all and
    // only warns.
    const std::string args = kEjemplos + "/edificio.bdl " + kEjemplos + "/clima/C1.txt C1 " +
                             "resultados.txt " + kEjemplos + "/lib/limites.lim";
    const std::string opciones[] = {"", "-q", "--silencioso", "-r", "-o informe", "-qr -o x"};
    for (const std::string& o : opciones) {
        const std::string c = dir.fichero("op" + std::to_string(&o - opciones));
        ASSERT_EQ(std::system(("mkdir -p " + q(c)).c_str()), 0);
        s = orden(q(kExe) + " " + o + " " + args, c);
        EXPECT_EQ(s.codigo, 0) << o;
        if (o == "-r" || o == "-qr -o x") {
            std::istringstream lineas(s.error);
            for (std::string l; std::getline(lineas, l);)
                EXPECT_NE(l.find(": aviso: "), std::string::npos) << o << ": " << l;
            for (const char* f : kFicheros) EXPECT_FALSE(existe(c + "/" + f)) << o << ": " << f;
            continue;
        }
        EXPECT_EQ(s.error, "") << o;
        if (!o.empty()) mismosFicheros(dir.fichero("op0"), c, o);
    }
}

TEST(LineaOrdenes, ManualSinAvisos) {
    if (!hay("groff")) GTEST_SKIP() << "sin groff";
    DirectorioTemporal dir;
    const Salida s = orden("groff -ww -man -Tutf8 " + q(kRaiz + "/docs/envolvente.1"), dir.ruta());
    EXPECT_EQ(s.codigo, 0);
    EXPECT_EQ(s.error, "");
    for (const char* seccion : {"NOMBRE", "SINOPSIS", "OPCIONES", "LOTES", "FICHEROS",
                                "ESTADO DE SALIDA", "EJEMPLOS", "--tiempo-limite"})
        EXPECT_NE(std::regex_replace(s.salida, std::regex(".\b"), "").find(seccion),
                  std::string::npos)
            << seccion;
}

// A generated stock of n variants of the sample house in dir/stock, with its manifest.
std::string stock(const DirectorioTemporal& dir, int n) {
    const std::string s = dir.fichero("stock");
    const Salida g = orden("python3 " + q(kRaiz + "/tools/generar_lote.py") + " " +
                               std::to_string(n) + " " + q(s),
                           dir.ruta());
    EXPECT_EQ(g.codigo, 0) << g.error;
    return s;
}

// 200 designs; fewer under the sanitizers, which make every run many times slower.
#ifndef ENVOLVENTE_DISENOS_LOTE
#define ENVOLVENTE_DISENOS_LOTE 200
#endif
constexpr int kDisenosLote = ENVOLVENTE_DISENOS_LOTE;

TEST(LineaOrdenes, LoteDaLoMismoQueCadaEjecucionSuelta) {
    DirectorioTemporal dir;
    const std::string s = stock(dir, kDisenosLote);
    Salida l = orden(q(kExe) + " --lote manifiesto.csv -j 2 -d lote", s);
    ASSERT_EQ(l.codigo, 0) << l.error;
    EXPECT_EQ(l.error, ""); // no progress bar off a terminal
    ASSERT_EQ(std::system(("mv " + q(s + "/lote") + " " + q(s + "/en-lote")).c_str()), 0);
    // The same designs one by one, each in the same folder path as in the batch, with the six
    // run arguments the manifest gives.
    const std::string bucle =
        "tail -n +2 manifiesto.csv | while IFS=, read -r id e c z l d resto; do "
        "mkdir -p lote/$id && (cd lote/$id && " +
        q(kExe) + " \"$OLDPWD/$e\" \"$OLDPWD/$c\" $z resultados.txt \"$OLDPWD/$l\" $d " +
        "2>salida.txt; echo \"$id $?\" >>../codigos.txt); done";
    l = orden(bucle, s);
    ASSERT_EQ(l.codigo, 0) << l.error;

    std::map<std::string, std::string> veredictos;
    std::istringstream resumen(leerFichero(s + "/en-lote/resumen.csv"));
    std::string fila;
    std::getline(resumen, fila);
    EXPECT_EQ(fila, "id,codigo,veredicto,fallos,segundos,carpeta");
    int filas = 0, cumplen = 0;
    for (; std::getline(resumen, fila); ++filas) {
        std::vector<std::string> c; // id, code, verdict, failures, seconds, folder
        std::istringstream campos(fila);
        for (std::string x; std::getline(campos, x, ',');) c.push_back(x);
        ASSERT_EQ(c.size(), 6u) << fila;
        const std::string carpeta = s + "/lote/" + c[0], enLote = s + "/en-lote/" + c[0];
        mismosFicheros(enLote, carpeta, c[0]);
        EXPECT_EQ(leerFichero(enLote + "/salida.txt"), leerFichero(carpeta + "/salida.txt"));
        const std::string v = leerFichero(carpeta + "/resultados.txt");
        const std::string veredicto = v.substr(v.rfind('\n') + 1);
        EXPECT_EQ(c[1], "0") << fila;
        EXPECT_EQ(c[2], veredicto) << fila;
        EXPECT_EQ(c[3], std::to_string(std::count(v.begin(), v.end(), '\n'))) << fila;
        EXPECT_EQ(c[5], "lote/" + c[0]);
        cumplen += veredicto == "CUMPLE";
    }
    EXPECT_EQ(filas, kDisenosLote);
    EXPECT_GT(cumplen, 0); // the stock holds both verdicts
    EXPECT_LT(cumplen, kDisenosLote);
    const std::string codigos = leerFichero(s + "/lote/codigos.txt");
    EXPECT_EQ(std::count(codigos.begin(), codigos.end(), '\n'), kDisenosLote);
    EXPECT_EQ(codigos.find(" 3\n"), std::string::npos);
}

TEST(LineaOrdenes, PartesPorGnuParallelDanElMismoResumen) {
    if (!hay("parallel")) GTEST_SKIP() << "sin GNU parallel";
    DirectorioTemporal dir;
    const std::string s = stock(dir, 30);
    // One design that cannot run: the batch goes on and says so.
    std::ofstream(s + "/manifiesto.csv", std::ios::app)
        << "roto,edificios/no-existe.bdl,clima/D3.txt,D3,lib/limites.lim,,,,,,\n";
    Salida l = orden(q(kExe) + " --lote manifiesto.csv -d todo -j 2", s);
    EXPECT_EQ(l.codigo, 3);
    l = orden("ENVOLVENTE=" + q(kExe) + " TRABAJOS=1 " + q(kRaiz + "/contrib/parallel-lote.sh") +
                  " manifiesto.csv partes 4 -j 2",
              s);
    EXPECT_NE(l.codigo, 0) << l.error; // the broken design, in one of the shards
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(existe(s + "/partes/resumen-parte-" + std::to_string(k) + "-de-4.csv"));
    // The same rows, but for the seconds and the folder's parent.
    const auto sinTiempos = [](const std::string& t) {
        return std::regex_replace(
            std::regex_replace(t, std::regex(",[0-9]+\\.[0-9]{3},[^\n]*/"), ",S,/"),
            std::regex("\"segundos\":[0-9.e-]+,\"carpeta\":\"[^\"]*/"), "\"segundos\":S,/");
    };
    const std::string todo = leerFichero(s + "/todo/resumen.csv");
    EXPECT_EQ(sinTiempos(leerFichero(s + "/partes/resumen.csv")), sinTiempos(todo));
    EXPECT_EQ(sinTiempos(leerFichero(s + "/partes/resumen.jsonl")),
              sinTiempos(leerFichero(s + "/todo/resumen.jsonl")));
    EXPECT_EQ(std::count(todo.begin(), todo.end(), '\n'), 32);
    EXPECT_NE(todo.find("\nroto,3,,,"), std::string::npos);
}

TEST(LineaOrdenes, InstalaEjecutableBibliotecaYManual) {
    DirectorioTemporal dir;
    const std::string build = kExe.substr(0, kExe.rfind('/'));
    const Salida i =
        orden("cmake --install " + q(build) + " --prefix " + q(dir.fichero("p")), dir.ruta());
    ASSERT_EQ(i.codigo, 0) << i.error;
    for (const char* f :
         {"bin/envolvente", "share/envolvente/lib/limites.lim", "share/envolvente/lib/defectos.inp",
          "share/envolvente/lib/BDCatalogo.bdc", "share/man/man1/envolvente.1"})
        EXPECT_TRUE(existe(dir.fichero("p/") + f)) << f;
    if (!hay("man")) GTEST_SKIP() << "sin man";
    const Salida m =
        orden("MANWIDTH=80 man -l " + q(dir.fichero("p/share/man/man1/envolvente.1")), dir.ruta());
    EXPECT_EQ(m.codigo, 0) << m.error;
    EXPECT_NE(m.salida.find("envolvente"), std::string::npos);
}

} // namespace
