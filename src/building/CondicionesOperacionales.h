#pragma once
#include <string>
#include <vector>

class LeerBDL;

// Operating conditions of a SPACE-CONDITIONS entry: infiltration and hourly internal gains.
// Every series has one value per calculated hour (gGlobal2->horas values, element 0 = the first
// calculated hour). The schedule series are borrowed from the schedules list or from the
// record's own constant series; the derived series are owned.
class CondicionesOperacionales {
public:
    // The default record "SIN-FUENTES-INTERNAS-POR-DEFECTO": every key absent.
    CondicionesOperacionales();
    // From the entry's object view and its name (with quotes). A schedule named by the entry
    // that the schedules list does not hold is fatal: "No se encuentra: " + name.
    CondicionesOperacionales(const LeerBDL& entrada, const std::string& nombre);
    virtual ~CondicionesOperacionales();
    CondicionesOperacionales(const CondicionesOperacionales&) = delete;
    CondicionesOperacionales& operator=(const CondicionesOperacionales&) = delete;

    std::string nombre = "SIN-FUENTES-INTERNAS-POR-DEFECTO";
    bool infiltracionRenovaciones = false; // AIR-CHANGES/HR rather than INF-FLOW/AREA
    float infiltracion = 0.0f;

    int horas() const { return static_cast<int>(temperatura.size()); }

    // --- hourly series ---
    std::vector<float> temperatura;       // TEMPERATURE every hour, degrees C
    const float* humedad = nullptr;       // RH-SCHEDULE values, else constant 0.5
    std::vector<float> ocupantesSensible; // W per m2 of floor
    std::vector<float> iluminacion;
    std::vector<float> equiposSensible;
    std::vector<float> infiltracionHoraria;
    std::vector<float> gananciaConvectiva;
    std::vector<float> gananciaLatente;
    // Schedules (constant 0 when not given).
    const float* horarioOcupantes = nullptr;
    const float* horarioIluminacion = nullptr;
    const float* horarioEquipos = nullptr;
    const float* horarioInfiltracion = nullptr;

    // --- constants of the entry ---
    float repartoOcupantes = 0.0f; // convective share of each gain
    float repartoIluminacion = 0.0f;
    float repartoEquipos = 0.0f;
    float calorLatentePersona = 0.0f;  // PEOPLE-HG-LAT
    float calorSensiblePersona = 0.0f; // PEOPLE-HG-SENS
    float fraccionLatenteEquipos = 0.0f;
    float fraccionSensibleEquipos = 1.0f;
    float ponderacionCalefaccion = 1.0f;
    float ponderacionRefrigeracion = 1.0f;
    float fraccionSolarSuelo = 0.0f;
    float fraccionMobiliario = 0.0f;
    float pesoMobiliario = 0.0f;
    float gananciaSensibleMedia = 0.0f;
    bool ocupantesPorNumero = false; // NUMBER-OF-PEOPLE given
    bool iluminacionKW = false;      // LIGHTING-KW given
    bool equiposKW = false;          // EQUIPMENT-KW given
    float superficiePorPersona = 1.0f;
    float potenciaIluminacion = 0.0f;
    float potenciaEquipos = 0.0f;
    std::string tipoIluminacion = "SUS-FLUOR";
    int metodoInfiltracion = 2; // 0 "CRACK", 1 "CRACK-AIR-CHANGE", 2 anything else

    // HCINT / (HCINT + HRINT) of the defaults: the convective share of an internal gain.
    static float cuotaConvectiva();

private:
    // The entry's keys, step by step (a null entry: every key absent).
    void leer(const LeerBDL* entrada);
    void prepararSeriesConstantes(const LeerBDL* entrada);
    void leerHorarios(const LeerBDL* entrada);
    void leerInfiltracion(const LeerBDL* entrada);
    void leerOcupantes(const LeerBDL* entrada);
    void leerIluminacion(const LeerBDL* entrada);
    void leerEquipos(const LeerBDL* entrada);
    void leerRepartoConvectivo(const LeerBDL* entrada);
    void leerPonderaciones(const LeerBDL* entrada);
    void leerMobiliario(const LeerBDL* entrada);
    void leerMetodoInfiltracion(const LeerBDL* entrada);
    void calcularSeries();

    std::vector<float> cero_;           // constant 0
    std::vector<float> humedadDefecto_; // constant 0.5
};
