#pragma once
#include <string>
#include <vector>

class LeerBDL;

// System conditions of a SYSTEM-CONDITIONS entry: the kind of system (its method), set-point,
// capacity and fan series per calculated hour, outside air and heat recovery. Every series has
// gGlobal2->horas values (element 0 = the first calculated hour).
class CondicionesSistemas {
public:
    // The default record "NO-ACONDICIONADO-POR-DEFECTO": method 5, every series 0.
    CondicionesSistemas();
    // From the entry's object view and its name (with quotes). Also reads the building-wide
    // temperature keys from gLeerBDL. A SEASON-SCH redefines the heating hours of gGlobal2.
    // A schedule name that the schedules list does not hold is fatal: "No se encuentra: " + name.
    CondicionesSistemas(const LeerBDL& entrada, const std::string& nombre);
    virtual ~CondicionesSistemas();
    CondicionesSistemas(const CondicionesSistemas&) = delete;
    CondicionesSistemas& operator=(const CondicionesSistemas&) = delete;

    // The method of a ZONAL-ZONE-METHOD word (whole word, exact), or -1 for an unknown word.
    static int metodoDe(const std::string& palabra);

    std::string nombre = "NO-ACONDICIONADO-POR-DEFECTO";
    // 0 ZONAL-MODEL, 1 FULLY-MIXED-FREE-COOLING, 2 FULLY-MIXED-PDEC, 3 SISTEMA-IDEAL-PDEC,
    // 4 FULLY-MIXED, 5 SISTEMA-IDEAL (also absent or unknown), 6 FULLY-MIXED-AIR-RADIATOR,
    // 7 SISTEMA-IDEAL-AIR-RADIATOR.
    int metodo = 5;

    int horas() const { return static_cast<int>(cero_.size()); }

    // --- hourly series ---
    // Set-points: owned, or the building's MIN/MAX-INTERNAL-TEMPERATURE-SCH schedule.
    const float* consignaCalefaccion = nullptr;
    const float* consignaRefrigeracion = nullptr;
    bool propiaCalefaccion = true; // false when the set-point series is a shared schedule
    bool propiaRefrigeracion = true;
    std::vector<float> capacidadCalefaccion; // MAX-HEAT-RATE x schedule x heating month
    std::vector<float> capacidadRefrigeracion;
    std::vector<float> ventilador;             // FAN-SCHEDULE values
    std::vector<float> estacion;               // SEASON-SCH values (0 when not given)
    const float* horarioCalefaccion = nullptr; // HEATING-SCHEDULE, else constant 0
    const float* horarioRefrigeracion = nullptr;
    const float* cero() const { return cero_.data(); }

    // --- constants ---
    float potenciaCalefaccion = 0.0f;   // MAX-HEAT-RATE
    float potenciaRefrigeracion = 0.0f; // MAX-COOL-RATE
    float caudalPorArea = 0.0f;         // FLOW/AREA x 0.00033333333
    float caudalAireExterior = 0.0f;    // OUTSIDE-AIR-FLOW x 0.00033333333
    float temperaturaRecuperacion = 0.0f;
    float potenciaRecuperacion = 0.0f; // RECOV-KW x 1000
    float eficienciaRecuperacion = 0.0f;
    float rangoEstrangulamiento = 0.0f;
    float temperaturaVerano = -100.0f;   // SUMMER-INTERNAL-TEMPERATURE of the building
    float temperaturaInvierno = -100.0f; // WINTER-INTERNAL-TEMPERATURE of the building
    bool hayEstacion = false;            // SEASON-SCH given
    int controlEntalpia = 0;             // method 1: OA-CONTROL "ENTHALPY"

private:
    struct HorariosEntrada;
    // The entry's keys and series, step by step.
    void leerMetodo(const LeerBDL* entrada);
    HorariosEntrada leerHorarios(const LeerBDL* entrada);
    void leerPotenciasYCaudales(const LeerBDL* entrada);
    void leerTemperaturasEdificio();
    void calcularSeriesHorarias(const HorariosEntrada& horarios, int horas);
    void aplicarConsignasEdificio();
    void leerControlAireExterior(const LeerBDL* entrada);

    std::vector<float> cero_;
    std::vector<float> calefaccionPropia_, refrigeracionPropia_;
};
