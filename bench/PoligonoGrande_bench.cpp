// A whole run on a one-room building whose floor polygon has many vertices (a circle drawn
// with n edges of 5 cm, five times the geometric tolerance), with a ground slab and a flat roof
// over it: every polygon step
// (framing and validation, partitions along every edge, thermal-bridge contours) sees n edges.
// The run is the engine's own (Arranque::ejecutar: reading, model, climate, check, verdict), in
// a folder of its own, with the sample climate and library.
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "shell/Arranque.h"
#include "shell/Opciones.h"

namespace {

const std::string kEjemplos = std::string(ENVOLVENTE_FUENTES) + "/examples";

// The building with a floor polygon of n vertices.
std::string edificio(int n) {
    std::string t = "LONGITUD-DE-REFERENCIA = 15.0\n\n"
                    "\"PARAMETROS\" = BUILD-PARAMETERS\n   TYPE-BUILD = Unifamiliar\n"
                    "   CLASE-HIGROMETRIA = 3\n   ..\n"
                    "\"C-SUELO\" = CONSTRUCTION\n   TYPE = U-VALUE\n   U-VALUE = 0.5\n   ..\n"
                    "\"C-CUBIERTA\" = CONSTRUCTION\n   TYPE = U-VALUE\n   U-VALUE = 0.4\n   ..\n"
                    "\"P-CIRCULO\" = POLYGON\n";
    const double radio = 0.05 * n / 6.283185307179586;
    char linea[96];
    for (int i = 0; i < n; ++i) {
        const double a = 6.283185307179586 * i / n;
        std::snprintf(linea, sizeof linea, "   V%d = ( %.4f, %.4f )\n", i + 1, radio * std::cos(a),
                      radio * std::sin(a));
        t += linea;
    }
    t += "   ..\n"
         "\"PB\" = FLOOR\n   POLYGON = \"P-CIRCULO\"\n   SPACE-HEIGHT = 3\n   Z = 0\n   ..\n"
         "\"SALA\" = SPACE\n   POLYGON = \"P-CIRCULO\"\n   HEIGHT = 3\n"
         "   SPACE-CONDITIONS = SIN-FUENTES-INTERNAS-POR-DEFECTO\n"
         "   SYSTEM-CONDITIONS = NO-ACONDICIONADO-POR-DEFECTO\n   ..\n"
         "\"SOLERA\" = UNDERGROUND-WALL\n   LOCATION = BOTTOM\n   CONSTRUCTION = \"C-SUELO\"\n"
         "   ..\n"
         "\"CUBIERTA\" = ROOF\n   LOCATION = TOP\n   CONSTRUCTION = \"C-CUBIERTA\"\n   ..\n";
    return t;
}

// A folder of its own for the runs of one size, holding the building file.
struct Carpeta {
    std::string ruta;
    explicit Carpeta(int n) {
        char plantilla[] = "/tmp/envolvente-poligono-XXXXXX";
        if (!mkdtemp(plantilla)) throw std::runtime_error("mkdtemp failed");
        ruta = plantilla;
        std::ofstream(ruta + "/edificio.bdl", std::ios::binary) << edificio(n);
    }
    ~Carpeta() { std::system(("rm -rf '" + ruta + "'").c_str()); }
};

void BM_PoligonoGrande(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Carpeta carpeta(n);
    char previo[4096];
    if (!getcwd(previo, sizeof previo) || chdir(carpeta.ruta.c_str()) != 0)
        throw std::runtime_error("chdir failed");
    const std::string args = carpeta.ruta + "/edificio.bdl," + kEjemplos + "/clima/D3.txt,D3," +
                             carpeta.ruta + "/resultados.txt," + kEjemplos +
                             "/lib/limites.lim,defectos.inp";
    OpcionesEjecucion opciones;
    opciones.silencioso = true;
    int codigo = 0;
    for (auto _ : state) {
        codigo = Arranque::ejecutar(args, "envolvente", opciones);
        benchmark::DoNotOptimize(codigo);
    }
    if (chdir(previo) != 0) throw std::runtime_error("chdir failed");
    if (codigo != 0) state.SkipWithError("the run did not end normally");
    state.counters["vertices"] = n;
}
BENCHMARK(BM_PoligonoGrande)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
