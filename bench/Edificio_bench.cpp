// Building the model of generated buildings (tools/generar_edificio.py): N spaces in two rows of
// ten rooms per storey, six windows per facade, about ten elements per space.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// The building of n spaces, written once per run into /tmp.
const std::string& ficheroGenerado(int n) {
    static std::map<int, std::string> ficheros;
    auto it = ficheros.find(n);
    if (it != ficheros.end()) return it->second;
    std::string ruta = "/tmp/envolvente-edificio-" + std::to_string(n) + ".bdl";
    std::string orden = "python3 " + std::string(ENVOLVENTE_FUENTES) +
                        "/tools/generar_edificio.py " + std::to_string(n) + " > " + ruta;
    if (std::system(orden.c_str()) != 0) throw std::runtime_error("generar_edificio.py failed");
    return ficheros.emplace(n, ruta).first->second;
}

// The run globals the model needs: the hub and, when the sample library has it, the defaults.
struct Globales {
    Global2 global{"/dev/null"};
    std::unique_ptr<ValoresPorDefecto> defectos;
    Globales() {
        gGlobal2 = &global;
        std::string ruta = std::string(ENVOLVENTE_FUENTES) + "/examples/lib/defectos.inp";
        struct stat st;
        if (::stat(ruta.c_str(), &st) == 0) {
            defectos = std::make_unique<ValoresPorDefecto>(ruta);
            gDefectos = defectos.get();
        }
    }
};

Globales& globales() {
    static Globales g;
    return g;
}

// Steps up to the partition flags: counts, names, functions, parameters, storeys, spaces,
// every element with its windows, conditions and space records.
class SoloColocacion : public Edificio {
public:
    SoloColocacion() { construirModelo("DEMANDA"); }
};

void contarElementos(benchmark::State& state, const Edificio& e) {
    state.counters["espacios"] = e.numEspacios();
    state.counters["elementos"] = static_cast<double>(e.elementos.size());
}

// The placement of a building read afresh each time (the reader's header index included).
void BM_Colocacion(benchmark::State& state) {
    globales();
    const std::string& fichero = ficheroGenerado(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto bdl = std::make_unique<LeerBDL>(fichero);
        gLeerBDL = bdl.get();
        state.ResumeTiming();
        SoloColocacion e;
        benchmark::DoNotOptimize(e.superficies.data());
        state.PauseTiming();
        contarElementos(state, e);
        gLeerBDL = nullptr;
        bdl.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Colocacion)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The whole construction, partitions and thermal bridges included.
void BM_ModeloCompleto(benchmark::State& state) {
    globales();
    const std::string& fichero = ficheroGenerado(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto bdl = std::make_unique<LeerBDL>(fichero);
        gLeerBDL = bdl.get();
        state.ResumeTiming();
        Edificio e("INDIRECTO", "DEMANDA", "clima.txt");
        benchmark::DoNotOptimize(e.registros().data());
        state.PauseTiming();
        contarElementos(state, e);
        gLeerBDL = nullptr;
        bdl.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ModeloCompleto)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// Loading the generated file into the reader, for comparison.
void BM_LecturaDelFichero(benchmark::State& state) {
    const std::string& fichero = ficheroGenerado(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LeerBDL bdl(fichero);
        benchmark::DoNotOptimize(bdl.texto());
    }
}
BENCHMARK(BM_LecturaDelFichero)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
