#include "shell/Lote.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "base/ErrorFatal.h"
#include "shell/SalidaTexto.h"

namespace fs = std::filesystem;

const char* const Lote::kResultados = "resultados.txt";
const char* const Lote::kSalida = "salida.txt";

namespace {

// Files of a design's folder that a previous batch may have left; removed before each run so
// that nothing stale is taken for this run's output.
const char* const kFicherosDelDiseno[] = {"resultados.txt",       "Error.log",
                                          "Particio.dat",         "puentes.dat",
                                          "parametrosVALMOR.log", "salida.txt"};

// The signal state of a batch: SIGCHLD at its default action, so that ended workers stay to be
// reaped, and SIGPIPE ignored, so that an order sent to a worker that has just died is an error
// to handle rather than the end of the batch; restored at the end.
class SenalesDelLote {
public:
    SenalesDelLote() {
        struct sigaction porDefecto {
        }, ignorar{};
        porDefecto.sa_handler = SIG_DFL;
        ignorar.sa_handler = SIG_IGN;
        sigaction(SIGCHLD, &porDefecto, &hijosPrevia_);
        sigaction(SIGPIPE, &ignorar, &tuberiaPrevia_);
    }
    ~SenalesDelLote() { restaurar(); }
    SenalesDelLote(const SenalesDelLote&) = delete;
    SenalesDelLote& operator=(const SenalesDelLote&) = delete;

    // Also in a worker: the signal state of the batch's caller.
    void restaurar() const {
        sigaction(SIGCHLD, &hijosPrevia_, nullptr);
        sigaction(SIGPIPE, &tuberiaPrevia_, nullptr);
    }

private:
    struct sigaction hijosPrevia_ {
    }, tuberiaPrevia_{};
};

// The signal state of the batch that is running, for its workers to restore.
const SenalesDelLote* gSenales = nullptr;

// A worker's answer for each design: the run's exit code, and whether the worker ends after it
// (a worker serves a bounded number of designs, so that whatever a run may leave behind in its
// process, memory or open files, never piles up).
struct Respuesta {
    std::int32_t codigo = 0;
    std::int32_t retirado = 0;
};

bool escribirTodo(int fd, const void* datos, std::size_t n) {
    const char* p = static_cast<const char*>(datos);
    while (n > 0) {
        const ssize_t k = write(fd, p, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

// Reads exactly n bytes; false at end of file or on an error.
bool leerTodo(int fd, void* datos, std::size_t n) {
    char* p = static_cast<char*>(datos);
    while (n > 0) {
        const ssize_t k = read(fd, p, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

void cerrar(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// The code of a design whose worker ended: its wait status, or the time limit.
int codigoDeEstado(int estado, bool agotado) {
    if (agotado) return Lote::kTiempoAgotado;
    if (WIFEXITED(estado)) return WEXITSTATUS(estado);
    return Lote::kSenal + (WIFSIGNALED(estado) ? WTERMSIG(estado) : 0);
}

std::string campoCsv(const std::string& v) {
    if (v.find_first_of(",\"\r\n") == std::string::npos && (v.empty() || v.front() != ' '))
        return v;
    std::string r = "\"";
    for (char c : v) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

std::string filaCsv(const ResultadoDiseno& r) {
    char segundos[32];
    std::snprintf(segundos, sizeof segundos, "%.3f", r.segundos);
    return campoCsv(r.id) + "," + std::to_string(r.codigo) + "," + r.veredicto + "," +
           (r.fallos < 0 ? "" : std::to_string(r.fallos)) + "," + segundos + "," +
           campoCsv(r.carpeta) + "\n";
}

std::string filaJson(const ResultadoDiseno& r) {
    nlohmann::ordered_json j;
    j["id"] = SalidaTexto::comoUtf8(r.id);
    j["codigo"] = r.codigo;
    j["veredicto"] = r.veredicto;
    j["fallos"] = r.fallos < 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(r.fallos);
    j["segundos"] = std::round(r.segundos * 1000.0) / 1000.0;
    j["carpeta"] = SalidaTexto::comoUtf8(r.carpeta);
    return j.dump() + "\n";
}

const char* const kCabeceraCsv = "id,codigo,veredicto,fallos,segundos,carpeta\n";

std::FILE* abrir(const std::string& ruta) {
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) throw ErrorFatal("no se puede escribir el resumen " + ruta);
    return f;
}

} // namespace

Lote::Lote(OpcionesLote opciones, Ejecutor ejecutor)
    : op_(std::move(opciones)), ejecutor_(std::move(ejecutor)) {
    if (op_.trabajos < 1) op_.trabajos = 1;
    if (op_.disenosPorTrabajador < 1) op_.disenosPorTrabajador = 1;
}

Lote::~Lote() {
    for (Trabajador& t : trabajadores_) despedir(t, true); // only when unwinding from an error
    if (csv_) std::fclose(csv_);
    if (jsonl_) std::fclose(jsonl_);
}

std::string Lote::carpetaDe(const Diseno& d) const {
    return (fs::path(op_.directorio) / d.id).string();
}

std::vector<ResultadoDiseno> Lote::ejecutar(const std::vector<Diseno>& disenos) {
    disenos_ = &disenos;
    resultados_.assign(disenos.size(), ResultadoDiseno());
    terminados_ = fallidos_ = 0;
    abrirResumen();
    inicio_ = ultimoProgreso_ = Reloj::now();
    {
        SenalesDelLote senales;
        gSenales = &senales;
        trabajadores_.assign(static_cast<std::size_t>(op_.trabajos), Trabajador());
        std::size_t siguiente = 0;
        while (siguiente < disenos.size() || ocupados() > 0) {
            for (Trabajador& t : trabajadores_)
                if (!t.ocupado && siguiente < disenos.size()) encargar(t, siguiente++);
            if (ocupados() == 0) continue;
            vigilarPlazos();
            esperar();
            mostrarProgreso(false);
        }
        for (Trabajador& t : trabajadores_) despedir(t, false);
        trabajadores_.clear();
        gSenales = nullptr;
    }
    mostrarProgreso(true);
    cerrarResumen();
    disenos_ = nullptr;
    return resultados_;
}

std::size_t Lote::ocupados() const {
    return static_cast<std::size_t>(std::count_if(trabajadores_.begin(), trabajadores_.end(),
                                                  [](const Trabajador& t) { return t.ocupado; }));
}

// Gives a design to a worker, starting one if it has no process; a design that cannot be given
// (no folder, no process) ends at once as not started.
void Lote::encargar(Trabajador& t, std::size_t indice) {
    const Diseno& d = (*disenos_)[indice];
    ResultadoDiseno& r = resultados_[indice];
    r.id = d.id;
    r.carpeta = carpetaDe(d);
    const auto inicio = Reloj::now();
    std::error_code ec;
    fs::create_directories(r.carpeta, ec);
    const std::uint64_t orden = indice;
    bool encargado = false;
    // A worker that died between two designs is replaced once.
    for (int intento = 0; !ec && !encargado && intento < 2; ++intento) {
        if (!t.pid && !arrancar(t)) break;
        encargado = escribirTodo(t.ordenes, &orden, sizeof orden);
        if (!encargado) despedir(t, true);
    }
    if (!encargado) {
        terminar(indice, inicio, kSinArrancar);
        return;
    }
    t.ocupado = true;
    t.indice = indice;
    t.inicio = inicio;
    t.agotado = false;
}

bool Lote::arrancar(Trabajador& t) {
    int ordenes[2], respuestas[2];
    if (pipe(ordenes) != 0) return false;
    if (pipe(respuestas) != 0) {
        close(ordenes[0]);
        close(ordenes[1]);
        return false;
    }
    std::fflush(nullptr); // nothing buffered here is to be written twice by the worker
    const pid_t pid = fork();
    if (pid == 0) {
        for (Trabajador& otro : trabajadores_) { // the other workers' pipes are not its own
            cerrar(otro.ordenes);
            cerrar(otro.respuestas);
        }
        close(ordenes[1]);
        close(respuestas[0]);
        trabajar(ordenes[0], respuestas[1]);
    }
    close(ordenes[0]);
    close(respuestas[1]);
    if (pid < 0) {
        close(ordenes[1]);
        close(respuestas[0]);
        return false;
    }
    t.pid = pid;
    t.ordenes = ordenes[1];
    t.respuestas = respuestas[0];
    return true;
}

// The worker's loop: runs each design it is given and answers with the run's exit code, until
// the batch closes its orders.
void Lote::trabajar(int ordenes, int respuestas) {
    if (gSenales) gSenales->restaurar();
    const int inicial = open(".", O_RDONLY | O_DIRECTORY);
    const int nulo = open("/dev/null", O_WRONLY);
    std::uint64_t indice = 0;
    for (int hechos = 1; leerTodo(ordenes, &indice, sizeof indice) && indice < disenos_->size();
         ++hechos) {
        const std::size_t i = static_cast<std::size_t>(indice);
        Respuesta respuesta;
        respuesta.codigo = ejecutarEnCarpeta((*disenos_)[i], carpetaDe((*disenos_)[i]));
        respuesta.retirado = hechos >= op_.disenosPorTrabajador;
        // Back to the batch's folder, and nothing more into this design's salida.txt.
        if (inicial < 0 || fchdir(inicial) != 0) _exit(kSinArrancar);
        if (nulo >= 0) {
            dup2(nulo, 1);
            dup2(nulo, 2);
        }
        if (!escribirTodo(respuestas, &respuesta, sizeof respuesta) || respuesta.retirado) break;
    }
    _exit(0);
}

int Lote::ejecutarEnCarpeta(const Diseno& d, const std::string& carpeta) {
    if (chdir(carpeta.c_str()) != 0) return kSinArrancar;
    for (const char* f : kFicherosDelDiseno) unlink(f);
    const int fd = open(kSalida, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || dup2(fd, 1) < 0 || dup2(fd, 2) < 0) {
        if (fd >= 0) close(fd);
        return kSinArrancar;
    }
    close(fd);
    int codigo = 3;
    try {
        codigo = ejecutor_(d, kResultados);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
    }
    std::fflush(stdout);
    std::fflush(stderr);
    return codigo & 0xFF;
}

// What a worker said: the exit code of its design, or its end (a crash, the time limit, or an
// exit of its own), which ends the design it was running.
void Lote::atender(Trabajador& t) {
    Respuesta respuesta;
    if (leerTodo(t.respuestas, &respuesta, sizeof respuesta)) {
        t.ocupado = false;
        // An answer at the time limit: the worker has been killed all the same.
        if (t.agotado || respuesta.retirado) despedir(t, t.agotado);
        terminar(t.indice, t.inicio, t.agotado ? kTiempoAgotado : respuesta.codigo);
        return;
    }
    const bool agotado = t.agotado;
    const int estado = [&] {
        int e = 0;
        cerrar(t.ordenes);
        cerrar(t.respuestas);
        return waitpid(t.pid, &e, 0) == t.pid ? e : -1;
    }();
    t.pid = 0;
    if (!t.ocupado) return;
    t.ocupado = false;
    terminar(t.indice, t.inicio,
             estado < 0 && !agotado ? kSinArrancar : codigoDeEstado(estado, agotado));
}

// Ends a worker: closing its orders lets it finish; `matar` does not wait for that.
void Lote::despedir(Trabajador& t, bool matar) {
    cerrar(t.ordenes);
    cerrar(t.respuestas);
    if (t.pid > 0) {
        if (matar) kill(t.pid, SIGKILL);
        waitpid(t.pid, nullptr, 0);
    }
    t.pid = 0;
    t.ocupado = false;
}

// Records the end of a design with its exit code.
void Lote::terminar(std::size_t indice, Reloj::time_point inicio, int codigo) {
    ResultadoDiseno& r = resultados_[indice];
    r.segundos = std::chrono::duration<double>(Reloj::now() - inicio).count();
    r.codigo = codigo;
    if (r.codigo == 0) leerVeredicto((fs::path(r.carpeta) / kResultados).string(), r);
    ++terminados_;
    if (r.codigo != 0) ++fallidos_;
    anotarResumen(r);
    mostrarProgreso(false);
}

void Lote::vigilarPlazos() {
    if (op_.limiteSegundos <= 0.0) return;
    const auto ahora = Reloj::now();
    for (Trabajador& t : trabajadores_) {
        if (!t.ocupado || t.agotado ||
            std::chrono::duration<double>(ahora - t.inicio).count() < op_.limiteSegundos)
            continue;
        kill(t.pid, SIGKILL);
        t.agotado = true;
    }
}

// Waits until a worker answers or ends, the next time limit, or the next redraw of the progress
// bar; then hears every worker that has something to say.
void Lote::esperar() {
    double espera = op_.progreso ? 0.25 : 1.0;
    std::vector<pollfd> fds;
    std::vector<Trabajador*> quien;
    const auto ahora = Reloj::now();
    for (Trabajador& t : trabajadores_) {
        if (!t.ocupado) continue;
        fds.push_back({t.respuestas, POLLIN, 0});
        quien.push_back(&t);
        if (op_.limiteSegundos > 0.0 && !t.agotado) {
            const double resta =
                op_.limiteSegundos - std::chrono::duration<double>(ahora - t.inicio).count();
            espera = std::min(espera, std::max(resta, 0.001));
        }
    }
    const int ms = static_cast<int>(std::ceil(espera * 1000.0));
    if (poll(fds.data(), fds.size(), ms) <= 0) return;
    for (std::size_t k = 0; k < fds.size(); ++k)
        if (fds[k].revents) atender(*quien[k]);
}

void Lote::leerVeredicto(const std::string& ruta, ResultadoDiseno& r) {
    r.veredicto.clear();
    r.fallos = -1;
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return;
    std::ostringstream s;
    s << f.rdbuf();
    const std::string t = s.str();
    const std::size_t fin = t.rfind('\n');
    const std::string ultima = fin == std::string::npos ? t : t.substr(fin + 1);
    if (ultima != "CUMPLE" && ultima != "NO CUMPLE") return;
    r.veredicto = ultima;
    r.fallos = static_cast<int>(std::count(t.begin(), t.end(), '\n'));
}

int Lote::codigoSalida(const std::vector<ResultadoDiseno>& resultados) {
    for (const ResultadoDiseno& r : resultados)
        if (r.codigo != 0) return ErrorFatal::kCodigoSalida;
    return 0;
}

void Lote::abrirResumen() {
    std::error_code ec;
    fs::create_directories(op_.directorio, ec);
    const fs::path base = fs::path(op_.directorio) / op_.nombreResumen;
    csv_ = abrir(base.string() + ".csv");
    jsonl_ = abrir(base.string() + ".jsonl");
    std::fputs(kCabeceraCsv, csv_);
    std::fflush(csv_);
}

void Lote::anotarResumen(const ResultadoDiseno& r) {
    std::fputs(filaCsv(r).c_str(), csv_);
    std::fputs(filaJson(r).c_str(), jsonl_);
    std::fflush(csv_);
    std::fflush(jsonl_);
}

// Rewrites the summary in the designs' order (it was written in the order they ended).
void Lote::cerrarResumen() {
    std::fclose(csv_);
    std::fclose(jsonl_);
    csv_ = jsonl_ = nullptr;
    const std::string base = (fs::path(op_.directorio) / op_.nombreResumen).string();
    std::string csv = kCabeceraCsv, jsonl;
    for (const ResultadoDiseno& r : resultados_) {
        csv += filaCsv(r);
        jsonl += filaJson(r);
    }
    for (const auto& [extension, texto] : {std::pair{".csv", &csv}, std::pair{".jsonl", &jsonl}}) {
        const std::string ruta = base + extension, temporal = ruta + ".tmp";
        std::FILE* f = abrir(temporal);
        const bool escrito = std::fwrite(texto->data(), 1, texto->size(), f) == texto->size();
        if (std::fclose(f) != 0 || !escrito || std::rename(temporal.c_str(), ruta.c_str()) != 0)
            throw ErrorFatal("no se puede escribir el resumen " + ruta);
    }
}

void Lote::mostrarProgreso(bool final) {
    if (!op_.progreso || !disenos_) return;
    const auto ahora = Reloj::now();
    if (!final && ahora - ultimoProgreso_ < std::chrono::milliseconds(100)) return;
    ultimoProgreso_ = ahora;
    const std::size_t total = disenos_->size();
    const double t = std::chrono::duration<double>(ahora - inicio_).count();
    const double ritmo = t > 0.0 ? static_cast<double>(terminados_) / t : 0.0;
    const int ancho = 24;
    const int lleno = total ? static_cast<int>(terminados_ * ancho / total) : ancho;
    char decimal[32], linea[200];
    std::snprintf(decimal, sizeof decimal, "%.1f", ritmo);
    std::replace(decimal, decimal + std::strlen(decimal), '.', ','); // a decimal comma
    std::snprintf(linea, sizeof linea, "\r[%s%s] %zu/%zu · %zu fallidos · %s diseños/s",
                  std::string(static_cast<std::size_t>(lleno), '#').c_str(),
                  std::string(static_cast<std::size_t>(ancho - lleno), '.').c_str(), terminados_,
                  total, fallidos_, decimal);
    std::string texto = linea;
    if (final) {
        texto += " · en " + std::to_string(static_cast<long>(std::lround(t))) + " s\033[K\n";
    } else if (ritmo > 0.0) {
        const long quedan = std::lround(static_cast<double>(total - terminados_) / ritmo);
        char resto[64];
        std::snprintf(resto, sizeof resto, " · quedan %ld:%02ld\033[K", quedan / 60, quedan % 60);
        texto += resto;
    }
    SalidaTexto::escribir(stderr, texto);
}
