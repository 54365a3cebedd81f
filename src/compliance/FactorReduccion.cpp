#include "compliance/FactorReduccion.h"

#include "building/CondicionesOperacionales.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "envelope/Elemento.h"
#include "input/ValoresPorDefecto.h"

namespace {
constexpr float kCapacidadAire = 0.34f; // Wh/(m3 K), volumetric heat capacity of air
} // namespace

FactorReduccion::FactorReduccion(const Edificio& edificio, float he, float hi)
    : edificio_(edificio), he_(he), hi_(hi) {}

float FactorReduccion::operator()(int espacio) {
    if (!calculado_) calcular();
    if (espacio < 0 || espacio >= static_cast<int>(factores_.size())) return 1.0f;
    return factores_[espacio];
}

void FactorReduccion::calcular() {
    calculado_ = true;
    const std::vector<Espacio>& espacios = edificio_.espacios;
    const int n = static_cast<int>(espacios.size());
    std::vector<float> hiu(n, 0.0f), hue(n, 0.0f);
    auto habitable = [&](int j) {
        return j >= 0 && j < n && espacios[j].zona && espacios[j].zona->habitable;
    };
    // Every element is seen from each space whose list holds it: an interface between two spaces
    // twice (hence the halving of Hiu below), an exterior element of T once.
    for (const Espacio& s : espacios) {
        if (s.multiplicado || !s.zona) continue;
        for (const Elemento* e : s.zona->elementos) {
            const std::vector<int>& lados = e->lados;
            for (std::size_t i = 0; i < lados.size() && i < 2; ++i) {
                if (lados[i] >= 0) continue;
                int t = -lados[i] - 1;
                if (t >= n) continue;
                int otro = lados.size() >= 2 ? lados[1 - i] : 0;
                if (otro == lados[i]) continue;
                float H = 0.0f;
                if (otro >= 0) {
                    e->calcularH(H, he_, hi_);
                    hue[t] += H;
                } else if (habitable(-otro - 1)) {
                    e->calcularH(H, hi_, hi_);
                    hiu[t] += H;
                }
            }
        }
    }
    const float alturaForjado = gDefectos ? gDefectos->alturaForjado : 0.2f;
    factores_.assign(n, 1.0f);
    for (int t = 0; t < n; ++t) {
        const Espacio& s = espacios[t];
        if (!s.zona) continue;
        float infiltracion = s.zona->infiltracion;
        bool renovaciones = s.zona->infiltracionRenovaciones;
        if (s.zona->condiciones) {
            infiltracion = s.zona->condiciones->infiltracion;
            renovaciones = s.zona->condiciones->infiltracionRenovaciones;
        }
        factores_[t] = calcularFactor(hiu[t], hue[t], infiltracion, renovaciones, s.area, s.altura,
                                      alturaForjado);
    }
}

float FactorReduccion::calcularFactor(float hiu, float hue, float n, bool renovaciones, float area,
                                      float altura, float alturaForjado) {
    float Hiu = 0.5f * hiu;
    float Hue = hue;
    if (renovaciones && altura > alturaForjado)
        Hue += kCapacidadAire * n * area * (altura - alturaForjado);
    Hue += kCapacidadAire * n * area;
    float total = Hiu + Hue;
    return total > 0.0f ? Hue / total : 1.0f;
}
