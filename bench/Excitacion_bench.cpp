// Sky-view computation on a generated building: towers of stacked box-shaped spaces on a grid,
// every space with four exterior walls, a window in each, and its floor and ceiling (the top
// space has a roof instead). 10 × 10 towers of 10 storeys give 1,000 spaces and 10,000
// surfaces, about 8,100 of them exterior.
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

#include "climate/Excitacion.h"
#include "geometry/JerarquiaVolumenes.h"
#include "geometry/PoliArea.h"
#include "input/Global2.h"

namespace {

struct EdificioSintetico {
    std::vector<std::unique_ptr<PoliArea>> poligonos;
    std::vector<PoliArea*> todas, exteriores;
    std::vector<int> ventanas;

    void anadir(std::vector<Point3> nodos, bool exterior, bool ventana) {
        poligonos.push_back(PoliArea::desdeNodos(nodos));
        PoliArea* p = poligonos.back().get();
        if (ventana) ventanas.push_back(static_cast<int>(todas.size()));
        todas.push_back(p);
        if (exterior) exteriores.push_back(p);
    }

    // A vertical wall from a to b (seen from outside, a on the left), with a centred window.
    void muro(float ax, float ay, float bx, float by, float z0, float h) {
        const float dx = bx - ax, dy = by - ay;
        auto en = [&](float s, float z) { return Point3(ax + s * dx, ay + s * dy, z0 + z); };
        anadir({en(0.3f, 0.9f), en(0.7f, 0.9f), en(0.7f, 2.1f), en(0.3f, 2.1f)}, true, true);
        anadir({en(0, 0), en(1, 0), en(1, h), en(0, h)}, true, false);
    }

    EdificioSintetico(int torresX, int torresY, int plantas) {
        const float lado = 5.0f, paso = 10.0f, alto = 3.0f;
        for (int i = 0; i < torresX; ++i) {
            for (int j = 0; j < torresY; ++j) {
                const float x0 = i * paso, y0 = j * paso, x1 = x0 + lado, y1 = y0 + lado;
                for (int k = 0; k < plantas; ++k) {
                    const float z = k * alto;
                    muro(x0, y0, x1, y0, z, alto); // south
                    muro(x1, y0, x1, y1, z, alto); // east
                    muro(x1, y1, x0, y1, z, alto); // north
                    muro(x0, y1, x0, y0, z, alto); // west
                    // Floor (facing down) and ceiling or roof (facing up).
                    anadir({{x0, y0, z}, {x0, y1, z}, {x1, y1, z}, {x1, y0, z}}, false, false);
                    anadir({{x0, y0, z + alto},
                            {x1, y0, z + alto},
                            {x1, y1, z + alto},
                            {x0, y1, z + alto}},
                           k == plantas - 1, false);
                }
            }
        }
    }
};

const EdificioSintetico& edificio1000() {
    static const EdificioSintetico e(10, 10, 10);
    return e;
}

void BM_VisionCielo1000Espacios(benchmark::State& state) {
    const EdificioSintetico& e = edificio1000();
    for (auto _ : state) {
        Excitacion x("clima.bin", 1);
        x.registrar(e.exteriores, e.todas, e.ventanas, {});
        x.calcularVisionCielo("DEMANDA");
        benchmark::DoNotOptimize(x.visibilidades().data());
    }
    state.counters["superficies"] = static_cast<double>(e.todas.size());
    state.counters["exteriores"] = static_cast<double>(e.exteriores.size());
}
BENCHMARK(BM_VisionCielo1000Espacios)->Unit(benchmark::kMillisecond);

// The building model asks once per space: every call after the first is a cache hit.
void BM_VisionCieloRepetida(benchmark::State& state) {
    const EdificioSintetico& e = edificio1000();
    Excitacion x("clima.bin", 1);
    x.registrar(e.exteriores, e.todas, e.ventanas, {});
    x.calcularVisionCielo("DEMANDA");
    for (auto _ : state) x.calcularVisionCielo("DEMANDA");
}
BENCHMARK(BM_VisionCieloRepetida);

void BM_ConstruirJerarquia(benchmark::State& state) {
    const EdificioSintetico& e = edificio1000();
    for (auto _ : state) {
        JerarquiaVolumenes j(e.todas);
        benchmark::DoNotOptimize(j.numPoligonos());
    }
}
BENCHMARK(BM_ConstruirJerarquia)->Unit(benchmark::kMillisecond);

// Scaling in the number of spaces (towers of 10 storeys on an n × n grid).
void BM_VisionCieloEscala(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    EdificioSintetico e(n, n, 10);
    for (auto _ : state) {
        Excitacion x("clima.bin", 1);
        x.registrar(e.exteriores, e.todas, e.ventanas, {});
        x.calcularVisionCielo("DEMANDA");
        benchmark::DoNotOptimize(x.visibilidades().data());
    }
    state.SetComplexityN(static_cast<int64_t>(e.todas.size()));
}
BENCHMARK(BM_VisionCieloEscala)
    ->Arg(3)
    ->Arg(6)
    ->Arg(10)
    ->Arg(14)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Extended mode: the view factors between the exterior surfaces and the inversion of the
// inter-reflection matrix grow with the square and the cube of their number; measured on 3 × 3
// towers (90 spaces, about 730 exterior surfaces).
void BM_VisionCieloExtendido(benchmark::State& state) {
    EdificioSintetico e(3, 3, 10);
    Global2 hub("/dev/null");
    Global2* previo = gGlobal2;
    gGlobal2 = &hub;
    for (auto _ : state) {
        Excitacion x("clima.bin", 1);
        x.registrar(e.exteriores, e.todas, e.ventanas, {});
        x.calcularVisionCielo("VERDANIUM");
        benchmark::DoNotOptimize(x.matrizInterreflexion().data());
    }
    gGlobal2 = previo;
    state.counters["exteriores"] = static_cast<double>(e.exteriores.size());
}
BENCHMARK(BM_VisionCieloExtendido)->Unit(benchmark::kMillisecond);

} // namespace
