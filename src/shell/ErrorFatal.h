#pragma once
#include <exception>
#include <string>

// The one error type of the engine. A fatal error is reported (standard error, "Error.log")
// and the run's files are closed by the hub's error service before this is thrown; it then
// unwinds to the entry point, which returns its exit code. Library code never calls exit.
class ErrorFatal : public std::exception {
public:
    ErrorFatal(int codigo, std::string mensaje) : codigo_(codigo), mensaje_(std::move(mensaje)) {}
    int codigo() const { return codigo_; }
    const std::string& mensaje() const { return mensaje_; }
    const char* what() const noexcept override { return mensaje_.c_str(); }

private:
    int codigo_;
    std::string mensaje_;
};
