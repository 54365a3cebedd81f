// Space records of a large building: construction from the building text, linking of the
// element records (every element looked at once for all spaces) and classification.
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

#include "building/Zona.h"
#include "envelope/Elemento.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"

namespace {

struct Modelo {
    std::unique_ptr<Global2> global;
    std::unique_ptr<LeerBDL> bdl;
    std::vector<std::unique_ptr<Elemento>> elementos;
    std::vector<Elemento*> registros;

    // n spaces in a row, each with four exterior walls, a roof and a partition to the next.
    explicit Modelo(int n) : global(std::make_unique<Global2>("/dev/null")) {
        gGlobal2 = global.get();
        std::string texto = "\n";
        for (int i = 0; i < n; ++i)
            texto += "\"E" + std::to_string(i) +
                     "\" = SPACE\n HEIGHT = 3\n CLASE-HIGROMETRIA = 4\n ..\n";
        bdl = LeerBDL::desdeTexto(texto);
        gLeerBDL = bdl.get();
        int numero = 0;
        for (int i = 0; i < n; ++i) {
            for (int k = 0; k < 5; ++k) {
                auto e = std::make_unique<Elemento>();
                e->nombre = "\"M" + std::to_string(numero) + "\"";
                e->lados = {numero++, -i - 1};
                registros.push_back(e.get());
                elementos.push_back(std::move(e));
            }
            if (i + 1 < n) {
                auto p = std::make_unique<Elemento>();
                p->lados = {-i - 2, -i - 1};
                registros.push_back(p.get());
                elementos.push_back(std::move(p));
            }
        }
    }
    ~Modelo() {
        gLeerBDL = nullptr;
        gGlobal2 = nullptr;
    }

    std::vector<std::unique_ptr<Zona>> zonas(int n) const {
        std::vector<std::unique_ptr<Zona>> z;
        for (int i = 0; i < n; ++i)
            z.push_back(std::make_unique<Zona>(-i - 1, "\"E" + std::to_string(i) + "\"", "",
                                               std::vector<std::string>{}, nullptr, nullptr, 2,
                                               3.0f));
        return z;
    }
};

void BM_ConstruirZonas(benchmark::State& estado) {
    const int n = static_cast<int>(estado.range(0));
    Modelo m(n);
    for (auto _ : estado) benchmark::DoNotOptimize(m.zonas(n));
    estado.SetComplexityN(n);
}
BENCHMARK(BM_ConstruirZonas)->RangeMultiplier(4)->Range(64, 4096)->Complexity();

void BM_EnlazarTodas(benchmark::State& estado) {
    const int n = static_cast<int>(estado.range(0));
    Modelo m(n);
    auto zonas = m.zonas(n);
    std::vector<Zona*> punteros;
    for (auto& z : zonas) punteros.push_back(z.get());
    for (auto _ : estado) {
        for (Elemento* e : m.registros) e->puentes.clear();
        Zona::enlazarTodas(punteros, m.registros);
        benchmark::DoNotOptimize(punteros.front()->elementos.data());
    }
    estado.SetComplexityN(n);
}
BENCHMARK(BM_EnlazarTodas)->RangeMultiplier(4)->Range(64, 4096)->Complexity();

// The same linking done space by space, each space scanning every record and reading the
// pillar values again: quadratic in the size of the building.
void BM_EnlazarUnaAUna(benchmark::State& estado) {
    const int n = static_cast<int>(estado.range(0));
    Modelo m(n);
    auto zonas = m.zonas(n);
    for (auto _ : estado) {
        for (Elemento* e : m.registros) e->puentes.clear();
        for (auto& z : zonas) z->enlazarElementos(m.registros);
        benchmark::DoNotOptimize(zonas.front()->elementos.data());
    }
    estado.SetComplexityN(n);
}
BENCHMARK(BM_EnlazarUnaAUna)->RangeMultiplier(4)->Range(64, 1024)->Complexity();

void BM_Clasificar(benchmark::State& estado) {
    const int n = static_cast<int>(estado.range(0));
    Modelo m(n);
    auto zonas = m.zonas(n);
    std::vector<Zona*> punteros;
    for (auto& z : zonas) punteros.push_back(z.get());
    Zona::enlazarTodas(punteros, m.registros);
    for (auto _ : estado) {
        int suma = 0;
        for (Zona* z : punteros)
            for (int k = 0; k < static_cast<int>(z->elementos.size()); ++k)
                suma += z->clasificarElemento(k, nullptr);
        benchmark::DoNotOptimize(suma);
    }
    estado.SetComplexityN(n);
}
BENCHMARK(BM_Clasificar)->RangeMultiplier(4)->Range(64, 4096)->Complexity();

} // namespace
