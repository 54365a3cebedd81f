#pragma once
#include <memory>
#include <string>
#include <vector>

namespace mu {
class Parser;
}

// One FUNCTION object of the building file, compiled for evaluation.
struct FuncionUsuario {
    std::string nombre;
    std::string expresion;
    std::vector<std::string> variables;
    std::vector<double> valores; // storage bound to the parser's variables, one per name
    std::unique_ptr<mu::Parser> parser;
    FuncionUsuario();
    ~FuncionUsuario();
    FuncionUsuario(FuncionUsuario&&) noexcept;
    FuncionUsuario& operator=(FuncionUsuario&&) noexcept;
};

// The function table of the run: the user formulas of the building file, one muParser each.
class FuncionesUsuario {
public:
    // Takes the functions and compiles those not compiled yet; an expression muParser rejects
    // stops the run with "Error en la función " + name + ": " + the parser's message.
    void definir(std::vector<FuncionUsuario> funciones);
    // Index of the function of that exact name, or -1.
    int buscar(const std::string& nombre) const;
    std::vector<FuncionUsuario>& todas() { return funciones_; }

private:
    std::vector<FuncionUsuario> funciones_;
};
