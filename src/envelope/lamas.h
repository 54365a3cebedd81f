#pragma once

// Louvres (slats) in front of a window. The model is geometric: a beam arriving with profile
// angle beta (measured in the plane normal to the slats, from the slat-normal direction of the
// window) passes freely through the part of the gap that the next slat does not shade; the
// shaded part is transmitted through the slat material and, for half of what the slat
// reflects, forwarded inwards. The diffuse transmittance averages the beam value over the
// profile angles, weighted by their cosine, with the sample count split into 7 equal groups of
// at least 2 samples each.
class lamas {
public:
    lamas() = default; // no louvres
    lamas(float ancho, float distancia, float angulo, float valorGeometrico, int cuenta,
          float transmisividad, float reflectividad, bool vertical);

    // Share of a beam of profile angle beta (degrees) that crosses the louvres.
    float transmitanciaDirecta(float perfil) const;
    // Share of isotropic diffuse radiation that crosses the louvres.
    float transmitanciaDifusa() const;

    bool enUso = false;
    float ancho = 0.0f;     // slat width, m
    float distancia = 0.0f; // distance between slats, m
    float angulo = 0.0f;    // slat angle from the slat-normal direction, degrees
    float valorGeometrico = 0.0f;
    int cuenta = 0;              // samples of the diffuse average
    int muestrasPorGrupo = 2;    // cuenta split into kGrupos groups, at least 2 each
    float transmisividad = 0.0f; // of the slat material
    float reflectividad = 0.0f;  // of the slat material
    bool vertical = false;       // vertical slats
    static constexpr int kGrupos = 7;
};
