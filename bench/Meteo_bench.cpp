// Reading the sample's text climate file: 8,760 hourly lines of thirteen numbers each.
#include <benchmark/benchmark.h>

#include "climate/Meteo.h"

namespace {

void BM_LeerClimaTexto(benchmark::State& estado) {
    const std::string fichero = std::string(ENVOLVENTE_FUENTES) + "/examples/clima/D3.txt";
    for (auto _ : estado) {
        Meteo m;
        m.leerClima(fichero);
        benchmark::DoNotOptimize(m.temperatura.data());
        if (m.horasLeidas != Meteo::kHoras) estado.SkipWithError("clima incompleto");
    }
}
BENCHMARK(BM_LeerClimaTexto)->Unit(benchmark::kMillisecond);

} // namespace
