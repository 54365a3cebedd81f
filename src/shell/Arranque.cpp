#include "shell/Arranque.h"

#include <cstdio>
#include <exception>

#include "base/ErrorFatal.h"
#include "shell/Consola.h"
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
    if (std::FILE* log = std::fopen("parametrosVALMOR.log", "w")) {
        std::fputs(linea.c_str(), log);
        std::fputc('\n', log);
        std::fclose(log);
    }
    if (linea.empty()) return 0;
    if (linea == "--help" || linea == "-h") {
        std::printf("Uso: envolvente EDIFICIO,CLIMA,ZONA,RESULTADOS,LIMITES[,DEFECTOS]\n"
                    "  EDIFICIO    fichero de descripcion del edificio (BDL)\n"
                    "  CLIMA       fichero climatico (texto, o binario DOE-2 con sufijo .bin)\n"
                    "  ZONA        zona climatica (p. ej. D3, o 1-7 fuera de Espana)\n"
                    "  RESULTADOS  fichero de resultados; Error.log se escribe a su lado\n"
                    "  LIMITES     fichero de valores limite; su directorio es el de biblioteca\n"
                    "  DEFECTOS    fichero de valores por defecto (defectos.inp) del directorio de "
                    "biblioteca\n"
                    "Codigos de salida: 0 ejecucion normal, 3 error fatal.\n");
        return 0;
    }
    if (linea == "--version") {
        std::printf("envolvente %s\n", ENVOLVENTE_VERSION);
        return 0;
    }
    std::vector<std::string> args = argumentos(dividir(linea));
    TPrincipal principal(ejecutable);
    principal.PonerArgumentos(args[0], args[1], args[2], args[3], args[4], args[5]);
    // A fatal error is reported here: its message on standard error and at the end of the error
    // log, the files closed without a verdict. Any other failure is reported the same way.
    std::string mensaje;
    try {
        principal.Calcular();
        return 0;
    } catch (const ErrorFatal& e) {
        if (e.informe() == ErrorFatal::Informe::SinMemoriaLector) {
            std::fputs("No hay suficiente memoria.\n", stdout);
            std::fflush(stdout);
            principal.liberar();
            return e.codigo();
        }
        mensaje = e.mensaje();
    } catch (const std::bad_alloc&) {
        mensaje = "Sin Memoria";
    } catch (const std::exception& e) {
        mensaje = e.what();
    } catch (...) {
        mensaje = "Error";
    }
    Consola::mensajeError(mensaje);
    principal.liberar(mensaje);
    return ErrorFatal::kCodigoSalida;
}
