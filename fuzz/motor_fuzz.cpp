// libFuzzer target for the whole engine, run in-process. The input replaces the sample building
// file; if it contains a line "$$DEFECTOS$$", what follows that line replaces the defaults file
// of the library directory for that run (otherwise the sample defaults are used). Every run
// goes through Arranque::ejecutar like a real start, in a private working directory with a copy
// of the sample library and climate files. A normal end (0) and a fatal input error (3) are both
// accepted outcomes; a crash, a sanitizer report, a hang or another exit code is a finding.
//
// The engine's one-line fatal reports on standard error are silenced during the runs; set
// MOTOR_FUZZ_VERBOSO=1 to see them (e.g. when replaying a finding).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/Arranque.h"

namespace {

const char kSeparadorDefectos[] = "\n$$DEFECTOS$$\n";

struct Entorno {
    std::string origen, raiz, lib, trabajo, edificio, defectos, defectosOriginal, argumentos;
    bool verboso = false;
    int nulo = -1;
};
Entorno gEntorno;

std::string directorioDe(const std::string& ruta) {
    std::size_t p = ruta.find_last_of('/');
    return p == std::string::npos ? std::string(".") : ruta.substr(0, p);
}

std::string leer(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void escribir(const std::string& ruta, const char* datos, std::size_t n) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(datos, static_cast<std::streamsize>(n));
}

bool ejecutarOrden(const std::string& orden) {
    return std::system(orden.c_str()) == 0;
}

// The sample files: ENVOLVENTE_EJEMPLOS, or examples/ beside this source file's directory.
std::string directorioEjemplos() {
    if (const char* e = std::getenv("ENVOLVENTE_EJEMPLOS")) return e;
    return directorioDe(directorioDe(__FILE__)) + "/examples";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Entorno& e = gEntorno;
    e.verboso = std::getenv("MOTOR_FUZZ_VERBOSO") != nullptr;
    char plantilla[] = "/tmp/motor-fuzz-XXXXXX";
    if (!mkdtemp(plantilla)) {
        std::perror("mkdtemp");
        std::abort();
    }
    e.raiz = plantilla;
    e.lib = e.raiz + "/lib";
    e.trabajo = e.raiz + "/trabajo";
    const std::string ejemplos = directorioEjemplos();
    if (!ejecutarOrden("cp -r '" + ejemplos + "/lib' '" + e.lib + "' && cp -r '" + ejemplos +
                       "/clima' '" + e.raiz + "/clima' && mkdir -p '" + e.trabajo + "'")) {
        std::fprintf(stderr, "motor_fuzz: cannot copy the sample files of %s\n", ejemplos.c_str());
        std::abort();
    }
    e.edificio = e.raiz + "/edificio.bdl";
    e.defectos = e.lib + "/defectos.inp";
    e.defectosOriginal = leer(e.defectos);
    e.argumentos = e.edificio + "," + e.raiz + "/clima/D3.txt,D3," + e.trabajo +
                   "/resultados.txt," + e.lib + "/limites.lim,defectos.inp";
    char* actual = getcwd(nullptr, 0);
    if (!actual) {
        std::perror("getcwd");
        std::abort();
    }
    e.origen = actual;
    std::free(actual);
    e.nulo = open("/dev/null", O_WRONLY);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    Entorno& e = gEntorno;
    const std::string entrada(reinterpret_cast<const char*>(datos), n);
    std::size_t corte = entrada.find(kSeparadorDefectos);
    if (corte == std::string::npos) {
        escribir(e.edificio, entrada.data(), entrada.size());
        escribir(e.defectos, e.defectosOriginal.data(), e.defectosOriginal.size());
    } else {
        escribir(e.edificio, entrada.data(), corte);
        std::size_t inicio = corte + sizeof kSeparadorDefectos - 1;
        escribir(e.defectos, entrada.data() + inicio, entrada.size() - inicio);
    }

    int guardado = -1;
    if (!e.verboso && e.nulo >= 0) {
        std::fflush(stderr);
        guardado = dup(2);
        dup2(e.nulo, 2);
    }
    // The engine writes into the working directory; libFuzzer's paths are relative to the
    // caller's, so the run alone happens in the private one.
    if (chdir(e.trabajo.c_str()) != 0) std::abort();
    int codigo = Arranque::ejecutar(e.argumentos, e.trabajo + "/envolvente");
    if (chdir(e.origen.c_str()) != 0) std::abort();
    if (guardado >= 0) {
        std::fflush(stderr);
        dup2(guardado, 2);
        close(guardado);
    }
    if (codigo != 0 && codigo != 3) {
        std::fprintf(stderr, "motor_fuzz: unexpected exit code %d\n", codigo);
        std::abort();
    }
    return 0;
}
