// Cost of the condensation checks per element: the monthly vapour-diffusion verdict of a layer
// stack, and the thermal-bridge rows of many elements failing the same types (one report line
// per type whatever the number of elements).
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <unistd.h>

#include "envelope/Condensaciones.h"
#include "envelope/Elemento1D.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

namespace {

std::vector<Capa> pila(int n) {
    std::vector<Capa> capas(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        capas[i].espesor = 0.05f;
        capas[i].conductividad = (i % 2) ? 0.04f : 1.0f;
        capas[i].vapor = (i == 0) ? 20.0f : 0.5f;
    }
    return capas;
}

void BM_CondensacionIntersticial(benchmark::State& state) {
    std::vector<Capa> capas = pila(static_cast<int>(state.range(0)));
    float Te[12], Ti[12], HRe[12], HRi[12];
    for (int m = 0; m < 12; ++m)
        Te[m] = m < 6 ? 0.0f : 25.0f, Ti[m] = 20.0f, HRe[m] = 80.0f, HRi[m] = 70.0f;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Condensaciones::condensaIntersticial(capas, 25.0f, 7.7f, Te, Ti, HRe, HRi));
}
BENCHMARK(BM_CondensacionIntersticial)->Arg(2)->Arg(8)->Arg(20);

void BM_PuentesTermicosDeMuchosElementos(benchmark::State& state) {
    Global2 global("/dev/null");
    char ruta[] = "/tmp/defectos-bench-XXXXXX";
    int fd = mkstemp(ruta);
    const char kDefectos[] = "\nNO-HABITABLES = ( \"NINGUNO\" )\n";
    if (fd < 0 || write(fd, kDefectos, sizeof kDefectos - 1) < 0) {
        state.SkipWithError("temporary defaults file");
        return;
    }
    close(fd);
    ValoresPorDefecto defectos(ruta);
    unlink(ruta);
    defectos.puentes.resize(12);
    for (std::size_t i = 0; i < defectos.puentes.size(); ++i)
        defectos.puentes[i].nombre = "\"TIPO-" + std::to_string(i) + "\"";
    Global2* globalPrevio = gGlobal2;
    ValoresPorDefecto* defectosPrevios = gDefectos;
    gGlobal2 = &global;
    gDefectos = &defectos;
    Elemento1D e;
    e.puentes.assign(defectos.puentes.size() + 1, FilaPuente{0.1f, 0.5f, 1.0f});
    const int64_t n = state.range(0);
    for (auto _ : state)
        for (int64_t k = 0; k < n; ++k) Condensaciones::comprobarPuentesTermicos(e, 0.64f);
    state.SetItemsProcessed(state.iterations() * n);
    gGlobal2 = globalPrevio;
    gDefectos = defectosPrevios;
}
BENCHMARK(BM_PuentesTermicosDeMuchosElementos)->Arg(100)->Arg(10000);

} // namespace
