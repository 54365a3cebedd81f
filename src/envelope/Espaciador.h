#pragma once
#include <string>

// Spacer bar of an insulating glazing unit: the linear thermal transmittance of the glass edge.
class Espaciador {
public:
    // The spacer types known to the engine; all share one linear transmittance.
    static bool tipoConocido(const std::string& tipo);
    static constexpr float kTransmitanciaLineal = 0.06f; // W/mK

    explicit Espaciador(const std::string& tipo) : tipo(tipo) {}
    std::string tipo;
    float transmitanciaLineal = kTransmitanciaLineal;
};
