#pragma once
#include <string>

class LeerBDL;

// Limit values for one climate zone, read from the limit-values file: maximum U of walls, roofs,
// floors, party walls and windows, maximum window permeability, minimum temperature factors by
// hygrometry class and, for the zone-number regime, glazing percentages and the maximum weighted
// U. Every value starts at its built-in default; the file overrides what it gives.
//
// The file holds one "ZONA" object named by the zone code and, for the orientation regime, four
// "ORIENTACION" objects named "NORTE-", "ESTE/OESTE-", "SURESTE/SUROESTE-" and "SUR-" followed by
// the zone code. A missing object is fatal ("No se encuentra: " + quoted name).
class Tablas {
public:
    static constexpr int kGruposHuecos = 3;     // north, east/west, south-east/south-west
    static constexpr int kColumnasHuecos = 4;   // only the first is read from the file
    static constexpr int kGruposSolares = 4;    // north, east/west, south-east/south-west, south
    static constexpr int kNivelesCarga = 3;     // low, medium, high internal load
    static constexpr int kClasesPorcentaje = 6; // window-percentage classes
    static constexpr const char* kPrefijosOrientacion[kGruposSolares] = {
        "NORTE-", "ESTE/OESTE-", "SURESTE/SUROESTE-", "SUR-"};

    // Built-in values only, no file.
    Tablas();
    // Reads the ZONA object of the zone code; the regime (hub's limitesPorOrientacion) decides
    // whether the zone-number keys or the ORIENTACION objects are read as well.
    Tablas(const std::string& zonaClimatica, const std::string& ficheroLimites);
    // Same, from a reader already loaded and with the regime given (tests).
    Tablas(const std::string& zonaClimatica, const LeerBDL& limites, bool porOrientacion);
    virtual ~Tablas();
    Tablas(const Tablas&) = delete;
    Tablas& operator=(const Tablas&) = delete;

    // --- read and kept, consulted by no check ---
    int porcentajeHuecosMaximo = 100;
    int porcentajeHuecosMaximoNorte = 100;
    float transmitanciaMediaCubierta = 0.5f;
    float transmitanciaMediaSuelos = 0.53f;
    float transmitanciaMediaMuros = 0.94f;
    float factorSolarLucernarios = 0.32f;
    float transmitanciaMediaLucernarios = 0.5f; // defaults to the mean U of roofs
    // Mean window U by orientation group, column and window-percentage class.
    float transmitanciaMediaHuecos[kGruposHuecos][kColumnasHuecos][kClasesPorcentaje];
    // Modified solar factor by orientation group, load level and window-percentage class.
    float factorSolarHuecos[kGruposSolares][kNivelesCarga][kClasesPorcentaje];

    // --- limits of the checks ---
    float transmitanciaMaximaMedianeras = 1.0f;
    float transmitanciaMaximaMuros = 0.74f;     // zone-number regime: 0.6
    float transmitanciaMaximaSuelos = 0.62f;    // zone-number regime: pisos ventilados, 0.32
    float transmitanciaMaximaCubiertas = 0.46f; // zone-number regime: techumbres, 0.25
    float transmitanciaMaximaHuecos = 3.1f;
    float permeabilidadMaximaHuecos = 27.0f;
    float fRsiMinimo[3] = {0.64f, 0.78f, 0.90f}; // hygrometry classes 3, 4, 5
    // Zone-number regime: monolithic, double hermetic, low-emissivity double hermetic.
    float porcentajeMaximoVentanas[3] = {12.0f, 28.0f, 37.0f};
    float transmitanciaMaximaPonderada = 0.0f;
    float porcentajeMaximoPonderado = 16.8f;

private:
    void valoresInternos();
    void leer(const std::string& zonaClimatica, const LeerBDL& limites, bool porOrientacion);
    void leerZona(const LeerBDL& zona);
    void leerZonaNumerada(const LeerBDL& zona);
    void leerOrientacion(int grupo, const LeerBDL& orientacion);
};
