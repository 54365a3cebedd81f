#pragma once
#include <string>
#include <vector>

#include "envelope/Elemento1D.h"

class LeerBDL;

// Reading of a layered construction of the building file: the LAYERS object named by the
// construction, its MATERIAL list and the MATERIAL objects, turned into a stack of layers
// (outside first). Shared by the walls and the ground-contact elements, which differ only in
// the message of a missing material list and in the resistance key they search.
class Construccion {
public:
    // construccion: the CONSTRUCTION object (of type LAYERS). mensajeSinLista: the fatal message
    // of a layers object without "MATERIAL" list. claveResistencia: the key of the resistance
    // of a RESISTANCE material. The layers come out with their vapour values as read (diffusion
    // factor or vapour resistance, not yet multiplied by the thickness).
    static std::vector<Capa> leerCapas(const LeerBDL& construccion,
                                       const std::string& mensajeSinLista,
                                       const char* claveResistencia);
    // Sum of density x thickness over the layers, kg/m2.
    static float masaPorArea(const std::vector<Capa>& capas);

    static constexpr float kFactorVaporMaximo = 1000000.0f;
    static constexpr float kResistenciaSinConductividad = 1e10f;
};
