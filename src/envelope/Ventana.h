#pragma once
#include <memory>

#include "envelope/Elemento1D.h"
#include "envelope/Espaciador.h"
#include "envelope/Marco.h"
#include "envelope/Vidrio.h"
#include "envelope/lamas.h"

// Window or opaque door ("puertaOpaca"): a glazing in a frame. A window whose frame covers more
// than half of its area, or whose "INF-COEF" is exactly 60, is an opaque door: it counts as no
// window area and is not checked for permeability.
class Ventana : public Elemento1D {
public:
    Ventana(const std::string& nombre, int numLados, const std::vector<float>& areasLados,
            const std::vector<int>& lados, int etiqueta, float parametroSolar);
    ~Ventana() override;

    // Widens (or narrows, for a negative length) the window and recomputes its areas,
    // fractions, door rule and frame U.
    void cambiarAnchura(float incremento) override;
    float permeabilidad() const override { return permeabilidad_; }
    // Glass fraction x g + 0.04 x frame fraction x frame U x frame absorptance.
    float factorSolarModificado() const;
    float factorSolarModificadoVerano() const;
    // The glazing's normal-incidence absorptance and transmittance, passed through.
    float absortanciaNormalVidrio() const { return vidrio->absortanciaNormal(); }
    float transmitanciaNormalVidrio() const { return vidrio->transmitanciaNormal(); }
    // (frame fraction x frame U + glass fraction x Ug) x A; the films do not enter.
    float UA() const override;
    // The window's U (frame and glass by their areas), W/m2K.
    float uw() const;
    void calcularH(float& H, float hOut, float hIn) const override;
    // The window's U against Umax and, unless it is a door, its permeability against Pmax.
    void comprobarHueco(float Umax, float hOut, float hIn, float Pmax) const override;

    bool esPuerta() const { return tipo == "puertaOpaca"; }

    float ancho = 0.0f, alto = 0.0f; // m
    float A = 0.0f;                  // width x height, m2
    float areaVidrio = 0.0f, areaMarco = 0.0f;
    float perimetro = 0.0f; // 2 width + 2 height with a frame, else 0
    float fraccionVidrio = 1.0f, fraccionMarco = 0.0f;
    float UMarco = 0.0f; // frame conductance, at most kUMarcoMaximo
    float valorInfiltracion = 0.0f;
    float coefInfiltracion = 0.0f; // infiltration value x 0.04^0.66 / 3600
    bool conInfCoef = false;
    float infCoef = 0.0f; // "INF-COEF" as read

    std::string nombreVidrio; // "GLASS-TYPE" with its quotes
    std::unique_ptr<Vidrio> vidrio;
    std::unique_ptr<Marco> marco;
    std::unique_ptr<Espaciador> espaciador; // none for unknown spacer types
    std::unique_ptr<lamas> lamas_;

    static constexpr float kUMarcoMaximo = 5.88f;
    static constexpr float kPermeabilidadPuerta = 60.0f;

private:
    void leerVidrio(const LeerBDL& ventana, float parametroSolar);
    void calcularAreas();
    void aplicarReglaPuerta();
    float permeabilidad_ = 0.0f;
    float permeabilidadLeida_ = 0.0f, infiltracionLeida_ = 0.0f;
};
