#include "report/InformeCondensacion.h"

#include <algorithm>

#include "envelope/Condensaciones.h"
#include "envelope/Elemento1D.h"
#include "input/ResultadoComprobacion.h"
#include "report/ContextoInforme.h"

namespace {

Json superficial(const ResultadoComprobacion& r) {
    Json j = JsonInforme::objeto(3);
    JsonInforme::anadir(j, "fRsi", JsonInforme::numero(r.valor));
    JsonInforme::anadir(j, "fRsiMinimo", JsonInforme::numero(r.limite));
    JsonInforme::anadir(j, "cumple", r.cumple);
    return j;
}

} // namespace

const ResultadoComprobacion* InformeCondensacion::resultadoIntersticial(const ContextoInforme& c,
                                                                        int indice) {
    for (const ResultadoComprobacion* r : c.resultadosDe(indice))
        if (r->tipo == TipoComprobacion::CondensacionIntersticial) return r;
    return nullptr;
}

Json InformeCondensacion::condensacion(const ContextoInforme& c, int indice,
                                       const ResultadoComprobacion* intersticial, int perfil) {
    const ResultadoComprobacion* sup = nullptr;
    for (const ResultadoComprobacion* r : c.resultadosDe(indice))
        if (!sup && r->tipo == TipoComprobacion::CondensacionSuperficial) sup = r;
    if (!sup && !intersticial) return nullptr;
    Json j = JsonInforme::objeto(2);
    JsonInforme::anadir(j, "superficial", sup ? superficial(*sup) : Json(nullptr));
    JsonInforme::anadir(j, "intersticial", JsonInforme::indiceONulo(perfil));
    return j;
}

Json InformeCondensacion::intersticial(const ContextoInforme& c, const Elemento1D& e,
                                       const ResultadoComprobacion& r) {
    if (!c.f.Te || !c.f.Ti || !c.f.HRe) return nullptr;
    float HRi[12];
    std::fill(HRi, HRi + 12, r.humedadInterior);
    const PerfilIntersticial p = Condensaciones::perfilIntersticial(
        e.capas, r.hExterior, r.hInterior, c.f.Te, c.f.Ti, c.f.HRe, HRi);
    if (!p.definido || p.x.size() < 2) return nullptr;
    return perfil(p, c.f.Te, c.f.Ti, c.f.HRe, r.humedadInterior);
}

Json InformeCondensacion::perfil(const PerfilIntersticial& p, const float* Te, const float* Ti,
                                 const float* HRe, float humedadInterior) {
    const int n = static_cast<int>(p.x.size());
    Json interfaces = Json::array();
    for (int k = 0; k < n; ++k) {
        Json f = JsonInforme::objeto(3);
        JsonInforme::anadir(f, "x", JsonInforme::numero(p.x[k]));
        JsonInforme::anadir(f, "sd", JsonInforme::numero(p.sd[k]));
        JsonInforme::anadir(f, "capa", JsonInforme::indiceONulo(p.capa[k]));
        interfaces.push_back(std::move(f));
    }
    std::vector<int> planos;
    for (int k = 0; k < n && k < static_cast<int>(p.plano.size()); ++k)
        if (p.plano[k]) planos.push_back(k);
    Json meses = Json::array(), acumulado = Json::array();
    std::vector<double> tasaMes(12, 0.0);
    double condensado = 0.0;
    for (int m = 0; m < 12; ++m) {
        Json jm = JsonInforme::objeto(10);
        JsonInforme::anadir(jm, "temperaturaExterior", JsonInforme::numero(Te[m]));
        JsonInforme::anadir(jm, "humedadExterior", JsonInforme::numero(HRe[m]));
        JsonInforme::anadir(jm, "temperaturaInterior", JsonInforme::numero(Ti[m]));
        JsonInforme::anadir(jm, "humedadInterior", JsonInforme::numero(humedadInterior));
        mes(p, m, planos, jm, tasaMes[m]);
        meses.push_back(std::move(jm));
        condensado = std::max(0.0, condensado + tasaMes[m]);
        acumulado.push_back(JsonInforme::numero(condensado));
    }
    Json j = JsonInforme::objeto(6);
    JsonInforme::anadir(j, "interfaces", std::move(interfaces));
    JsonInforme::anadir(j, "meses", std::move(meses));
    JsonInforme::anadir(j, "acumulado", std::move(acumulado));
    JsonInforme::anadir(j, "planos", planos);
    JsonInforme::anadir(j, "peorMes", peorMes(p, tasaMes));
    JsonInforme::anadir(j, "cumple", !p.condensa);
    return j;
}

void InformeCondensacion::mes(const PerfilIntersticial& p, int m, const std::vector<int>& planos,
                              Json& j, double& tasa) {
    JsonInforme::anadir(j, "temperatura", JsonInforme::numeros(p.temperatura[m]));
    JsonInforme::anadir(j, "psat", JsonInforme::numeros(p.psat[m]));
    JsonInforme::anadir(j, "p", JsonInforme::numeros(p.p[m]));
    JsonInforme::anadir(j, "planos", planos);
    Json tasas = Json::array();
    tasa = 0.0;
    for (int k : planos) {
        tasas.push_back(JsonInforme::numero(p.tasas[m][k]));
        tasa += p.tasas[m][k];
    }
    JsonInforme::anadir(j, "tasas", std::move(tasas));
    JsonInforme::anadir(j, "tasa", JsonInforme::numero(tasa));
}

int InformeCondensacion::peorMes(const PerfilIntersticial& p, const std::vector<double>& tasaMes) {
    int peor = 0;
    for (int m = 1; m < 12; ++m)
        if (tasaMes[m] > tasaMes[peor]) peor = m;
    if (tasaMes[peor] > 0.0) return peor;
    double cociente = -1.0;
    for (int m = 0; m < 12; ++m)
        for (std::size_t k = 0; k < p.p[m].size(); ++k)
            if (p.psat[m][k] > 0.0 && p.p[m][k] / p.psat[m][k] > cociente) {
                cociente = p.p[m][k] / p.psat[m][k];
                peor = m;
            }
    return peor;
}
