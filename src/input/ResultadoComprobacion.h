#pragma once
#include <limits>
#include <string>

// What a check compared.
enum class TipoComprobacion {
    Transmitancia,            // U of a wall, partition, roof or floor against its maximum
    TransmitanciaHueco,       // Uw of a window or door
    Permeabilidad,            // air permeability of a window
    AislamientoPerimetral,    // U of a slab's perimeter insulation
    VentanaTechumbre,         // U of a skylight, zone-number regime
    CondensacionSuperficial,  // fRsi of the inner surface against fRsi,min
    CondensacionIntersticial, // interstitial condensate over the year
    PuenteTermico,            // fRsi of a thermal-bridge type against the building's fRsi,min
    ResumenTransmitancia,     // largest distinct U of walls, roofs or floors (zone numbers)
    ResumenPorcentaje,        // share of a glazing class (zone numbers)
};

// One comparison of a value with its limit, as a check made it: the text it records when the
// value fails (and would have recorded otherwise), the failure list, and what the value was
// made of. The hub turns the failing ones into the lines of the results file.
struct ResultadoComprobacion {
    static constexpr float kSinValor = std::numeric_limits<float>::quiet_NaN();

    TipoComprobacion tipo = TipoComprobacion::Transmitancia;
    // The element checked (its address, which the report maps back to the element); null for
    // the checks of the whole building.
    const void* elemento = nullptr;
    float valor = kSinValor;  // value compared (NaN for the interstitial verdict)
    float limite = kSinValor; // limit it was compared with
    int redondeo = -1;        // decimals the value was rounded to before comparing, -1: none
    bool cumple = true;
    int lista = 0;     // failure list 0-4
    std::string texto; // Latin-1, exactly as recorded

    // Source of the limit: the key of the limit-values file (or the built-in rule) and the
    // class of elements it is for ("muros", "suelos", "cubiertas", "huecos", "medianeras",
    // "particionesNoAcondicionadas"); null when the limit is not one of the file's maxima.
    const char* clave = nullptr;
    const char* categoriaLimite = nullptr;

    // Inputs of the value, NaN where they do not apply: heat-loss coefficient H (W/K) and area
    // (m2) of U = H/A, the film coefficients given to the computation, the reduction factor of
    // a non-habitable neighbour, the interior relative humidity of the condensation checks (%),
    // and the thermal-bridge row.
    float H = kSinValor, area = kSinValor;
    float hExterior = kSinValor, hInterior = kSinValor;
    float factorReduccion = kSinValor;
    float humedadInterior = kSinValor;
    int fila = -1;

    // The space whose loop made the check (-1: none); stamped by the hub.
    int espacio = -1;

    // A value checked against a maximum (it passes when not above it) or a minimum (when not
    // below it), with the failure list and the line that a failure writes.
    static ResultadoComprobacion maximo(TipoComprobacion tipo, const void* elemento, float valor,
                                        float limite, int lista, std::string texto) {
        return comparado(tipo, elemento, valor, limite, valor <= limite, lista, std::move(texto));
    }
    static ResultadoComprobacion minimo(TipoComprobacion tipo, const void* elemento, float valor,
                                        float limite, int lista, std::string texto) {
        return comparado(tipo, elemento, valor, limite, valor >= limite, lista, std::move(texto));
    }

private:
    static ResultadoComprobacion comparado(TipoComprobacion tipo, const void* elemento, float valor,
                                           float limite, bool cumple, int lista,
                                           std::string texto) {
        ResultadoComprobacion r;
        r.tipo = tipo;
        r.elemento = elemento;
        r.valor = valor;
        r.limite = limite;
        r.cumple = cumple;
        r.lista = lista;
        r.texto = std::move(texto);
        return r;
    }
};
