#pragma once
#include "envelope/Elemento1D.h"

// Element in contact with the ground: slabs on or below ground and basement walls. Its layer
// stack starts with a layer of ground; its heat-loss coefficient follows a ground-floor method
// driven by the characteristic dimension B' = area / (half perimeter), the depth below ground
// and the perimeter insulation of the building.
class Underground : public Elemento1D {
public:
    // alturaDefecto: the space height; profundidadDefecto: the storey Z (the default depth).
    Underground(const std::string& nombre, int numLados, const std::vector<float>& areasLados,
                const std::vector<int>& lados, int etiqueta, float alturaDefecto,
                float profundidadDefecto);

    float areaSuelo = 0.0f; // " AREA ", default the area of side 0
    float perimetro = 0.0f; // " PERIMETRO ", default the second side value
    // Perimeter insulation of the building (BUILD-PARAMETERS) as read, which the ground method
    // uses, and as reported after construction: without insulation data (a width or a
    // resistance of 0) the slab reports a width of 1.5 m and its most resistive layer.
    float DLeido = 0.0f, RLeido = 0.0f;
    float D = 0.0f;                  // perimeter insulation width, m
    float R = 0.0f;                  // perimeter insulation resistance, m2K/W
    float z = 0.0f;                  // level relative to the ground, never positive
    float alto = 0.0f;               // height, m
    bool esMuro = false;             // basement wall
    bool esSuperior = false;         // top element
    bool esInferior = false;         // bottom element (a floor)
    float transmitanciaBorde = 0.0f; // "EDGE-INSU-TRANSM"
    int capaAislamiento = -1;        // the layer that took the perimeter insulation in, or -1

    // The formula of the ground U: a slab on the ground with the building's perimeter
    // insulation, or without it (a 1.5 m band of negligible resistance), a slab below ground
    // level, a basement wall below ground, or at ground level (the construction's own U); a
    // slab without a finite positive B' loses nothing by its edge.
    enum class MetodoTerreno {
        SoleraConAislamiento,
        SoleraSinAislamiento,
        SoleraEnterrada,
        MuroEnterrado,
        UPropia,
        SinBorde
    };
    MetodoTerreno metodo() const;
    // Characteristic dimension B' = area / (half perimeter), m.
    double bPrima() const { return areaSuelo / (0.5 * perimetro); }
    // 1/U less the ground layer and the given resistance, never negative.
    float resistenciaRestante(float r) const;

    float profundidad() const override { return z; }
    float UA() const override { return U * areaSuelo; }
    // H = Ug x area, Ug from the ground method (the film coefficients are not used).
    void calcularH(float& H, float hOut, float hIn) const override;
    // U of the slab's perimeter insulation of width Dp and resistance Rp.
    void calcularUPerimetral(float& Uper, float Dp, float Rp, float hOut, float hIn) const override;
    void comprobarCondensacionSuperficial(float fRsiMin, float hOut, float hIn) const override;
    void comprobarCondensaciones(float fRsiMin, float hOut, float hIn, const float* Te,
                                 const float* Ti, const float* HRe,
                                 const float* HRi) const override;

    // The insulation resistance the ground formulas use: the one read, or a negligible one for a
    // slab on the ground without insulation data (which is then computed as 1.5 m wide).
    float resistenciaAislamiento() const;
    // The ground U of the element, W/m2K.
    float Ug() const;

    // Negligible resistance used when a resistance of the formulas would vanish.
    static constexpr float kResistenciaDespreciable = 1e-6f;

private:
    void leerAislamientoPerimetral();
    void incluirAislamientoPerimetral();
    void leerSituacion(const LeerBDL& objeto, float alturaDefecto, float profundidadDefecto);
};
