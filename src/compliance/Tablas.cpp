#include "compliance/Tablas.h"

#include <vector>

#include "base/ErrorFatal.h"
#include "base/TextoLatin1.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"

namespace {

// Guidance values for the orientation tables, which no check consults: mean window U falling
// and modified solar factor falling as the window share of the facade grows (classes of 0-10,
// 11-20, 21-30, 31-40, 41-50 and 51-60 %).
constexpr float kHuecosPorGrupo[Tablas::kGruposHuecos][Tablas::kClasesPorcentaje] = {
    {4.4f, 3.4f, 2.9f, 2.6f, 2.4f, 2.2f}, // north
    {4.4f, 3.6f, 3.1f, 2.8f, 2.6f, 2.4f}, // east / west
    {4.4f, 4.4f, 3.5f, 3.1f, 2.9f, 2.7f}, // south-east / south-west
};
constexpr float kSolarPorCarga[Tablas::kNivelesCarga][Tablas::kClasesPorcentaje] = {
    {1.0f, 1.0f, 0.60f, 0.47f, 0.39f, 0.33f}, // low internal load
    {1.0f, 0.58f, 0.46f, 0.38f, 0.32f, 0.28f},
    {1.0f, 0.57f, 0.45f, 0.38f, 0.33f, 0.28f}, // high internal load
};
constexpr const char* kClavesSolares[Tablas::kNivelesCarga] = {
    "Factor-solar-modificado-de-huecos-bajo", "Factor-solar-modificado-de-huecos-medio",
    "Factor-solar-modificado-de-huecos-alto"};

// Reads up to n values of a list into `destino`; missing entries keep what they held.
void leerLista(const LeerBDL& bdl, const std::string& clave, float* destino, int n) {
    std::vector<float> valores(destino, destino + n);
    if (bdl.dameLista(clave, valores) < 0) return;
    for (int i = 0; i < n && i < static_cast<int>(valores.size()); ++i) destino[i] = valores[i];
}

std::unique_ptr<LeerBDL> objetoObligatorio(const LeerBDL& limites, const std::string& tipo,
                                           const std::string& nombre) {
    std::string entrecomillado = nombre;
    entrecomillar(entrecomillado);
    std::unique_ptr<LeerBDL> objeto = LeerBDL::objeto(limites, tipo, entrecomillado);
    comprobar(objeto->texto() != nullptr, "No se encuentra: " + entrecomillado);
    return objeto;
}

} // namespace

Tablas::Tablas() {
    valoresInternos();
}

Tablas::Tablas(const std::string& zonaClimatica, const std::string& ficheroLimites) {
    LeerBDL limites(ficheroLimites);
    leer(zonaClimatica, limites, gGlobal2->limitesPorOrientacion);
}

Tablas::Tablas(const std::string& zonaClimatica, const LeerBDL& limites, bool porOrientacion) {
    leer(zonaClimatica, limites, porOrientacion);
}

Tablas::~Tablas() = default;

void Tablas::valoresInternos() {
    for (int g = 0; g < kGruposHuecos; ++g)
        for (int c = 0; c < kColumnasHuecos; ++c)
            for (int k = 0; k < kClasesPorcentaje; ++k)
                transmitanciaMediaHuecos[g][c][k] = kHuecosPorGrupo[g][k];
    for (int g = 0; g < kGruposSolares; ++g)
        for (int n = 0; n < kNivelesCarga; ++n)
            for (int k = 0; k < kClasesPorcentaje; ++k)
                factorSolarHuecos[g][n][k] = kSolarPorCarga[n][k];
}

void Tablas::leer(const std::string& zonaClimatica, const LeerBDL& limites, bool porOrientacion) {
    valoresInternos();
    std::unique_ptr<LeerBDL> zona = objetoObligatorio(limites, "ZONA", zonaClimatica);
    leerZona(*zona);
    if (!porOrientacion) {
        leerZonaNumerada(*zona);
        return;
    }
    for (int g = 0; g < kGruposSolares; ++g) {
        std::unique_ptr<LeerBDL> orientacion = objetoObligatorio(
            limites, "ORIENTACION", std::string(kPrefijosOrientacion[g]) + zonaClimatica);
        leerOrientacion(g, *orientacion);
    }
}

void Tablas::leerZona(const LeerBDL& z) {
    z.dameEntero("Porcentaje-huecos-maximo", porcentajeHuecosMaximo);
    z.dameReal("Transmitancia-media-cubierta", transmitanciaMediaCubierta);
    z.dameReal("Transmitancia-media-suelos", transmitanciaMediaSuelos);
    z.dameReal("Factor-solar-modificado-de-lucernarios", factorSolarLucernarios);
    transmitanciaMediaLucernarios = transmitanciaMediaCubierta;
    z.dameReal("Transmitancia-media-de-lucernarios", transmitanciaMediaLucernarios);
    z.dameReal("Transmitancia-maxima-medianeras", transmitanciaMaximaMedianeras);
    z.dameReal("Transmitancia-maxima-muros", transmitanciaMaximaMuros);
    z.dameReal("Transmitancia-maxima-suelos", transmitanciaMaximaSuelos);
    z.dameReal("Transmitancia-maxima-cubiertas", transmitanciaMaximaCubiertas);
    z.dameReal("Transmitancia-maxima-huecos", transmitanciaMaximaHuecos);
    z.dameReal("Permeabilidad-maxima-huecos", permeabilidadMaximaHuecos);
    leerLista(z, "fRsi-minimo", fRsiMinimo, 3);
}

void Tablas::leerZonaNumerada(const LeerBDL& z) {
    transmitanciaMaximaCubiertas = 0.25f;
    z.dameReal("Transmitancia-maxima-techumbres", transmitanciaMaximaCubiertas);
    transmitanciaMaximaMuros = 0.6f;
    z.dameReal("Transmitancia-maxima-muros", transmitanciaMaximaMuros);
    transmitanciaMaximaSuelos = 0.32f;
    z.dameReal("Transmitancia-maxima-pisos-ventilados", transmitanciaMaximaSuelos);
    z.dameReal("Porcentaje-maximo-ventanas-1", porcentajeMaximoVentanas[0]);
    z.dameReal("Porcentaje-maximo-ventanas-2", porcentajeMaximoVentanas[1]);
    z.dameReal("Porcentaje-maximo-ventanas-3", porcentajeMaximoVentanas[2]);
    z.dameReal("Transmitancia-maxima-ponderada", transmitanciaMaximaPonderada);
    z.dameReal("Porcentaje-maximo-ponderado-ventanas-1", porcentajeMaximoPonderado);
}

void Tablas::leerOrientacion(int grupo, const LeerBDL& o) {
    if (grupo == 0) {
        o.dameEntero("Porcentaje-huecos-maximo", porcentajeHuecosMaximoNorte);
        o.dameReal("Transmitancia-media-muros", transmitanciaMediaMuros);
    }
    if (grupo < kGruposHuecos)
        leerLista(o, "Transmitancia-media-de-huecos", transmitanciaMediaHuecos[grupo][0],
                  kClasesPorcentaje);
    for (int n = 0; n < kNivelesCarga; ++n)
        leerLista(o, kClavesSolares[n], factorSolarHuecos[grupo][n], kClasesPorcentaje);
}
