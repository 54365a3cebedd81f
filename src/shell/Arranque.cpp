#include "shell/Arranque.h"

#include <cstdio>
#include <exception>
#include <optional>

#include "base/ErrorFatal.h"
#include "shell/Consola.h"
#include "shell/SalidaTexto.h"
#include "shell/TPrincipal.h"

std::vector<std::string> Arranque::dividir(const std::string& linea) {
    std::vector<std::string> tokens(1);
    for (char c : linea) {
        if (c == ',') {
            if (static_cast<int>(tokens.size()) >= kMaxTokens) break;
            tokens.emplace_back();
        } else if (c == ' ' && tokens.back().empty()) {
            continue;
        } else {
            tokens.back().push_back(c);
        }
    }
    return tokens;
}

std::vector<std::string> Arranque::argumentos(const std::vector<std::string>& tokens) {
    std::vector<std::string> args(6);
    args[5] = "defectos.inp";
    for (std::size_t i = 0; i < 5 && i < tokens.size(); ++i) args[i] = tokens[i];
    if (tokens.size() >= 6) args[5] = tokens[5];
    return args;
}

int Arranque::ejecutar(const std::string& linea, const std::string& ejecutable) {
    return ejecutar(linea, ejecutable, OpcionesEjecucion());
}

namespace {

// What a run leaves on standard error besides the fatal message: the warnings of a review, the
// line that points a fatal error into the input, the notes on files or a verdict not written.
void informar(const TPrincipal& principal, const ErrorFatal* error) {
    for (const Aviso& a : principal.avisos()) Consola::linea(a.linea());
    if (error) {
        Consola::mensajeError(error->mensaje());
        Consola::linea(PilaObjetos::explicar(*error, principal.marcosDelFallo()));
    }
    for (const std::string& n : principal.notas()) Consola::linea(n);
}

} // namespace

int Arranque::ejecutar(const std::string& linea, const std::string& ejecutable,
                       const OpcionesEjecucion& opciones) {
    // A review writes no file at all.
    if (std::FILE* log = opciones.revisar ? nullptr : std::fopen("parametrosVALMOR.log", "w")) {
        std::fputs(linea.c_str(), log);
        std::fputc('\n', log);
        std::fclose(log);
    }
    if (linea.empty()) return 0;
    if (linea == "--help" || linea == "-h") {
        SalidaTexto::escribir(stdout, Opciones::textoAyuda());
        return 0;
    }
    if (linea == "--version") {
        std::printf("envolvente %s\n", ENVOLVENTE_VERSION);
        return 0;
    }
    std::vector<std::string> args = argumentos(dividir(linea));
    TPrincipal principal(ejecutable);
    if (opciones.silencioso) principal.ocultarProgreso();
    principal.ponerClimasLeidos(opciones.climas);
    principal.ponerRevision(opciones.revisar);
    // A review writes no file, so no report either.
    if (!opciones.informe.empty() && !opciones.revisar)
        principal.ponerInforme(opciones.informe, linea);
    principal.PonerArgumentos(args[0], args[1], args[2], args[3], args[4], args[5]);
    // A fatal error is reported here: its message on standard error and at the end of the error
    // log, the files closed without a verdict, and the report when one was asked for. Any other
    // failure is reported the same way.
    std::optional<ErrorFatal> error;
    try {
        principal.Calcular();
        informar(principal, nullptr);
        return 0;
    } catch (const ErrorFatal& e) {
        if (e.informe() == ErrorFatal::Informe::SinMemoriaLector) {
            std::fputs("No hay suficiente memoria.\n", stdout);
            std::fflush(stdout);
            principal.liberar();
            return e.codigo();
        }
        error = e;
    } catch (const std::bad_alloc&) {
        error = ErrorFatal("Sin Memoria");
    } catch (const std::exception& e) {
        error = ErrorFatal(e.what());
    } catch (...) {
        error = ErrorFatal("Error");
    }
    principal.terminarConError(error->mensaje());
    informar(principal, &*error);
    return ErrorFatal::kCodigoSalida;
}
