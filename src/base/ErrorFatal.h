#pragma once
#include <exception>
#include <string>

#include "base/Lugar.h"

// The one error type of the engine. Whoever finds a fatal input error throws it with its
// message; it unwinds to the entry point, which reports it (standard error, "Error.log"), closes
// the run's files without a verdict and returns the exit code. Library code never calls exit.
class ErrorFatal : public std::exception {
public:
    // How the entry point reports the error.
    enum class Informe {
        Completo,        // the message on standard error and at the end of the error log
        SinMemoriaLector // "No hay suficiente memoria." on standard output, nothing in the log
    };

    explicit ErrorFatal(std::string mensaje, Informe informe = Informe::Completo)
        : mensaje_(std::move(mensaje)), informe_(informe) {}
    // What the report of a fatal error on standard error starts with, before the message.
    static constexpr const char* kPrefijo = "Se ha producido un error: ";

    int codigo() const { return kCodigoSalida; }
    const std::string& mensaje() const { return mensaje_; }
    Informe informe() const { return informe_; }
    const char* what() const noexcept override { return mensaje_.c_str(); }

    // What the raiser knows beyond the message, for the line that points into the input: the
    // place of the text at fault, and what the message does not say (what was being looked for:
    // a glass code, a polygon; or why). Neither changes the message.
    ErrorFatal& enLugar(Lugar lugar) {
        lugar_ = std::move(lugar);
        return *this;
    }
    ErrorFatal& conDetalle(std::string detalle) {
        detalle_ = std::move(detalle);
        return *this;
    }
    const Lugar& lugar() const { return lugar_; }
    const std::string& detalle() const { return detalle_; }

    // Exit code of a run that ended with a fatal error.
    static constexpr int kCodigoSalida = 3;

private:
    std::string mensaje_;
    Informe informe_;
    Lugar lugar_;
    std::string detalle_;
};

// The fatal helper: stops the run with the message.
[[noreturn]] void errorFatal(const std::string& mensaje);

// Fatal when the condition is false; returns only when it is true.
inline void comprobar(bool condicion, const std::string& mensaje) {
    if (!condicion) errorFatal(mensaje);
}
// The same for a fixed text, which is turned into a string only when the check fails.
inline void comprobar(bool condicion, const char* mensaje) {
    if (!condicion) errorFatal(mensaje);
}
// The same with the bare text "Error".
void comprobarSinMensaje(bool condicion);
// A failed internal check: it reaches the user with the generic text "Se ha producido un error".
void afirmar(bool condicion);
