#include "envelope/Condensaciones.h"

#include <algorithm>
#include <cmath>

#include "base/Calendario.h"
#include "base/Formato.h"
#include "base/Valores.h"
#include "climate/CorrienteAire.h"
#include "envelope/Elemento1D.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

namespace {

constexpr float kPresionAtmosferica = 101325.0f;
constexpr double kSegundosDia = 24.0 * 3600.0;
// A layer is split into ceil(0.04 R) sub-layers; the count is capped so that a layer of absurd
// resistance (1e10 for a zero conductivity) cannot blow up the profile.
constexpr double kSubcapasPorResistencia = 0.04;
constexpr int kMaxSubcapasPorCapa = 100;
// Equivalent air thickness (m) below which a layer counts as open to the outside.
constexpr double kEspesorEquivalenteAbierto = 100.0;
// Conductivity (W/mK) below which a layer counts as insulating.
constexpr float kConductividadAislante = 0.1f;

// Vapour pressure (Pa) of air at temperature T (degC) and relative humidity hr; a humidity below
// 1 is a fraction.
float presionVapor(float T, float hr) {
    if (hr < 1.0f) hr *= 100.0f;
    CorrienteAire aire;
    aire.ponThrP(T, hr, kPresionAtmosferica);
    return aire.dame("pv");
}

// A sub-layer: resistance, equivalent air thickness, owning layer.
struct Subcapa {
    double r, s;
    int capa;
};

// The layer stack cut into sub-layers, outside first. Interfaces 0 (outer face) .. N (inner
// face) carry the cumulative resistance from the outside air and the cumulative equivalent air
// thickness from the outer face.
struct Perfil {
    std::vector<Subcapa> sub;
    std::vector<int> primeraSubcapa; // of each layer; -1 for a layer without resistance
    double rCapas = 0.0, sTotal = 0.0;
    std::vector<double> Rc, S;
};

// Values of every month (rows) at every interface or layer (columns).
using PorMes = std::vector<std::vector<double>>;

// Vapour pressures of every month at every interface, and the interfaces that condense in some
// month (there the pressure is held at saturation).
struct Presiones {
    PorMes p, psat;
    std::vector<char> plano;
};

Perfil dividirEnSubcapas(const std::vector<Capa>& capas) {
    Perfil perfil;
    perfil.primeraSubcapa.assign(capas.size(), -1);
    for (std::size_t i = 0; i < capas.size(); ++i) {
        const Capa& c = capas[i];
        double R = c.conductividad > 0.0f ? static_cast<double>(c.espesor) / c.conductividad
                                          : static_cast<double>(c.resistencia);
        if (!(R > 0.0) || !std::isfinite(R)) continue; // no resistance: no sub-layer
        double n = std::ceil(kSubcapasPorResistencia * R);
        int partes = static_cast<int>(std::min<double>(std::max(n, 1.0), kMaxSubcapasPorCapa));
        perfil.primeraSubcapa[i] = static_cast<int>(perfil.sub.size());
        double s = std::max(0.0, static_cast<double>(c.vapor));
        for (int k = 0; k < partes; ++k)
            perfil.sub.push_back({R / partes, s / partes, static_cast<int>(i)});
        perfil.rCapas += R;
        perfil.sTotal += s;
    }
    return perfil;
}

void acumularDesdeFuera(Perfil& perfil, float he) {
    const int N = static_cast<int>(perfil.sub.size());
    std::vector<double>&Rc = perfil.Rc, &S = perfil.S;
    Rc.assign(N + 1, 0.0);
    S.assign(N + 1, 0.0);
    Rc[0] = 1.0 / he;
    S[0] = 0.0;
    for (int j = 1; j <= N; ++j) {
        Rc[j] = Rc[j - 1] + perfil.sub[j - 1].r;
        S[j] = S[j - 1] + perfil.sub[j - 1].s;
    }
}

// temperaturas: when given, receives the temperature of every month at every interface.
Presiones presionesMensuales(const Perfil& perfil, float he, float hi, const float* Te,
                             const float* Ti, const float* HRe, const float* HRi,
                             PorMes* temperaturas = nullptr) {
    const int N = static_cast<int>(perfil.sub.size());
    const double rTotal = 1.0 / he + perfil.rCapas + 1.0 / hi;
    if (temperaturas) temperaturas->assign(12, std::vector<double>(N + 1));
    Presiones r{PorMes(12, std::vector<double>(N + 1)), PorMes(12, std::vector<double>(N + 1)),
                std::vector<char>(N + 1, 0)};
    for (int m = 0; m < 12; ++m) {
        double pe = presionVapor(Te[m], HRe[m]);
        double pi = presionVapor(Ti[m], HRi[m]);
        for (int j = 0; j <= N; ++j) {
            double T = Te[m] + (static_cast<double>(Ti[m]) - Te[m]) * perfil.Rc[j] / rTotal;
            if (temperaturas) (*temperaturas)[m][j] = T;
            r.psat[m][j] = CorrienteAire::presionSaturacion(static_cast<float>(T));
            r.p[m][j] = pe + (pi - pe) * perfil.S[j] / perfil.sTotal;
            if (j > 0 && j < N && r.p[m][j] > r.psat[m][j]) r.plano[j] = 1;
        }
    }
    for (int j = 1; j < N; ++j)
        if (r.plano[j])
            for (int m = 0; m < 12; ++m) r.p[m][j] = r.psat[m][j];
    return r;
}

// Monthly condensation rates (kg/m2) at the planes; planes that never condense are dropped
// (from presiones.plano) and the rates recomputed until the set of planes settles.
PorMes tasasCondensacion(const Perfil& perfil, Presiones& presiones) {
    const int N = static_cast<int>(perfil.sub.size());
    const std::vector<double>& S = perfil.S;
    const PorMes& p = presiones.p;
    std::vector<char>& plano = presiones.plano;
    PorMes g(12, std::vector<double>(N + 1, 0.0));
    auto flujo = [&](int m, int desde, int hasta) {
        double ds = S[hasta] - S[desde];
        return ds > 0.0 ? (p[m][hasta] - p[m][desde]) / ds : 0.0;
    };
    for (bool cambio = true; cambio;) {
        cambio = false;
        std::vector<int> activos;
        for (int j = 1; j < N; ++j)
            if (plano[j]) activos.push_back(j);
        for (auto& fila : g) std::fill(fila.begin(), fila.end(), 0.0);
        for (std::size_t a = 0; a < activos.size(); ++a) {
            int j = activos[a];
            int k = a > 0 ? activos[a - 1] : 0;
            int l = a + 1 < activos.size() ? activos[a + 1] : N;
            double positivos = 0.0;
            for (int m = 0; m < 12; ++m) {
                g[m][j] = Condensaciones::kPermeabilidadAire * (flujo(m, j, l) - flujo(m, k, j)) *
                          Calendario::kDiasMes[m] * kSegundosDia;
                if (g[m][j] > 0.0) positivos += g[m][j];
            }
            if (!(positivos > 0.0)) {
                plano[j] = 0;
                cambio = true;
            }
        }
    }
    return g;
}

// Rates per layer (rows) and month: an interface counts for the layers on both of its sides.
PorMes tasasPorCapa(const Perfil& perfil, const std::vector<char>& plano, const PorMes& g,
                    int numCapas) {
    const int N = static_cast<int>(perfil.sub.size());
    PorMes gCapa(numCapas, std::vector<double>(12, 0.0));
    for (int j = 1; j < N; ++j) {
        if (!plano[j]) continue;
        int exterior = perfil.sub[j - 1].capa, interior = perfil.sub[j].capa;
        for (int m = 0; m < 12; ++m) {
            gCapa[exterior][m] += g[m][j];
            if (interior != exterior) gCapa[interior][m] += g[m][j];
        }
    }
    return gCapa;
}

// A layer open to the outside that accumulates condensate over the year, or an insulating one
// that condenses in some month.
bool algunaCapaCondensa(const std::vector<Capa>& capas, const Perfil& perfil, const PorMes& gCapa) {
    const int numCapas = static_cast<int>(capas.size());
    for (int i = 0; i < numCapas; ++i) {
        if (perfil.primeraSubcapa[i] < 0) continue;
        double anual = 0.0, positivos = 0.0;
        for (int m = 0; m < 12; ++m) {
            anual += gCapa[i][m];
            if (gCapa[i][m] > 0.0) positivos += gCapa[i][m];
        }
        bool abierta = perfil.S[perfil.primeraSubcapa[i]] < kEspesorEquivalenteAbierto;
        float lambda = capas[i].conductividad;
        bool aislante = lambda > 0.0f && lambda < kConductividadAislante;
        if (abierta && (anual > 0.0 || (positivos > 0.0 && aislante))) return true;
    }
    return false;
}

} // namespace

void Condensaciones::superficial(const Elemento1D& e, float fRsiMin, float hOut, float hIn) {
    float A = e.area();
    if (!(A > 0.0f)) return;
    float H = 0.0f;
    e.calcularH(H, hOut, hIn);
    float U = H / A;
    float fRsi = 1.0f - kRsiSuperficial * U;
    auto r = ResultadoComprobacion::minimo(
        TipoComprobacion::CondensacionSuperficial, &e, fRsi, fRsiMin, 1,
        e.nombre + formatear(": fRsi = %1.2f fRsi_minimo = %1.2f", fRsi, fRsiMin));
    r.H = H;
    r.area = A;
    r.hExterior = hOut;
    r.hInterior = hIn;
    gGlobal2->registrar(std::move(r));
}

void Condensaciones::intersticial(const Elemento1D& e, float fRsiMin, float hOut, float hIn,
                                  const float* Te, const float* Ti, const float* HRe,
                                  const float* HRi) {
    superficial(e, fRsiMin, hOut, hIn);
    float he = gDefectos->exigir(gDefectos->hcext, "HCEXT") + gDefectos->hrext;
    float hi =
        gDefectos->exigir(gDefectos->hcint, "HCINT") + gDefectos->exigir(gDefectos->hrint, "HRINT");
    bool condensa = condensaIntersticial(e.capas, he, hi, Te, Ti, HRe, HRi);
    ResultadoComprobacion r;
    r.tipo = TipoComprobacion::CondensacionIntersticial;
    r.elemento = &e;
    r.cumple = !condensa;
    r.lista = 2;
    r.texto = e.nombre;
    r.hExterior = he;
    r.hInterior = hi;
    r.humedadInterior = HRi[0];
    gGlobal2->registrar(std::move(r));
}

void Condensaciones::comprobarPuentesTermicos(const Elemento& e, float fRsiMin) {
    int filas = static_cast<int>(e.puentes.size()) - 1; // the closing row is never checked
    for (int i = 0; i < filas; ++i) {
        std::string tipo;
        if (gDefectos && i < static_cast<int>(gDefectos->puentes.size()))
            tipo = gDefectos->puentes[i].nombre;
        float frsi = e.puentes[i].frsi;
        auto r = ResultadoComprobacion::minimo(
            TipoComprobacion::PuenteTermico, &e, frsi, fRsiMin, 4,
            tipo + formatear(": fRsi = %1.2f fRsi_minimo = %1.2f", frsi, fRsiMin));
        r.fila = i;
        gGlobal2->registrar(std::move(r));
    }
}

bool Condensaciones::condensaIntersticial(const std::vector<Capa>& capas, float he, float hi,
                                          const float* Te, const float* Ti, const float* HRe,
                                          const float* HRi) {
    Perfil perfil = dividirEnSubcapas(capas);
    const int N = static_cast<int>(perfil.sub.size());
    if (N == 0 || !(perfil.rCapas > 0.0) || !(perfil.sTotal > 0.0) || !(he > 0.0f) || !(hi > 0.0f))
        return false; // profiles undefined: taken as free of interstitial condensation
    acumularDesdeFuera(perfil, he);
    Presiones presiones = presionesMensuales(perfil, he, hi, Te, Ti, HRe, HRi);
    const PorMes g = tasasCondensacion(perfil, presiones);
    const PorMes gCapa = tasasPorCapa(perfil, presiones.plano, g, static_cast<int>(capas.size()));
    return algunaCapaCondensa(capas, perfil, gCapa);
}

PerfilIntersticial Condensaciones::perfilIntersticial(const std::vector<Capa>& capas, float he,
                                                      float hi, const float* Te, const float* Ti,
                                                      const float* HRe, const float* HRi) {
    PerfilIntersticial r;
    Perfil perfil = dividirEnSubcapas(capas);
    const int N = static_cast<int>(perfil.sub.size());
    if (N == 0 || !(perfil.rCapas > 0.0) || !(perfil.sTotal > 0.0) || !(he > 0.0f) || !(hi > 0.0f))
        return r;
    r.definido = true;
    acumularDesdeFuera(perfil, he);
    Presiones presiones = presionesMensuales(perfil, he, hi, Te, Ti, HRe, HRi, &r.temperatura);
    r.tasas = tasasCondensacion(perfil, presiones);
    const PorMes gCapa =
        tasasPorCapa(perfil, presiones.plano, r.tasas, static_cast<int>(capas.size()));
    r.condensa = algunaCapaCondensa(capas, perfil, gCapa);
    std::vector<int> partes(capas.size(), 0);
    for (const Subcapa& s : perfil.sub) ++partes[s.capa];
    r.x.assign(N + 1, 0.0);
    r.capa.assign(N + 1, -1);
    for (int j = 0; j < N; ++j) {
        const int i = perfil.sub[j].capa;
        r.x[j + 1] = r.x[j] + static_cast<double>(capas[i].espesor) / partes[i];
        r.capa[j] = i;
    }
    r.sd = perfil.S;
    r.psat = std::move(presiones.psat);
    r.p = std::move(presiones.p);
    r.plano = std::move(presiones.plano);
    return r;
}
