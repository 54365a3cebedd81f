#pragma once
#include <string>
#include <vector>

#include "input/LeerBDL.h"

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
// the run and read-only afterwards (published as gDefectos). The constructor sets every field:
// the file's value or the fallback stated beside the field's key in the reader's table.
class ValoresPorDefecto {
public:
    // The vigia, when given, watches the lookups in the file (the review of a building).
    explicit ValoresPorDefecto(const std::string& rutaFichero, LeerBDL::Vigia* vigia = nullptr);
    virtual ~ValoresPorDefecto();

    float exigir(const Opcional<float>& dato, const char* clave) const;
    int exigir(const Opcional<int>& dato, const char* clave) const;
    const std::string& exigir(const Opcional<std::string>& dato, const char* clave) const;
    const std::string& ruta() const { return ruta_; }

    // Group 1
    float demandaMinimaCalefaccion;
    float demandaMinimaRefrigeracion;
    std::string pararTrasRequisitosMinimos;
    float longitudReferencia;
    // Group 2
    Opcional<float> rocp, deltat, furnCp, furnFraction, furnWeight;
    Opcional<int> nintWf, maxDen, minNum, maxNum, numHoras, numPunVen, numPunMur, discrFi, discrTe;
    float tIniFiniteDifferences;
    float tauMuroAncho;
    int nfrMuros;
    float eigenRatio;
    // Group 3
    Opcional<float> hcint, hrint, hcintHor, hrintHor, hpint, hpout, hcext, ffSkyC;
    float hrext;
    char hrextPresente; // 'S' when the file gave "HREXT"
    float absCorta;
    float emisividad;
    Opcional<float> groundReflectance;
    float vapourDiffusivityFactor;
    // Group 4
    float alturaForjado;
    float deltapEnsayoPermeabilidad;
    float permeabilidad;
    Opcional<std::string> spacerType;
    Opcional<float> frameWidth, frameAbs, frameConduct;
    std::string automaticShutter;
    Opcional<float> shutterConductanceFactor, shutterPercentage,
        shutterTransmittanceMultiplierSummer;
    // Group 5
    Opcional<float> rhMax, rhMin, airTemperature;
    Opcional<int> jetPartition, crossPartition, xPartition, yPartition, zPartition;
    Opcional<float> anchoP, anchoV, altoP, altoV, cdP, cdV, h0, arfP, arfV;
    Opcional<float> longLeak, cLeak, nLeak, hLeak, supCr, cCr, nCr, hCr;
    // Group 6: interior partitions
    bool particionesSobrescribir; // DEFAULT-OVERWRITTEN
    bool particionesAnadir;       // DEFAULT-ADDED
    bool particionesDirecto;      // CUSTOM, DIRECTO, anything else or absent
    float absParticion;
    float emiParticion;
    float conParticion;
    float denParticion;
    float shParticion;
    float thParticion;
    float resParticion;
    float uParticion;
    float rvParticion;
    std::string tipoParticion;
    Opcional<int> pilaresPorZona;
    // Group 7: thermal bridges
    Opcional<float> linearThermalTransmittance;
    int multiplicadorContornos;
    bool variasOpciones; // "SEVERAL-OPTIONS = " YES
    float toleranciaPtl;
    float tolHorFrenteForjado;
    std::vector<TipoPuenteTermico> puentes;
    // Group 8: ground
    float groundK;
    float groundL;
    float groundRo;
    float groundSh;
    float groundR;
    float groundRv;
    float groundEit;
    float groundL2dSteady;
    float groundZground;
    float groundHeight;
    // Group 9: names of unheated spaces, with their double quotes
    std::vector<std::string> noHabitables;

private:
    [[noreturn]] void faltaClave(const char* clave) const;

    std::string ruta_;
};

// The defaults of the current run, set by the run driver.
extern ValoresPorDefecto* gDefectos;
