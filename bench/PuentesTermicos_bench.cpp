// Thermal-bridge contours and partition detection on a synthetic grid of rooms: n x n rooms of
// 4 x 4 x 3 m on each storey, every room with its own floor, roof and four walls (so neighbouring
// rooms give coincident edges to merge), and the detection of the partitions between them.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/DetectorParticiones.h"
#include "building/Edificio.h"
#include "building/PuentesTermicos.h"
#include "building/Zona.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"
#include "geometry/ListaContornos.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// The run globals the bridges need: a hub, defaults with a small type table, and a building
// reader that knows the spaces of the largest grid (their space records look them up).
struct Globales {
    static constexpr int kMaxEspacios = 45 * 45;
    Globales() {
        char plantilla[] = "/tmp/puentes-bench-XXXXXX";
        int fd = mkstemp(plantilla);
        if (fd >= 0) {
            const char texto[] = "$ defectos\nNO-HABITABLES = ( \"GARAJE\" )\n";
            if (write(fd, texto, sizeof texto - 1) < 0) std::perror("write");
            close(fd);
        }
        global = std::make_unique<Global2>("/dev/null");
        gGlobal2 = global.get();
        defectos = std::make_unique<ValoresPorDefecto>(plantilla);
        std::remove(plantilla);
        gDefectos = defectos.get();
        const char* tipos[] = {"WINDOW-FRAME", "ISOLATED-WALL", "MASONRY", "SLAB", "UNDER-EXT"};
        for (const char* t : tipos) {
            TipoPuenteTermico f;
            f.nombre = std::string("\"") + t + "\"";
            f.tipo = t;
            f.ttl = 0.1f;
            f.anguloMin = 0;
            f.anguloMax = 360;
            defectos->puentes.push_back(f);
        }
        std::string bdl = "$ rejilla\n";
        for (int s = 0; s < kMaxEspacios; ++s)
            bdl += "\"S" + std::to_string(s) + "\" = SPACE\n   HEIGHT = 3.0\n   ..\n";
        lector = LeerBDL::desdeTexto(bdl);
        gLeerBDL = lector.get();
    }
    std::unique_ptr<Global2> global;
    std::unique_ptr<ValoresPorDefecto> defectos;
    std::unique_ptr<LeerBDL> lector;
};

Globales& globales() {
    static Globales g;
    return g;
}

class Rejilla : public Edificio {
public:
    // n x n rooms per storey, `plantas` storeys. conMuros: each room also gets its roof and four
    // walls as exterior elements (bridges); without them only the floors (partition detection).
    Rejilla(int n, int plantas, bool conMuros) {
        for (int p = 0; p < plantas; ++p)
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) habitacion(4.0f * i, 4.0f * j, 3.0f * p, conMuros);
    }

private:
    void habitacion(float x, float y, float z, bool conMuros) {
        int s = numEspacios();
        Espacio e;
        e.nombre = "\"S" + std::to_string(s) + "\"";
        e.nombrePlanta = "\"P\"";
        e.altura = 3.0f;
        e.zona = std::make_unique<Zona>(-1 - s, e.nombre, "", std::vector<std::string>{}, nullptr,
                                        nullptr, 0, 3.0f);
        espacios.push_back(std::move(e));
        const float X = x + 4.0f, Y = y + 4.0f, Z = z + 3.0f;
        elemento("underground_wall", s,
                 {Point3(x, y, z), Point3(x, Y, z), Point3(X, Y, z), Point3(X, y, z)});
        if (!conMuros) return;
        elemento("onedimensional_wall", s,
                 {Point3(x, y, Z), Point3(X, y, Z), Point3(X, Y, Z), Point3(x, Y, Z)});
        elemento("onedimensional_wall", s,
                 {Point3(x, y, z), Point3(X, y, z), Point3(X, y, Z), Point3(x, y, Z)});
        elemento("onedimensional_wall", s,
                 {Point3(X, y, z), Point3(X, Y, z), Point3(X, Y, Z), Point3(X, y, Z)});
        elemento("onedimensional_wall", s,
                 {Point3(X, Y, z), Point3(x, Y, z), Point3(x, Y, Z), Point3(X, Y, Z)});
        elemento("onedimensional_wall", s,
                 {Point3(x, Y, z), Point3(x, y, z), Point3(x, y, Z), Point3(x, Y, Z)});
    }
    void elemento(const char* tipo, int espacio, const std::vector<Point3>& nodos) {
        auto e = std::make_unique<Elemento>();
        e->tipo = tipo;
        e->lados = {static_cast<int>(elementos.size()), -1 - espacio};
        e->poligono = PoliArea::desdeNodos(nodos);
        registros_.push_back(e.get());
        elementos.push_back(std::move(e));
    }
};

void BM_PuentesTermicos(benchmark::State& estado) {
    globales();
    const int n = static_cast<int>(estado.range(0));
    long puentes = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        auto ed = std::make_unique<Rejilla>(n, 1, true);
        estado.ResumeTiming();
        PuentesTermicos(*ed, "/dev/null").ejecutar();
        puentes = static_cast<long>(ed->puentes.size());
        estado.PauseTiming();
        ed.reset();
        estado.ResumeTiming();
    }
    estado.counters["habitaciones"] = n * n;
    estado.counters["puentes"] = static_cast<double>(puentes);
    estado.SetComplexityN(n * n);
}
BENCHMARK(BM_PuentesTermicos)
    ->Arg(10)
    ->Arg(22)
    ->Arg(32)
    ->Arg(45)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_DetectorParticiones(benchmark::State& estado) {
    globales();
    const int n = static_cast<int>(estado.range(0));
    for (auto _ : estado) {
        estado.PauseTiming();
        auto ed = std::make_unique<Rejilla>(n, 1, false);
        estado.ResumeTiming();
        DetectorParticiones(*ed, "/dev/null").ejecutar();
        estado.PauseTiming();
        ed.reset();
        estado.ResumeTiming();
    }
    estado.counters["habitaciones"] = n * n;
    estado.SetComplexityN(n * n);
}
BENCHMARK(BM_DetectorParticiones)
    ->Arg(10)
    ->Arg(22)
    ->Arg(32)
    ->Arg(45)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// The merge of edges alone: through the index, and by scanning the whole list for every edge
// (what the index replaces), on the same edges.
void aristasDeRejilla(int n, std::vector<std::pair<Point3, Point3>>& aristas) {
    Rejilla r(n, 1, true);
    std::vector<std::pair<const Point3*, const Point3*>> a;
    for (Elemento* e : r.registros()) {
        ListaContornos::aristas(*e->poligono, a);
        for (const auto& par : a) aristas.emplace_back(*par.first, *par.second);
    }
}

void BM_FusionIndexada(benchmark::State& estado) {
    globales();
    std::vector<std::pair<Point3, Point3>> aristas;
    aristasDeRejilla(static_cast<int>(estado.range(0)), aristas);
    for (auto _ : estado) {
        ListaContornos l(1L << 40, IndiceSegmentos::celdaPara(4.0));
        for (std::size_t i = 0; i < aristas.size(); ++i)
            l.fusionar(aristas[i].first, aristas[i].second, static_cast<int>(i / 4));
        benchmark::DoNotOptimize(l.numero());
    }
    estado.SetComplexityN(static_cast<long>(aristas.size()));
}
BENCHMARK(BM_FusionIndexada)->Arg(10)->Arg(22)->Arg(32)->Unit(benchmark::kMillisecond);

void BM_FusionRecorridoCompleto(benchmark::State& estado) {
    std::vector<std::pair<Point3, Point3>> aristas;
    aristasDeRejilla(static_cast<int>(estado.range(0)), aristas);
    for (auto _ : estado) {
        // Equal-or-overlap test against every entry (the grid has no partial overlaps, so the
        // test alone is the cost being compared).
        std::vector<ElementContour> lista;
        for (std::size_t i = 0; i < aristas.size(); ++i) {
            ElementContour s(aristas[i].first, aristas[i].second);
            bool hallado = false;
            for (ElementContour& c : lista)
                if (s.solapa(c)) {
                    c.anadirTocante(static_cast<int>(i / 4));
                    hallado = true;
                    break;
                }
            if (!hallado) lista.push_back(s);
        }
        benchmark::DoNotOptimize(lista.size());
    }
}
BENCHMARK(BM_FusionRecorridoCompleto)->Arg(10)->Arg(22)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace
