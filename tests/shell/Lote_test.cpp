#include "shell/Lote.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <stdexcept>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include "comun/Entorno.h"

namespace {

// Stand-ins for the engine, chosen by the design's zone; each runs in its design's folder.
int sustituto(const Diseno& d, const std::string& resultados) {
    std::ofstream r(resultados, std::ios::binary);
    if (d.zona == "cumple") r << "CUMPLE";
    if (d.zona == "falla")
        r << "PARTICION-1: U = 1.1, \"REQUERIMIENTOS\"\nV-2: U = 3, \"X\"\nNO CUMPLE";
    r.close();
    if (d.zona == "fatal") {
        std::fputs("Se ha producido un error: El fichero x no existe\n", stderr);
        return 3;
    }
    if (d.zona == "cae") {
        const rlimit sinNucleo{0, 0};
        setrlimit(RLIMIT_CORE, &sinNucleo);
        std::abort(); // a crash the sanitizers leave to the default action
    }
    if (d.zona == "cuelga") {
        alarm(20); // a runner that misses its time limit fails the test instead of hanging it
        for (;;) pause();
    }
    if (d.zona == "lanza") throw std::runtime_error("fallo inesperado");
    return 0;
}

std::vector<Diseno> disenos(const std::vector<std::pair<std::string, std::string>>& ids) {
    std::vector<Diseno> v;
    for (const auto& [id, zona] : ids) {
        Diseno d;
        d.id = id;
        d.zona = zona;
        v.push_back(d);
    }
    return v;
}

TEST(Lote, CadaDisenoEnSuCarpetaYLosFallosNoParanAlResto) {
    DirectorioTemporal dir;
    OpcionesLote op;
    op.trabajos = 3;
    op.directorio = dir.fichero("lote");
    op.limiteSegundos = 0.5;
    // Files of an earlier batch in the folders: gone before the new runs.
    ASSERT_EQ(std::system(("mkdir -p '" + op.directorio + "/a' '" + op.directorio + "/c'").c_str()),
              0);
    dir.escribir("lote/a/Error.log", "viejo");
    dir.escribir("lote/c/resultados.txt", "CUMPLE");

    const auto d = disenos({{"a", "cumple"},
                            {"b x", "falla"},
                            {"c", "fatal"},
                            {"d", "cae"},
                            {"e", "cuelga"},
                            {"f", "lanza"},
                            {"g", "cumple"}});
    Lote lote(op, sustituto);
    const auto r = lote.ejecutar(d);

    ASSERT_EQ(r.size(), d.size());
    const int codigos[] = {0, 0, 3, Lote::kSenal + SIGABRT, Lote::kTiempoAgotado, 3, 0};
    const char* veredictos[] = {"CUMPLE", "NO CUMPLE", "", "", "", "", "CUMPLE"};
    const int fallos[] = {0, 2, -1, -1, -1, -1, 0};
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(r[i].id, d[i].id);
        EXPECT_EQ(r[i].codigo, codigos[i]) << d[i].id;
        EXPECT_EQ(r[i].veredicto, veredictos[i]) << d[i].id;
        EXPECT_EQ(r[i].fallos, fallos[i]) << d[i].id;
        EXPECT_EQ(r[i].carpeta, op.directorio + "/" + d[i].id);
    }
    EXPECT_GE(r[4].segundos, 0.5);
    EXPECT_LT(r[4].segundos, 5.0);
    EXPECT_EQ(Lote::codigoSalida(r), 3);
    EXPECT_FALSE(existe(op.directorio + "/a/Error.log"));
    EXPECT_EQ(leerFichero(op.directorio + "/c/salida.txt"),
              "Se ha producido un error: El fichero x no existe\n");
    EXPECT_EQ(leerFichero(op.directorio + "/f/salida.txt"), "fallo inesperado\n");

    // The summary in the manifest's order; the seconds vary from run to run.
    const std::string csv = std::regex_replace(leerFichero(op.directorio + "/resumen.csv"),
                                               std::regex(",[0-9]+\\.[0-9]{3},"), ",S,");
    const std::string l = op.directorio + "/";
    EXPECT_EQ(csv, "id,codigo,veredicto,fallos,segundos,carpeta\n"
                   "a,0,CUMPLE,0,S," +
                       l + "a\n" + "b x,0,NO CUMPLE,2,S," + l + "b x\n" + "c,3,,,S," + l + "c\n" +
                       "d,134,,,S," + l + "d\n" + "e,124,,,S," + l + "e\n" + "f,3,,,S," + l +
                       "f\n" + "g,0,CUMPLE,0,S," + l + "g\n");
    std::ifstream jsonl(op.directorio + "/resumen.jsonl");
    std::size_t i = 0;
    for (std::string linea; std::getline(jsonl, linea); ++i) {
        const auto j = nlohmann::json::parse(linea);
        ASSERT_LT(i, r.size());
        EXPECT_EQ(j["id"], r[i].id);
        EXPECT_EQ(j["codigo"], r[i].codigo);
        EXPECT_EQ(j["veredicto"], r[i].veredicto);
        EXPECT_EQ(j["fallos"].is_null(), r[i].fallos < 0);
        EXPECT_NEAR(j["segundos"].get<double>(), r[i].segundos, 0.0006);
    }
    EXPECT_EQ(i, r.size());
}

TEST(Lote, NuncaMasDisenosALaVezQueTrabajos) {
    DirectorioTemporal dir;
    OpcionesLote op;
    op.trabajos = 3;
    op.directorio = dir.fichero("lote");
    op.nombreResumen = "resumen-parte-1-de-1";
    std::vector<std::pair<std::string, std::string>> ids;
    for (int i = 0; i < 12; ++i) ids.push_back({"d" + std::to_string(i), "cumple"});
    // Each design notes when it ran (the monotonic clock is the same for every process).
    Lote lote(op, [](const Diseno& d, const std::string& resultados) {
        const auto ahora = [] {
            return std::chrono::steady_clock::now().time_since_epoch().count();
        };
        const auto inicio = ahora();
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        std::ofstream("intervalo") << inicio << " " << ahora();
        return sustituto(d, resultados);
    });
    const auto r = lote.ejecutar(disenos(ids));
    EXPECT_EQ(Lote::codigoSalida(r), 0);
    EXPECT_TRUE(existe(op.directorio + "/resumen-parte-1-de-1.csv"));
    EXPECT_TRUE(existe(op.directorio + "/resumen-parte-1-de-1.jsonl"));
    std::vector<std::pair<long long, int>> sucesos;
    for (const auto& [id, zona] : ids) {
        std::ifstream f(op.directorio + "/" + id + "/intervalo");
        long long a = 0, b = 0;
        ASSERT_TRUE(f >> a >> b) << id;
        sucesos.push_back({a, 1});
        sucesos.push_back({b, -1});
    }
    std::sort(sucesos.begin(), sucesos.end());
    int aLaVez = 0, maximo = 0;
    for (const auto& s : sucesos) maximo = std::max(maximo, aLaVez += s.second);
    EXPECT_LE(maximo, 3);
    EXPECT_GE(maximo, 2);
}

// A worker serves many designs in turn, each in its own folder, and is replaced after a bounded
// number of them; what a design leaves in its process (its folder, its output) is not seen by
// the next one.
TEST(Lote, CadaTrabajadorSirveVariosDisenosYSeRelevaAlCabo) {
    DirectorioTemporal dir;
    OpcionesLote op;
    op.trabajos = 2;
    op.directorio = dir.fichero("lote");
    std::vector<std::pair<std::string, std::string>> ids;
    for (int i = 0; i < 230; ++i) ids.push_back({"d" + std::to_string(i), "cumple"});
    Lote lote(op, [](const Diseno& d, const std::string& resultados) {
        std::ofstream("proceso") << getpid();
        std::printf("%s", d.id.c_str()); // into this design's salida.txt only
        const int codigo = sustituto(d, resultados);
        if (chdir("/") != 0) return 1; // the batch takes its worker back to its own folder
        return codigo;
    });
    const auto r = lote.ejecutar(disenos(ids));
    EXPECT_EQ(Lote::codigoSalida(r), 0);
    std::map<std::string, int> porProceso;
    for (const auto& [id, zona] : ids) {
        EXPECT_EQ(leerFichero(op.directorio + "/" + id + "/salida.txt"), id);
        ++porProceso[leerFichero(op.directorio + "/" + id + "/proceso")];
    }
    EXPECT_GE(porProceso.size(), 3u); // 230 designs, at most 100 to a worker
    EXPECT_LE(porProceso.size(), 6u);
    for (const auto& [pid, n] : porProceso) EXPECT_LE(n, 100) << pid;

    // One design to a worker: each in a fresh process.
    op.disenosPorTrabajador = 1;
    op.directorio = dir.fichero("uno");
    ids.resize(20);
    Lote uno(op, [](const Diseno& d, const std::string& resultados) {
        std::ofstream("proceso") << getpid();
        return sustituto(d, resultados);
    });
    EXPECT_EQ(Lote::codigoSalida(uno.ejecutar(disenos(ids))), 0);
    std::set<std::string> procesos;
    for (const auto& [id, zona] : ids)
        procesos.insert(leerFichero(op.directorio + "/" + id + "/proceso"));
    EXPECT_EQ(procesos.size(), ids.size());
}

TEST(Lote, VeredictoDelFicheroDeResultados) {
    DirectorioTemporal dir;
    const std::pair<std::string, std::pair<std::string, int>> casos[] = {
        {"CUMPLE", {"CUMPLE", 0}},    {"a, X\nb, Y\nNO CUMPLE", {"NO CUMPLE", 2}}, {"", {"", -1}},
        {"a, X\n", {"", -1}},   // cut before the verdict
        {"CUMPLE\n", {"", -1}}, // the engine writes no line end after the verdict
        {"NO CUMPLE EN X", {"", -1}},
    };
    for (const auto& [texto, esperado] : casos) {
        ResultadoDiseno r;
        Lote::leerVeredicto(dir.escribir("r.txt", texto), r);
        EXPECT_EQ(r.veredicto, esperado.first) << texto;
        EXPECT_EQ(r.fallos, esperado.second) << texto;
    }
    ResultadoDiseno r;
    Lote::leerVeredicto(dir.fichero("no-existe.txt"), r);
    EXPECT_EQ(r.fallos, -1);
}

} // namespace
