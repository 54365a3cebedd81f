#include "envelope/Construccion.h"

#include "base/ErrorFatal.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {
float factorVaporPorDefecto() {
    return gDefectos ? gDefectos->vapourDiffusivityFactor : 1.0f;
}

Capa leerMaterial(const LeerBDL& material, const char* claveResistencia) {
    Capa c;
    std::string tipo;
    material.dameCadena("TYPE", tipo);
    // A material of any other type holds nothing but a resistance of 0.
    c.tipo = tipo == "PROPERTIES" ? "PROPERTIES" : "RESISTANCE";
    if (tipo == "PROPERTIES") {
        c.resistencia = 0.0f;
        material.dameReal("CONDUCTIVITY", c.conductividad);
        material.dameReal("THICKNESS", c.espesor);
        bool conDensidad = material.dameReal("DENSITY", c.densidad) >= 0;
        bool conCalor = material.dameReal("SPECIFIC-HEAT", c.calorEspecifico) >= 0;
        if (material.dameReal("VAPOUR-DIFFUSIVITY-FACTOR", c.vapor) < 0)
            c.vapor = factorVaporPorDefecto();
        if (c.vapor > Construccion::kFactorVaporMaximo) c.vapor = Construccion::kFactorVaporMaximo;
        c.factorDifusion = c.vapor;
        if (!conDensidad || !conCalor) {
            // Without mass data the layer only resists: it keeps its resistance and nothing else.
            c.resistencia = c.conductividad > 0.0f ? c.espesor / c.conductividad
                                                   : Construccion::kResistenciaSinConductividad;
            c.conductividad = c.espesor = c.densidad = c.calorEspecifico = 0.0f;
            c.tipo = "RESISTANCE";
            c.factorDifusion = -1.0f;
        }
    } else if (tipo == "RESISTANCE") {
        if (material.dameReal("VAPOUR-RESISTANCE", c.vapor) < 0) c.vapor = factorVaporPorDefecto();
        material.dameReal(claveResistencia, c.resistencia);
    }
    return c;
}
} // namespace

std::vector<Capa> Construccion::leerCapas(const LeerBDL& construccion,
                                          const std::string& mensajeSinLista,
                                          const char* claveResistencia) {
    std::string nombreCapas;
    construccion.dameCadena("LAYERS =", nombreCapas);
    const VistaObjeto capasObj(*gLeerBDL, "LAYERS", nombreCapas);

    std::vector<std::string> materiales;
    comprobar(capasObj->dameListaCadenas("MATERIAL", materiales) >= 0, mensajeSinLista);

    std::vector<Capa> capas;
    capas.reserve(materiales.size());
    for (const std::string& nombre : materiales) {
        std::unique_ptr<LeerBDL> material =
            objetoExigido(*gLeerBDL, "MATERIAL", nombre, "No se encuentra: " + nombre);
        capas.push_back(leerMaterial(*material, claveResistencia));
        capas.back().material = nombre;
    }

    // Thickness overrides of the layers object: -1 keeps the material's thickness; a layer
    // made of nothing but a resistance has no thickness to replace.
    std::vector<float> espesores;
    int n = capasObj->dameLista("THICKNESS", espesores);
    for (int i = 0;
         i < n && i < static_cast<int>(capas.size()) && i < static_cast<int>(espesores.size());
         ++i) {
        Capa& c = capas[i];
        c.espesorForzado = espesores[i];
        bool conDatos = c.conductividad != 0.0f || c.espesor != 0.0f || c.densidad != 0.0f ||
                        c.calorEspecifico != 0.0f;
        if (espesores[i] != -1.0f && conDatos) c.espesor = espesores[i];
    }
    return capas;
}

float Construccion::masaPorArea(const std::vector<Capa>& capas) {
    float m = 0.0f;
    for (const Capa& c : capas) m += c.densidad * c.espesor;
    return m;
}
