#include "shell/Lote.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
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

// The signal state of a batch: SIGCHLD blocked (it is waited for with sigtimedwait) and at its
// default action, so that ended children stay to be reaped; restored at the end.
class SenalesDelLote {
public:
    SenalesDelLote() {
        sigemptyset(&hijos_);
        sigaddset(&hijos_, SIGCHLD);
        sigprocmask(SIG_BLOCK, &hijos_, &mascaraPrevia_);
        struct sigaction porDefecto {};
        porDefecto.sa_handler = SIG_DFL;
        sigaction(SIGCHLD, &porDefecto, &accionPrevia_);
    }
    ~SenalesDelLote() {
        sigaction(SIGCHLD, &accionPrevia_, nullptr);
        sigprocmask(SIG_SETMASK, &mascaraPrevia_, nullptr);
    }
    SenalesDelLote(const SenalesDelLote&) = delete;
    SenalesDelLote& operator=(const SenalesDelLote&) = delete;

    // In a child: the signal state of the batch's caller.
    void restaurarEnHijo() const {
        sigaction(SIGCHLD, &accionPrevia_, nullptr);
        sigprocmask(SIG_SETMASK, &mascaraPrevia_, nullptr);
    }
    void esperar(double segundos) const {
        timespec t;
        t.tv_sec = static_cast<time_t>(segundos);
        t.tv_nsec = static_cast<long>((segundos - static_cast<double>(t.tv_sec)) * 1e9);
        sigtimedwait(&hijos_, nullptr, &t);
    }

private:
    sigset_t hijos_, mascaraPrevia_;
    struct sigaction accionPrevia_ {};
};

// The signal state of the batch that is running, for its children to restore.
const SenalesDelLote* gSenales = nullptr;

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
}

Lote::~Lote() {
    for (const Activo& a : activos_) { // only when unwinding from an error
        kill(a.pid, SIGKILL);
        waitpid(a.pid, nullptr, 0);
    }
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
        std::size_t siguiente = 0;
        while (siguiente < disenos.size() || !activos_.empty()) {
            while (activos_.size() < static_cast<std::size_t>(op_.trabajos) &&
                   siguiente < disenos.size())
                lanzar(siguiente++);
            if (activos_.empty() || recoger()) continue;
            vigilarPlazos();
            esperar();
            mostrarProgreso(false);
        }
        gSenales = nullptr;
    }
    mostrarProgreso(true);
    cerrarResumen();
    disenos_ = nullptr;
    return resultados_;
}

void Lote::lanzar(std::size_t indice) {
    const Diseno& d = (*disenos_)[indice];
    ResultadoDiseno& r = resultados_[indice];
    r.id = d.id;
    r.carpeta = carpetaDe(d);
    Activo a;
    a.indice = indice;
    a.inicio = Reloj::now();
    std::error_code ec;
    fs::create_directories(r.carpeta, ec);
    std::fflush(nullptr); // nothing buffered here is to be written twice by the child
    a.pid = ec ? -1 : fork();
    if (a.pid == 0) hijo(d, r.carpeta);
    if (a.pid < 0) {
        terminar(a, -1);
        return;
    }
    activos_.push_back(a);
}

void Lote::hijo(const Diseno& d, const std::string& carpeta) {
    if (gSenales) gSenales->restaurarEnHijo();
    int codigo = kSinArrancar;
    if (chdir(carpeta.c_str()) == 0) {
        for (const char* f : kFicherosDelDiseno) unlink(f);
        const int fd = open(kSalida, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0 && dup2(fd, 1) >= 0 && dup2(fd, 2) >= 0) {
            close(fd);
            try {
                codigo = ejecutor_(d, kResultados);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s\n", e.what());
                codigo = 3;
            } catch (...) {
                codigo = 3;
            }
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(codigo & 0xFF);
}

// Reaps the children that have ended; true when there was any.
bool Lote::recoger() {
    bool alguno = false;
    for (std::size_t k = 0; k < activos_.size();) {
        int estado = 0;
        const pid_t p = waitpid(activos_[k].pid, &estado, WNOHANG);
        if (p == 0) {
            ++k;
            continue;
        }
        const Activo a = activos_[k];
        activos_.erase(activos_.begin() + static_cast<std::ptrdiff_t>(k));
        terminar(a, p < 0 ? -1 : estado);
        alguno = true;
    }
    return alguno;
}

// Records the end of a design; `estado` is its wait status, -1 when it never ran.
void Lote::terminar(const Activo& a, int estado) {
    ResultadoDiseno& r = resultados_[a.indice];
    r.segundos = std::chrono::duration<double>(Reloj::now() - a.inicio).count();
    if (estado < 0)
        r.codigo = kSinArrancar;
    else if (a.agotado)
        r.codigo = kTiempoAgotado;
    else if (WIFEXITED(estado))
        r.codigo = WEXITSTATUS(estado);
    else
        r.codigo = kSenal + (WIFSIGNALED(estado) ? WTERMSIG(estado) : 0);
    if (r.codigo == 0) leerVeredicto((fs::path(r.carpeta) / kResultados).string(), r);
    ++terminados_;
    if (r.codigo != 0) ++fallidos_;
    anotarResumen(r);
    mostrarProgreso(false);
}

void Lote::vigilarPlazos() {
    if (op_.limiteSegundos <= 0.0) return;
    const auto ahora = Reloj::now();
    for (Activo& a : activos_) {
        if (a.agotado ||
            std::chrono::duration<double>(ahora - a.inicio).count() < op_.limiteSegundos)
            continue;
        kill(a.pid, SIGKILL);
        a.agotado = true;
    }
}

// Sleeps until a child ends, the next time limit, or the next redraw of the progress bar.
void Lote::esperar() {
    double espera = op_.progreso ? 0.25 : 1.0;
    if (op_.limiteSegundos > 0.0) {
        const auto ahora = Reloj::now();
        for (const Activo& a : activos_) {
            const double resta =
                op_.limiteSegundos - std::chrono::duration<double>(ahora - a.inicio).count();
            if (!a.agotado) espera = std::min(espera, std::max(resta, 0.001));
        }
    }
    if (gSenales) gSenales->esperar(espera);
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
