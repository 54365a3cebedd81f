#pragma once
#include <string>
#include <vector>

// A constant of the defaults file that has no built-in fallback: `presente` tells whether the
// file gave it. Users that need the value ask through ValoresPorDefecto::exigir, which stops the
// run naming the key and the file when it is missing (never a silent zero).
template <class T> struct Opcional {
    T valor{};
    bool presente = false;
};

// One THERMAL-BRIDGE row of the defaults file.
struct TipoPuenteTermico {
    std::string nombre; // with its double quotes
    float ttl = 0.0f;
    float frsi = 1.0f;
    float anguloMin = 0.0f;
    float anguloMax = 0.0f;
    std::string tipo = "MASONRY";
    std::string particion = "BOTH";
};

// The calculation constants of the defaults file ("defectos.inp"), read once at the start of
// the run and read-only afterwards (published as gDefectos).
class ValoresPorDefecto {
public:
    explicit ValoresPorDefecto(const std::string& rutaFichero);
    virtual ~ValoresPorDefecto();

    float exigir(const Opcional<float>& dato, const char* clave) const;
    int exigir(const Opcional<int>& dato, const char* clave) const;
    const std::string& exigir(const Opcional<std::string>& dato, const char* clave) const;
    const std::string& ruta() const { return ruta_; }

    // Group 1
    float demandaMinimaCalefaccion = -1200.0f;
    float demandaMinimaRefrigeracion = 1500.0f;
    std::string pararTrasRequisitosMinimos = "YES";
    float longitudReferencia = 15.0f;
    // Group 2
    Opcional<float> rocp, deltat, furnCp, furnFraction, furnWeight;
    Opcional<int> nintWf, maxDen, minNum, maxNum, numHoras, numPunVen, numPunMur, discrFi, discrTe;
    float tIniFiniteDifferences = 22.0f;
    float tauMuroAncho = 540000.0f;
    int nfrMuros = 100;
    float eigenRatio = 50.0f;
    // Group 3
    Opcional<float> hcint, hrint, hcintHor, hrintHor, hpint, hpout, hcext, ffSkyC;
    float hrext = 4.63f;
    char hrextPresente = 'N'; // 'S' when the file gave "HREXT"
    float absCorta = 0.7f;
    float emisividad = 0.9f;
    Opcional<float> groundReflectance;
    float vapourDiffusivityFactor = 1.0f;
    // Group 4
    float alturaForjado = 0.2f;
    float deltapEnsayoPermeabilidad = 100.0f;
    float permeabilidad = 42.0f;
    Opcional<std::string> spacerType;
    Opcional<float> frameWidth, frameAbs, frameConduct;
    std::string automaticShutter = "NO";
    Opcional<float> shutterConductanceFactor, shutterPercentage,
        shutterTransmittanceMultiplierSummer;
    // Group 5
    Opcional<float> rhMax, rhMin, airTemperature;
    Opcional<int> jetPartition, crossPartition, xPartition, yPartition, zPartition;
    Opcional<float> anchoP, anchoV, altoP, altoV, cdP, cdV, h0, arfP, arfV;
    Opcional<float> longLeak, cLeak, nLeak, hLeak, supCr, cCr, nCr, hCr;
    // Group 6: interior partitions
    bool particionesSobrescribir = false; // DEFAULT-OVERWRITTEN
    bool particionesAnadir = false;       // DEFAULT-ADDED
    bool particionesDirecto = true;       // CUSTOM, DIRECTO, anything else or absent
    float absParticion = 0.7f;
    float emiParticion = 0.9f;
    float conParticion = 0.8f;
    float denParticion = 1500.0f;
    float shParticion = 800.0f;
    float thParticion = 0.1f;
    float resParticion = 0.0f;
    float uParticion = 1.0f;
    float rvParticion = 1.0f;
    std::string tipoParticion = "U-VALUE";
    Opcional<int> pilaresPorZona;
    // Group 7: thermal bridges
    Opcional<float> linearThermalTransmittance;
    int multiplicadorContornos = 4;
    bool variasOpciones = false; // "SEVERAL-OPTIONS = " YES
    float toleranciaPtl = 0.001f;
    float tolHorFrenteForjado = 30.0f;
    std::vector<TipoPuenteTermico> puentes;
    // Group 8: ground
    float groundK = 2.0f;
    float groundL = 1.0f;
    float groundRo = 2000.0f;
    float groundSh = 1000.0f;
    float groundR = 0.5f;
    float groundRv = 1.0f;
    float groundEit = 0.0f;
    float groundL2dSteady = 0.0f;
    float groundZground = 0.0f;
    float groundHeight = 0.0f;
    // Group 9: names of unheated spaces, with their double quotes
    std::vector<std::string> noHabitables;

private:
    [[noreturn]] void faltaClave(const char* clave) const;

    std::string ruta_;
};

// The defaults of the current run, set by the run driver.
extern ValoresPorDefecto* gDefectos;
