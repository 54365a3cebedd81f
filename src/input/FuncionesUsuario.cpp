#include "input/FuncionesUsuario.h"

#include <muParser.h>

#include "base/ErrorFatal.h"

FuncionUsuario::FuncionUsuario() = default;
FuncionUsuario::~FuncionUsuario() = default;
FuncionUsuario::FuncionUsuario(FuncionUsuario&&) noexcept = default;
FuncionUsuario& FuncionUsuario::operator=(FuncionUsuario&&) noexcept = default;

void FuncionesUsuario::definir(std::vector<FuncionUsuario> funciones) {
    funciones_ = std::move(funciones);
    for (FuncionUsuario& f : funciones_) {
        if (f.parser) continue;
        f.valores.assign(f.variables.size(), 0.0);
        f.parser = std::make_unique<mu::Parser>();
        try {
            for (std::size_t i = 0; i < f.variables.size(); ++i)
                f.parser->DefineVar(f.variables[i], &f.valores[i]);
            f.parser->SetExpr(f.expresion);
            f.parser->Eval();
        } catch (const mu::Parser::exception_type& e) {
            errorFatal("Error en la funci\xF3n " + f.nombre + ": " + e.GetMsg());
        }
    }
}

int FuncionesUsuario::buscar(const std::string& nombre) const {
    for (std::size_t i = 0; i < funciones_.size(); ++i)
        if (funciones_[i].nombre == nombre) return static_cast<int>(i);
    return -1;
}
