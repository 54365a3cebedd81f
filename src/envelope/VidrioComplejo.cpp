#include "envelope/VidrioComplejo.h"

#include <cmath>
#include <cstdio>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"

namespace {
// A list of n values of the entry (missing or short lists leave zeros).
std::vector<float> lista(const LeerBDL& entrada, const std::string& clave, int n) {
    std::vector<float> v;
    entrada.dameLista(clave, v);
    v.resize(static_cast<std::size_t>(n > 0 ? n : 0), 0.0f);
    return v;
}

std::array<float, 11> lista11(const LeerBDL& entrada, const std::string& clave) {
    std::vector<float> v = lista(entrada, clave, 11);
    std::array<float, 11> r{};
    for (int i = 0; i < 11; ++i) r[i] = v[i];
    return r;
}

// Ratios of the ten angular values to the value at normal incidence.
std::array<float, CurvaAngular::kNumAngulos> razones(const std::array<float, 11>& v) {
    std::array<float, CurvaAngular::kNumAngulos> r{};
    if (v[0] > 0.0f)
        for (int i = 0; i < CurvaAngular::kNumAngulos; ++i) r[i] = v[i] / v[0];
    return r;
}
} // namespace

VidrioComplejo::VidrioComplejo(const std::string& cod, float param) : codigo(cod) {
    parametroSolar = param;
    if (codigo.size() >= 2 && codigo.front() == '"' && codigo.back() == '"')
        codigo = codigo.substr(1, codigo.size() - 2);
    std::unique_ptr<LeerBDL> entrada;
    try {
        entrada =
            LeerBDL::entradaLibreria(kFicheroLibreria, codigo, "GLASS-TYPE-CODE", kGrupoLibreria);
    } catch (ErrorFatal& e) {
        // No glazing library: the error points at the code that needed it.
        if (!e.lugar().conocido()) e.enLugar(lugarEnObjetoActual("GLASS-TYPE-CODE ="));
        throw;
    }
    if (!entrada->texto())
        throw ErrorFatal("No se encuentra: " + codigo)
            .enLugar(lugarEnObjetoActual("GLASS-TYPE-CODE ="))
            .conDetalle("se buscaba el c\xF3"
                        "digo de vidrio " +
                        codigo + " (GLASS-TYPE-CODE) en " +
                        Directorios::instancia().rutaLib(kFicheroLibreria));

    entrada->dameEntero("NLAYER", numCapas);
    // One digit names a pane's absorptance key: more panes than that is a broken entry.
    comprobar(numCapas >= 0 && numCapas <= 9, "GLASS-TYPE-CODE mal definido: " + codigo);
    for (int k = 1; k <= numCapas; ++k) {
        char clave[16];
        std::snprintf(clave, sizeof clave, "ABS-%1.1d", k);
        absortancias.push_back(lista11(*entrada, clave));
    }
    transmitancias = lista11(*entrada, "TSOL");
    entrada->dameReal("RBSOL-HEMI", reflectanciaTraseraHemi);
    espesores = lista(*entrada, "PANES-THICK", numCapas);
    for (float& e : espesores) e *= 0.001f;
    conductividades = lista(*entrada, "PANES-COND", numCapas);
    transmitanciasIR = lista(*entrada, "PANES-TIR", numCapas);
    emisividadesDelanteras = lista(*entrada, "PANES-EMIS-F", numCapas);
    emisividadesTraseras = lista(*entrada, "PANES-EMIS-B", numCapas);
    std::vector<float> peliculas = lista(*entrada, "FILMS-COND", 3);
    peliculaExterior = peliculas[0];
    peliculaCamara = peliculas[1];
    peliculaInteriorConveccion = peliculas[2] - kRadiacionCara;
    entrada->dameReal("U-CENTER", uCentro);

    // Solar curves relative to normal incidence; the 11th value is the hemispherical one.
    tauNormal = transmitancias[0];
    tauHemi = transmitancias[10];
    curvaTransmitancia.ajustar(razones(transmitancias));
    alfaNormal = alfaHemi = 0.0f;
    for (const std::array<float, 11>& a : absortancias) {
        CurvaAngular curva;
        curva.ajustar(razones(a));
        curvasAbsortancia.push_back(curva);
        alfaNormal += a[0];
        alfaHemi += a[10];
    }
    alfaHemiTrasera = 1.0f - tauHemi - reflectanciaTraseraHemi;
}

// Steady balance of the panes: each pane is one node at its mid-plane; between nodes the
// half-pane conduction, and across a gap the gap film plus long-wave exchange between the two
// facing faces (parallel grey planes, linearised at their mean temperature and started at
// kRadiacionCara). The exterior and interior films bound the chain. The absorbed solar heat
// enters at the nodes; the tridiagonal system is solved by elimination and the radiative
// coefficients are refreshed a few times.
void VidrioComplejo::balanceCapas(float Te, float Ti, const std::vector<float>& absorbida,
                                  float& tCaraExterior, float& tCaraInterior) const {
    const int n = numCapas;
    if (n <= 0) {
        tCaraExterior = Te;
        tCaraInterior = Ti;
        return;
    }
    auto mediaPane = [&](int i) {
        return conductividades[i] > 0.0f ? 0.5 * espesores[i] / conductividades[i] : 0.0;
    };
    const double sigma = 5.67e-8;
    const double hExt = peliculaExterior > 0.0f ? peliculaExterior : 25.0;
    const double hInt = peliculaInteriorConveccion + kRadiacionCara > 0.0f
                            ? peliculaInteriorConveccion + kRadiacionCara
                            : 7.7;
    std::vector<double> t(static_cast<std::size_t>(n), 0.5 * (Te + Ti));
    std::vector<double> hr(static_cast<std::size_t>(n > 1 ? n - 1 : 0), kRadiacionCara);
    std::vector<double> g(static_cast<std::size_t>(n + 1)); // conductances between nodes
    for (int iter = 0; iter < 5; ++iter) {
        g[0] = 1.0 / (1.0 / hExt + mediaPane(0));
        for (int i = 0; i + 1 < n; ++i) {
            double hGap = peliculaCamara + hr[i];
            double rGap = (hGap > 0.0 ? 1.0 / hGap : 1e6) + mediaPane(i) + mediaPane(i + 1);
            g[i + 1] = 1.0 / rGap;
        }
        g[n] = 1.0 / (1.0 / hInt + mediaPane(n - 1));
        // Tridiagonal system: (g[i] + g[i+1]) t_i - g[i] t_{i-1} - g[i+1] t_{i+1} = q_i.
        std::vector<double> c(static_cast<std::size_t>(n)), d(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            double q = i < static_cast<int>(absorbida.size()) ? absorbida[i] : 0.0;
            double b = g[i] + g[i + 1];
            double rhs = q + (i == 0 ? g[0] * Te : 0.0) + (i == n - 1 ? g[n] * Ti : 0.0);
            double a = i > 0 ? -g[i] : 0.0;
            double den = b - (i > 0 ? a * c[i - 1] : 0.0);
            c[i] = (i + 1 < n ? -g[i + 1] : 0.0) / den;
            d[i] = (rhs - (i > 0 ? a * d[i - 1] : 0.0)) / den;
        }
        for (int i = n - 1; i >= 0; --i) t[i] = d[i] - (i + 1 < n ? c[i] * t[i + 1] : 0.0);
        for (int i = 0; i + 1 < n; ++i) {
            double e1 = emisividadesTraseras[i], e2 = emisividadesDelanteras[i + 1];
            double eps = (e1 > 0.0 && e2 > 0.0) ? 1.0 / (1.0 / e1 + 1.0 / e2 - 1.0) : 0.0;
            double tm = 0.5 * (t[i] + t[i + 1]) + 273.15;
            hr[i] = 4.0 * sigma * eps * tm * tm * tm;
        }
    }
    // Face temperatures: the film heat flow crosses the outer film.
    double qExt = g[0] * (t[0] - Te);
    tCaraExterior = static_cast<float>(Te + qExt / hExt);
    double qInt = g[n] * (t[n - 1] - Ti);
    tCaraInterior = static_cast<float>(Ti + qInt / hInt);
}
