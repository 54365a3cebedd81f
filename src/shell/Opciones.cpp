#include "shell/Opciones.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <getopt.h>

namespace {

const option kLargas[] = {{"help", no_argument, nullptr, 'h'},
                          {"version", no_argument, nullptr, 'V'},
                          {"informe", required_argument, nullptr, 'o'},
                          {"revisar", no_argument, nullptr, 'r'},
                          {"silencioso", no_argument, nullptr, 'q'},
                          {"lote", required_argument, nullptr, 'l'},
                          {"trabajos", required_argument, nullptr, 'j'},
                          {"directorio", required_argument, nullptr, 'd'},
                          {"parte", required_argument, nullptr, 'p'},
                          {"tiempo-limite", required_argument, nullptr, 't'},
                          {"proceso-por-diseno", no_argument, nullptr, 'u'},
                          {nullptr, 0, nullptr, 0}};
// '+': options stop at the first operand; ':': a missing option argument is told apart.
const char* const kCortas = "+:hVo:rql:j:d:p:t:u";

bool llevaArgumento(char corta) {
    for (const char* c = kCortas; *c; ++c)
        if (*c == corta && c[1] == ':') return true;
    return false;
}

// The long option a name stands for, exact or an unambiguous prefix, as getopt_long takes it.
const option* opcionLarga(const std::string& nombre) {
    const option* unica = nullptr;
    int candidatas = 0;
    for (const option* o = kLargas; o->name; ++o) {
        if (nombre == o->name) return o;
        if (std::string(o->name).compare(0, nombre.size(), nombre) == 0) {
            unica = o;
            ++candidatas;
        }
    }
    return candidatas == 1 ? unica : nullptr;
}

// How many leading arguments are options (with their own arguments): those up to the first
// that does not begin with '-', is "-" alone or holds a comma; "--" counts and ends them.
std::size_t finDeOpciones(const std::vector<std::string>& a) {
    std::size_t i = 0;
    while (i < a.size()) {
        const std::string& x = a[i];
        if (x == "--") return i + 1;
        if (x.size() < 2 || x[0] != '-' || x.find(',') != std::string::npos) return i;
        bool saltaSiguiente = false;
        if (x[1] == '-') {
            const std::string nombre = x.substr(2, x.find('=') - 2);
            const option* o = opcionLarga(nombre);
            saltaSiguiente = o && o->has_arg == required_argument && x.find('=') == x.npos;
        } else {
            for (std::size_t k = 1; k < x.size(); ++k) {
                if (!llevaArgumento(x[k])) continue;
                saltaSiguiente = k + 1 == x.size();
                break;
            }
        }
        i += saltaSiguiente ? 2 : 1;
    }
    return a.size();
}

bool enteroPositivo(const std::string& t, int& v) {
    auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    return ec == std::errc() && fin == t.data() + t.size() && v > 0;
}

bool leerParte(const std::string& t, int& k, int& n) {
    const std::size_t barra = t.find('/');
    return barra != std::string::npos && enteroPositivo(t.substr(0, barra), k) &&
           enteroPositivo(t.substr(barra + 1), n) && k <= n;
}

bool leerSegundos(const std::string& t, double& s) {
    char* fin = nullptr;
    s = std::strtod(t.c_str(), &fin);
    return !t.empty() && *fin == '\0' && std::isfinite(s) && s >= 0.0;
}

// "-j/--trabajos": both forms of an option.
std::string nombreOpcion(int corta) {
    for (const option* o = kLargas; o->name; ++o)
        if (o->val == corta) return std::string("-") + static_cast<char>(corta) + "/--" + o->name;
    return std::string("-") + static_cast<char>(corta);
}

// Reads one option; false (with the reason) when it is unknown or its argument is wrong.
bool aplicar(Opciones& op, int c, const std::string& arg, bool& soloLote) {
    switch (c) {
    case 'h':
        op.accion = Opciones::Accion::Ayuda;
        return true;
    case 'V':
        if (op.accion != Opciones::Accion::Ayuda) op.accion = Opciones::Accion::Version;
        return true;
    case 'o':
        op.ejecucion.informe = arg;
        return !arg.empty();
    case 'r':
        op.ejecucion.revisar = true;
        return true;
    case 'q':
        op.ejecucion.silencioso = true;
        return true;
    case 'l':
        op.manifiesto = arg;
        return !arg.empty();
    case 'j':
        soloLote = true;
        return enteroPositivo(arg, op.trabajos);
    case 'd':
        soloLote = true;
        op.directorio = arg;
        return !arg.empty();
    case 'p':
        soloLote = true;
        return leerParte(arg, op.parte, op.partes);
    case 't':
        soloLote = true;
        return leerSegundos(arg, op.limiteSegundos);
    case 'u':
        soloLote = true;
        op.procesoPorDiseno = true;
        return true;
    default:
        return false;
    }
}

// Checks that hold between options and operands.
std::string comprobarConjunto(Opciones& op, bool soloLote, std::size_t operandos) {
    if (op.manifiesto.empty()) {
        if (soloLote) return "-j, -d, --parte, -t y -u solo valen con --lote";
        return "";
    }
    if (operandos > 0) return "con --lote no se dan argumentos de ejecución";
    if (!op.ejecucion.informe.empty() && op.ejecucion.informe[0] == '/')
        return "con --lote, -o da el nombre de una carpeta dentro de la de cada diseño";
    return "";
}

} // namespace

Opciones Opciones::analizar(const std::vector<std::string>& argumentos) {
    Opciones op;
    op.sinArgumentos = argumentos.empty();
    const std::size_t fin = finDeOpciones(argumentos);

    // getopt_long works on a C argument vector of its own, from the first option position.
    std::vector<std::string> copia(argumentos.begin(), argumentos.begin() + fin);
    copia.insert(copia.begin(), "envolvente");
    std::vector<char*> argv;
    for (std::string& a : copia) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(copia.size());
    optind = 0; // a full restart of the parser, as for a new program
    opterr = 0;
    bool soloLote = false;
    for (int c; (c = getopt_long(argc, argv.data(), kCortas, kLargas, nullptr)) != -1;) {
        if (c == ':') {
            op.accion = Accion::Error;
            op.error = "a la opción " + nombreOpcion(optopt) + " le falta su argumento";
            return op;
        }
        if (c == '?') {
            op.accion = Accion::Error;
            op.error = optopt ? "opción desconocida: -" + std::string(1, static_cast<char>(optopt))
                              : "opción desconocida o ambigua: " +
                                    copia[static_cast<std::size_t>(optind - 1)];
            return op;
        }
        const std::string valor = optarg ? optarg : "";
        if (!aplicar(op, c, valor, soloLote)) {
            op.accion = Accion::Error;
            op.error = "valor no válido para " + nombreOpcion(c) + ": «" + valor + "»";
            return op;
        }
    }
    const std::vector<std::string> operandos(argumentos.begin() + (optind - 1), argumentos.end());
    if (op.accion == Accion::Ayuda || op.accion == Accion::Version) return op;
    op.error = comprobarConjunto(op, soloLote, operandos.size());
    if (!op.error.empty()) {
        op.accion = Accion::Error;
        return op;
    }
    if (!op.manifiesto.empty()) {
        op.accion = Accion::Lote;
        return op;
    }

    // Five or six separate run arguments without commas stand for the argument string that
    // joins them with commas; anything else is the host's string, split by blanks on its way.
    op.posicional = operandos.size() == 5 || operandos.size() == 6;
    for (const std::string& a : operandos)
        if (a.find(',') != std::string::npos) op.posicional = false;
    const char separador = op.posicional ? ',' : ' ';
    for (std::size_t i = 0; i < operandos.size(); ++i) {
        if (i > 0) op.cadena += separador;
        op.cadena += operandos[i];
    }
    return op;
}

const char* Opciones::textoUso() {
    return "Uso: envolvente [OPCIONES] EDIFICIO CLIMA ZONA RESULTADOS LIMITES [DEFECTOS] "
           "(envolvente --help da la ayuda)\n";
}

const char* Opciones::textoAyuda() {
    return R"(Uso: envolvente [OPCIONES] EDIFICIO CLIMA ZONA RESULTADOS LIMITES [DEFECTOS]
     envolvente [OPCIONES] EDIFICIO,CLIMA,ZONA,RESULTADOS,LIMITES[,DEFECTOS]
     envolvente --lote MANIFIESTO [-j N] [-d DIR] [--parte K/N] [-t SEG] [OPCIONES]

Comprueba la envolvente térmica de un edificio frente a los requisitos mínimos del CTE-HE y
escribe en el fichero de resultados CUMPLE, o los fallos seguidos de NO CUMPLE.

Argumentos de ejecución:
  EDIFICIO    fichero de descripción del edificio (BDL)
  CLIMA       fichero climático: de texto, o binario DOE-2 si el nombre acaba en .bin
  ZONA        zona climática del fichero de límites (A3 … E1, o 1 … 7)
  RESULTADOS  fichero de resultados; Error.log y Particio.dat se escriben a su lado
  LIMITES     fichero de valores límite; su carpeta es la de biblioteca
  DEFECTOS    nombre del fichero de valores por defecto en la carpeta de biblioteca
              (defectos.inp si se omite)
Cinco o seis argumentos sin comas son los argumentos de ejecución, uno a uno; en otro caso
los argumentos se unen con blancos en una cadena que se divide por las comas. En la carpeta
de trabajo se escriben parametrosVALMOR.log y puentes.dat.

Opciones:
  -h, --help                muestra esta ayuda y termina
  -V, --version             muestra la versión y termina
  -q, --silencioso          sin línea de progreso en el terminal
  -o, --informe DIR         escribe DIR/informe.json y DIR/informe.html con cada número que
                            lleva al veredicto, también tras un error fatal
  -r, --revisar             lee el edificio y la biblioteca, coloca la geometría y da avisos
                            fichero:línea: aviso: ... en la salida de error; no escribe ningún
                            fichero ni veredicto (código 0, o 3 si un error fatal la detiene)

Lotes:
  -l, --lote MANIFIESTO     ejecuta cada diseño de un manifiesto CSV (- para la entrada
                            estándar) con la cabecera id,edificio,clima,zona,limites,defectos;
                            cada diseño en su carpeta DIR/<id>/
  -j, --trabajos N          diseños a la vez (por omisión, uno por núcleo)
  -d, --directorio DIR      carpeta del lote (por omisión, lote), con DIR/resumen.csv y
                            DIR/resumen.jsonl
  -p, --parte K/N           ejecuta solo la parte K de N del manifiesto
  -t, --tiempo-limite SEG   tiempo máximo por diseño en segundos (300; 0, sin límite)
  -u, --proceso-por-diseno  cada diseño en un proceso nuevo (por omisión, cada proceso
                            trabajador ejecuta hasta 100 diseños, uno tras otro)

Códigos de salida: 0 ejecución normal, sea cual sea el veredicto; 3 error fatal en los datos o
error de uso. Con --lote: 0 si todos los diseños se ejecutaron, 3 si alguno no llegó al final
(error fatal, caída o tiempo agotado) o si el manifiesto no se puede leer.
Más información en el manual: man envolvente
)";
}
