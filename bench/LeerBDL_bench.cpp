// Cutting objects by name out of a large building text: the per-element lookup that the
// building model does thousands of times.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "input/LeerBDL.h"

namespace {

// A building text of about 5 MB: floors, spaces, walls and windows with the usual keys, and a
// SET-DEFAULT block per element type at the end.
struct Edificio {
    std::string texto;
    std::vector<std::string> muros; // quoted names of the walls
};

const Edificio& edificio() {
    static const Edificio e = [] {
        Edificio r;
        r.texto.reserve(5600000);
        r.texto += " $ generated building\n";
        char buf[512];
        int nEspacio = 0, nMuro = 0;
        for (int planta = 0; r.texto.size() < 5000000; ++planta) {
            std::snprintf(buf, sizeof buf,
                          "\"P%02d\" = FLOOR\n   Z = %d.0\n   SPACE-HEIGHT = 3.0\n   ..\n", planta,
                          3 * planta);
            r.texto += buf;
            for (int s = 0; s < 40; ++s, ++nEspacio) {
                std::snprintf(buf, sizeof buf,
                              "\"P%02d_E%05d\" = SPACE\n   TYPE = CONDITIONED\n"
                              "   POLYGON = \"P%02d_E%05d_POL\"\n   HEIGHT = 3.0\n"
                              "   SPACE-CONDITIONS = \"RESIDENCIAL\"\n   ..\n",
                              planta, nEspacio, planta, nEspacio);
                r.texto += buf;
                for (int m = 0; m < 4; ++m, ++nMuro) {
                    std::snprintf(buf, sizeof buf,
                                  "\"P%02d_E%05d_M%d\" = EXTERIOR-WALL\n"
                                  "   CONSTRUCTION = \"FACHADA-LADRILLO\"\n"
                                  "   LOCATION = SPACE-V%d\n   ABSORPTANCE = 0.6\n   ..\n",
                                  planta, nEspacio, m, m + 1);
                    r.texto += buf;
                    r.muros.push_back(
                        std::string(buf).substr(0, std::string(buf).find('"', 1) + 1));
                    if (m % 2 == 0) {
                        std::snprintf(buf, sizeof buf,
                                      "\"P%02d_E%05d_M%d_V\" = WINDOW\n   X = 1.0\n   Y = 1.0\n"
                                      "   HEIGHT = 1.2\n   WIDTH = 1.5\n"
                                      "   GLASS-TYPE = \"DOBLE-4-12-4\"\n   ..\n",
                                      planta, nEspacio, m);
                        r.texto += buf;
                    }
                }
            }
        }
        r.texto += "SET-DEFAULT FOR EXTERIOR-WALL\n   ABSORPTANCE = 0.7\n   HEIGHT = 3.0\n ..\n";
        r.texto += "SET-DEFAULT FOR WINDOW\n   FRAME-WIDTH = 0.08\n ..\n";
        return r;
    }();
    return e;
}

// 10,000 walls spread over the whole text, in a scattered order.
std::vector<std::string> nombresBuscados() {
    const std::vector<std::string>& m = edificio().muros;
    std::vector<std::string> r;
    r.reserve(10000);
    for (std::size_t i = 0; i < 10000; ++i) r.push_back(m[(i * 7919u) % m.size()]);
    return r;
}

void BM_CargarTexto(benchmark::State& st) {
    const std::string& t = edificio().texto;
    for (auto _ : st) benchmark::DoNotOptimize(LeerBDL::desdeTexto(t));
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * static_cast<int64_t>(t.size()));
}
BENCHMARK(BM_CargarTexto)->Unit(benchmark::kMillisecond);

// First object query of a fresh reader: builds the header index.
void BM_ConstruirIndice(benchmark::State& st) {
    for (auto _ : st) {
        st.PauseTiming();
        auto r = LeerBDL::desdeTexto(edificio().texto);
        st.ResumeTiming();
        benchmark::DoNotOptimize(r->cuentaObjetos("SPACE"));
    }
}
BENCHMARK(BM_ConstruirIndice)->Unit(benchmark::kMillisecond);

// The measure that matters: 10,000 objects cut out by name (index already built), each read.
void BM_Cortar10000Objetos(benchmark::State& st) {
    auto r = LeerBDL::desdeTexto(edificio().texto);
    std::vector<std::string> nombres = nombresBuscados();
    r->cuentaObjetos("EXTERIOR-WALL");
    for (auto _ : st) {
        float suma = 0;
        for (const std::string& n : nombres) {
            auto o = LeerBDL::objeto(*r, "EXTERIOR-WALL", n);
            float a = 0;
            o->dameReal("ABSORPTANCE", a);
            suma += a;
        }
        benchmark::DoNotOptimize(suma);
    }
    st.counters["bytes_texto"] = static_cast<double>(r->longitud());
}
BENCHMARK(BM_Cortar10000Objetos)->Unit(benchmark::kMillisecond);

// The same cut by plain search, for 100 names (a full 10,000 would take minutes).
void BM_Cortar100ObjetosSinIndice(benchmark::State& st) {
    auto r = LeerBDL::desdeTexto(edificio().texto);
    r->usarIndice(false);
    std::vector<std::string> nombres = nombresBuscados();
    nombres.resize(100);
    for (auto _ : st)
        for (const std::string& n : nombres)
            benchmark::DoNotOptimize(LeerBDL::objeto(*r, "EXTERIOR-WALL", n));
}
BENCHMARK(BM_Cortar100ObjetosSinIndice)->Unit(benchmark::kMillisecond);

void BM_RecorrerYExtension(benchmark::State& st) {
    auto r = LeerBDL::desdeTexto(edificio().texto);
    for (auto _ : st) {
        int n = r->cuentaObjetos("SPACE"), total = 0;
        r->inicioObjetos();
        std::string nombre;
        for (int i = 0; i < n; ++i) {
            r->siguienteObjeto(nombre, "SPACE");
            int a, b;
            r->extensionObjeto("SPACE", nombre, a, b);
            total += r->cuentaObjetosAntes(a, b, "WINDOW");
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_RecorrerYExtension)->Unit(benchmark::kMillisecond);

} // namespace
