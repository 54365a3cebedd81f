#pragma once
#include <string>

#include "envelope/Vidrio.h"

// Multi-pane glazing read from the glazing library "BDLLIB.DAT" by its code: per-pane angular
// absorptance, the transmittance of the whole, the pane thicknesses, conductivities, infrared
// transmittances and emissivities, the film conductances and the centre-of-glass U.
//
// Library entries are found by their header line: "$LIBRARY-ENTRY", the group word
// kGrupoLibreria from column 16, the code from column 48 and "GLASS-TYPE-CODE" from column 64.
class VidrioComplejo : public Vidrio {
public:
    static constexpr const char* kFicheroLibreria = "BDLLIB.DAT";
    static constexpr const char* kGrupoLibreria = "GLASS-TYPES";

    // codigo: the glazing code, as in the GLASS-TYPE object (surrounding quotes are dropped).
    // A code that the library does not hold is fatal ("No se encuentra: " + code).
    VidrioComplejo(const std::string& codigo, float parametroSolar);

    float U() const override { return uCentro; }
    float factorSolar() const override { return 0.0f; }
    float factorSolarVerano() const override { return 0.0f; }
    void balanceCapas(float Te, float Ti, const std::vector<float>& absorbida, float& tCaraExterior,
                      float& tCaraInterior) const override;

    std::string codigo;
    int numCapas = 0;
    std::vector<std::array<float, 11>> absortancias; // per pane: 0..90 degrees + hemispherical
    std::array<float, 11> transmitancias{};          // 0..90 degrees + hemispherical
    float reflectanciaTraseraHemi = 0.0f;            // "RBSOL-HEMI"
    std::vector<float> espesores;                    // m
    std::vector<float> conductividades;              // W/mK
    std::vector<float> transmitanciasIR;             // per pane (both faces)
    std::vector<float> emisividadesDelanteras, emisividadesTraseras;
    float peliculaExterior = 0.0f, peliculaCamara = 0.0f; // W/m2K
    float peliculaInteriorConveccion = 0.0f;              // interior film less its radiative part
    static constexpr float kRadiacionCara = 5.0f;         // radiative part of every face, W/m2K
    float uCentro = 0.0f;                                 // "U-CENTER", W/m2K
};
