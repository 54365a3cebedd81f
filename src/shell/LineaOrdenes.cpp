#include "shell/LineaOrdenes.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sched.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "base/ErrorFatal.h"
#include "climate/Meteo.h"
#include "shell/Arranque.h"
#include "shell/Consola.h"
#include "shell/Lote.h"
#include "shell/Manifiesto.h"
#include "shell/Opciones.h"
#include "shell/SalidaTexto.h"

namespace {

// "resumen-parte-03-de-12": shard numbers padded to the width of N, so that the summaries of
// the shards sort in their order.
std::string nombreResumen(int k, int n) {
    if (n == 0) return "resumen";
    std::string kk = std::to_string(k);
    const std::string nn = std::to_string(n);
    kk.insert(0, nn.size() - kk.size(), '0');
    return "resumen-parte-" + kk + "-de-" + nn;
}

// The climate files that at least two designs name, read once (at most kClimasCompartidos of
// them, the most used first, so that memory stays bounded). Only regular files: a missing one
// is each design's own fatal error.
constexpr std::size_t kClimasCompartidos = 256;

ClimasLeidos leerClimasCompartidos(const std::vector<Diseno>& disenos) {
    std::map<std::string, int> usos;
    for (const Diseno& d : disenos) ++usos[d.clima];
    std::vector<std::pair<int, std::string>> orden;
    for (const auto& [ruta, n] : usos)
        if (n >= 2) orden.emplace_back(-n, ruta);
    std::sort(orden.begin(), orden.end());
    if (orden.size() > kClimasCompartidos) orden.resize(kClimasCompartidos);
    ClimasLeidos climas;
    for (const auto& [n, ruta] : orden) {
        struct stat st;
        if (::stat(ruta.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        auto meteo = std::make_shared<Meteo>();
        try {
            meteo->leerClima(ruta);
        } catch (const ErrorFatal&) {
            continue; // a climate that cannot be read is each design's own fatal error
        }
        meteo->valoresMensuales();
        climas.emplace(ruta, std::move(meteo));
    }
    return climas;
}

} // namespace

int LineaOrdenes::nucleos() {
    cpu_set_t cpus;
    if (sched_getaffinity(0, sizeof cpus, &cpus) == 0 && CPU_COUNT(&cpus) > 0)
        return CPU_COUNT(&cpus);
    const unsigned n = std::thread::hardware_concurrency();
    return n > 0 ? static_cast<int>(n) : 1;
}

int LineaOrdenes::ejecutar(int argc, char** argv) {
    const std::string ejecutable = argc > 0 ? argv[0] : "";
    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i) argumentos.emplace_back(argv[i]);
    const Opciones op = Opciones::analizar(argumentos);
    switch (op.accion) {
    case Opciones::Accion::Ayuda:
        SalidaTexto::escribir(stdout, Opciones::textoAyuda());
        return 0;
    case Opciones::Accion::Version:
        std::printf("envolvente %s\n", ENVOLVENTE_VERSION);
        return 0;
    case Opciones::Accion::Error:
        SalidaTexto::escribir(stderr, "envolvente: " + op.error + "\n" + Opciones::textoUso());
        return ErrorFatal::kCodigoSalida;
    case Opciones::Accion::Lote:
        return ejecutarLote(op, ejecutable);
    case Opciones::Accion::Ejecutar:
        break;
    }
    // Nothing at all at a terminal: a person typed the bare name. A host application's empty
    // string still ends at once with code 0, as it always has.
    if (op.sinArgumentos && Consola::esTerminal())
        SalidaTexto::escribir(stderr, Opciones::textoUso());
    return Arranque::ejecutar(op.cadena, ejecutable, op.ejecucion);
}

int LineaOrdenes::ejecutarLote(const Opciones& op, const std::string& ejecutable) {
    try {
        std::vector<Diseno> disenos = Manifiesto::leerFichero(op.manifiesto);
        if (op.partes > 0) disenos = Manifiesto::parte(disenos, op.parte, op.partes);
        OpcionesLote ol;
        ol.trabajos = op.trabajos > 0 ? op.trabajos : nucleos();
        ol.directorio = op.directorio;
        ol.limiteSegundos = op.limiteSegundos;
        if (op.procesoPorDiseno) ol.disenosPorTrabajador = 1;
        ol.progreso = !op.ejecucion.silencioso && Consola::esTerminal();
        ol.nombreResumen = nombreResumen(op.parte, op.partes);
        // The climate files that the designs share are read here, once, before the workers
        // are forked: every run of every worker uses these readings in place.
        const ClimasLeidos climas = leerClimasCompartidos(disenos);
        OpcionesEjecucion ejecucion = op.ejecucion;
        ejecucion.climas = &climas;
        ejecucion.silencioso = true;
        Lote lote(ol, [&](const Diseno& d, const std::string& resultados) {
            const std::string cadena = d.edificio + "," + d.clima + "," + d.zona + "," +
                                       resultados + "," + d.limites + "," + d.defectos;
            return Arranque::ejecutar(cadena, ejecutable, ejecucion);
        });
        return Lote::codigoSalida(lote.ejecutar(disenos));
    } catch (const ErrorFatal& e) {
        SalidaTexto::escribir(stderr, "envolvente: " + e.mensaje() + "\n");
        return e.codigo();
    }
}
