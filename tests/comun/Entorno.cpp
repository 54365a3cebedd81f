#include "comun/Entorno.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/ErrorFatal.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

DirectorioTemporal::DirectorioTemporal() {
    std::string plantilla = "/tmp/envolvente-XXXXXX";
    if (!mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    ruta_ = plantilla;
}

DirectorioTemporal::~DirectorioTemporal() {
    std::string orden = "rm -rf '" + ruta_ + "'";
    if (std::system(orden.c_str()) != 0) std::perror("rm");
}

std::string DirectorioTemporal::escribir(const std::string& nombre,
                                         const std::string& contenido) const {
    std::string r = fichero(nombre);
    std::ofstream f(r, std::ios::binary);
    f << contenido;
    return r;
}

std::string leerFichero(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string mensajeFatal(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const ErrorFatal& e) {
        return e.mensaje();
    }
    return "(ninguno)";
}

std::string climaConstante() {
    std::string s = "clima de prueba\n40.4\n";
    s.reserve(8760 * 40);
    for (int h = 0; h < 8760; ++h) s += "1 1 1 10.0 0 0 0 0.005 0 2 180 0 90\n";
    return s;
}

bool existe(const std::string& ruta) {
    struct stat st;
    return ::stat(ruta.c_str(), &st) == 0;
}

HubDePrueba::HubDePrueba(const std::string& rutaErrorLog)
    : global_(std::make_unique<Global2>(rutaErrorLog)), globalPrevio_(gGlobal2),
      defectosPrevios_(gDefectos) {
    gGlobal2 = global_.get();
}

HubDePrueba::~HubDePrueba() {
    global_->cerrarSinVeredicto("");
    gGlobal2 = globalPrevio_;
    gDefectos = defectosPrevios_;
}

void HubDePrueba::ponerDefectos(std::unique_ptr<ValoresPorDefecto> d) {
    defectos_ = std::move(d);
    gDefectos = defectos_.get();
}

ResultadoEjecucion ejecutarMotor(const std::string& argumentos, const std::string& directorio) {
    return ejecutarMotor(std::vector<std::string>(), argumentos, directorio);
}

ResultadoEjecucion ejecutarMotor(const std::vector<std::string>& opciones,
                                 const std::string& argumentos, const std::string& directorio) {
    std::vector<std::string> args = opciones;
    if (!argumentos.empty()) args.push_back(argumentos);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(ENVOLVENTE_EXE));
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ResultadoEjecucion r;
    int tubo[2];
    if (pipe(tubo) != 0) return r;
    // Standard output goes to an anonymous file, read once the child has ended.
    struct Cerrar {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Cerrar> salida(std::tmpfile());
    if (!salida) return r;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(fileno(salida.get()), 1);
        dup2(tubo[1], 2);
        close(tubo[0]);
        close(tubo[1]);
        if (chdir(directorio.c_str()) != 0) _exit(127);
        execv(ENVOLVENTE_EXE, argv.data());
        _exit(127);
    }
    close(tubo[1]);
    char buf[4096];
    ssize_t n;
    while ((n = read(tubo[0], buf, sizeof buf)) > 0)
        r.salidaError.append(buf, static_cast<std::size_t>(n));
    close(tubo[0]);
    int estado = 0;
    waitpid(pid, &estado, 0);
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    std::rewind(salida.get());
    while ((n = static_cast<ssize_t>(std::fread(buf, 1, sizeof buf, salida.get()))) > 0)
        r.salida.append(buf, static_cast<std::size_t>(n));
    return r;
}
