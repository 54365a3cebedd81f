// Construction of the envelope element objects of a building of n walls, n ground slabs and n
// windows: each element cuts its own objects (wall, construction, layers, materials) out of the
// building text, so the whole set should grow near-linearly with n.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "envelope/Muro1D.h"
#include "envelope/Underground.h"
#include "envelope/Ventana.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {
std::string edificio(int n) {
    std::string t = "\n\"EDIFICIO\" = BUILD-PARAMETERS\n   D-AISLAMIENTO-PERIMETRAL = 1.0\n"
                    "   RA-AISLAMIENTO-PERIMETRAL = 1.0\n   ..\n";
    for (int i = 0; i < n; ++i) {
        std::string k = std::to_string(i);
        t += "\"W" + k + "\" = EXTERIOR-WALL\n   CONSTRUCTION = \"C" + k + "\"\n   ..\n";
        t += "\"V" + k +
             "\" = WINDOW\n   GLASS-TYPE = \"G\"\n   WIDTH = 1.2\n   HEIGHT = 1.0\n"
             "   FRAME-WIDTH = 0.05\n   ..\n";
        t += "\"S" + k + "\" = UNDERGROUND-WALL\n   CONSTRUCTION = \"C" + k +
             "\"\n   LOCATION = BOTTOM\n   ..\n";
        t += "\"C" + k + "\" = CONSTRUCTION\n   TYPE = LAYERS\n   LAYERS = \"L" + k + "\"\n   ..\n";
        t += "\"L" + k + "\" = LAYERS\n   MATERIAL = ( \"M" + k + "\", \"R" + k + "\" )\n   ..\n";
        t += "\"M" + k +
             "\" = MATERIAL\n   TYPE = PROPERTIES\n   THICKNESS = 0.2\n"
             "   CONDUCTIVITY = 1.0\n   DENSITY = 2000\n   SPECIFIC-HEAT = 1000\n   ..\n";
        t += "\"R" + k + "\" = MATERIAL\n   TYPE = RESISTANCE\n   RESISTANCE = 0.5\n   ..\n";
    }
    t += "\"G\" = GLASS-TYPE\n   TYPE = SHADING-COEF\n   SHADING-COEF = 0.9\n"
         "   GLASS-CONDUCTANCE = 2.8\n   ..\n";
    return t;
}

void ConstruirElementos(benchmark::State& estado) {
    const int n = static_cast<int>(estado.range(0));
    char plantilla[] = "/tmp/envolvente-bench-XXXXXX";
    int fd = mkstemp(plantilla);
    if (fd < 0) {
        estado.SkipWithError("mkstemp");
        return;
    }
    close(fd);
    {
        std::ofstream f(plantilla);
        f << "\nNUM-HORAS = 8760\nHCINT = 3.0\nHRINT = 4.7\nHCEXT = 20.37\nFRAME-ABS = 0.7\n"
             "FRAME-CONDUCT = 4.0\nFRAME-WIDTH = 0.0\nNO-HABITABLES = ( \"G\" )\n";
    }
    Global2 global("/dev/null");
    gGlobal2 = &global;
    ValoresPorDefecto defectos(plantilla);
    gDefectos = &defectos;
    std::unique_ptr<LeerBDL> bdl = LeerBDL::desdeTexto(edificio(n));
    gLeerBDL = bdl.get();
    const std::vector<float> areas = {10.0f, 13.0f};
    const std::vector<int> lados = {0, -1};
    for (auto _ : estado) {
        for (int i = 0; i < n; ++i) {
            const std::string k = std::to_string(i) + "\"";
            Muro1D m("\"W" + k, 2, areas, lados, 0);
            Ventana v("\"V" + k, 2, areas, lados, 0, 0.0f);
            Underground s("\"S" + k, 2, {100.0f, 40.0f}, lados, 0, 2.7f, 0.0f);
            benchmark::DoNotOptimize(m.U + v.UA() + s.U);
        }
    }
    estado.SetComplexityN(n);
    gLeerBDL = nullptr;
    gDefectos = nullptr;
    gGlobal2 = nullptr;
    std::remove(plantilla);
}
} // namespace

BENCHMARK(ConstruirElementos)->RangeMultiplier(4)->Range(64, 4096)->Complexity();
