#pragma once
#include <string>

// A stream of moist air: its mass flow and psychrometric state (dry-bulb temperature, total
// pressure, humidity ratio). It is the one home of the engine's psychrometric formulas: whoever
// needs a vapour pressure, a relative humidity or a dew point sets a state from the quantities
// at hand and asks for the one it wants by a short code.
//
// The setters clamp silently: T to [-100, 99] degC, P to [0.0014, 1555070] Pa, and the humidity
// ratio to what the temperature can hold.
class CorrienteAire {
public:
    // 15 kg/s at 25 degC, 50 % relative humidity and 101325 Pa.
    CorrienteAire();

    // State from dry-bulb temperature (degC), humidity ratio (kg/kg dry air) and pressure (Pa).
    void ponTwP(float T, float w, float P);
    // State from dry-bulb temperature, wet-bulb temperature (degC) and pressure.
    void ponTthP(float T, float th, float P);
    // State from dry-bulb temperature, relative humidity (%) and pressure.
    void ponThrP(float T, float hr, float P);

    // One quantity of the state by its code: "m" mass flow, "p" pressure, "t" temperature,
    // "w" humidity ratio, "th" wet-bulb temperature, "tr" dew point, "hr" relative humidity (%),
    // "h" enthalpy (J/kg dry air), "ro" density, "ve" specific volume, "pv" vapour pressure,
    // "psat" saturation pressure. Any other code is a fatal input error.
    float dame(const char* cod);
    float dame(const std::string& cod) { return dame(cod.c_str()); }

    // Saturation vapour pressure (Pa) over water at T >= 0 and over ice below (degC).
    static float presionSaturacion(float T);
    // The temperature (degC) whose saturation pressure is pv (Pa); the inverse of the above.
    // A non-positive pressure gives the limit of the formula, -265.5 degC.
    static float temperaturaSaturacion(float pv);
    // Humidity ratio of saturated air at temperature t (degC) and pressure p (Pa); 0 when the
    // pressure cannot hold saturated vapour at t.
    static float humedadSaturacion(float t, float p);

    float masa = 15.0f;  // mass flow, kg/s
    float T = 25.0f;     // dry-bulb temperature, degC
    float P = 101325.0f; // total pressure, Pa
    float w = 0.0f;      // humidity ratio, kg water per kg dry air

    static constexpr double kPsat0 = 610.5;                      // Pa at 0 degC
    static constexpr double kRelacionMolar = 0.6219779385109357; // water / dry air
    static constexpr double kCalorLatente = 2501000.0;           // J/kg at 0 degC
    static constexpr double kCpAire = 1006.0;                    // J/(kg K)
    static constexpr double kCpVapor = 1805.0;                   // J/(kg K)
    static constexpr double kCpAgua = 4186.0;                    // J/(kg K)
    static constexpr double kRAire = 287.055;                    // J/(kg K)
    static constexpr double kFactorVapor = 1.6078;
    static constexpr double kCeroAbsoluto = 273.15;

private:
    static void acotarTP(float& t, float& p);
    // Humidity ratio that the psychrometric equation gives for dry bulb t and wet bulb th at
    // pressure p; 0 when its denominator is not positive.
    static double humedadPsicrometrica(float t, float th, float p);
    float vapor() const;
    float temperaturaHumeda() const;
    float puntoRocio() const;
};
