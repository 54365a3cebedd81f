#include "report/InformeCondensacion.h"

#include <algorithm>

#include "envelope/Condensaciones.h"
#include "envelope/Elemento1D.h"
#include "input/ResultadoComprobacion.h"
#include "report/ContextoInforme.h"

namespace {

Json superficial(const ResultadoComprobacion& r) {
    Json j;
    Json fRsi = Json::array(), minimo = Json::array();
    for (int m = 0; m < 12; ++m) {
        fRsi.push_back(JsonInforme::numero(r.valor));
        minimo.push_back(JsonInforme::numero(r.limite));
    }
    j["fRsi"] = std::move(fRsi);
    j["fRsiMinimo"] = std::move(minimo);
    j["cumple"] = r.cumple;
    return j;
}

} // namespace

Json InformeCondensacion::condensacion(const ContextoInforme& c, int indice) {
    const ResultadoComprobacion *sup = nullptr, *inter = nullptr;
    for (const ResultadoComprobacion* r : c.resultadosDe(indice)) {
        if (!sup && r->tipo == TipoComprobacion::CondensacionSuperficial) sup = r;
        if (!inter && r->tipo == TipoComprobacion::CondensacionIntersticial) inter = r;
    }
    if (!sup && !inter) return nullptr;
    Json j;
    j["superficial"] = sup ? superficial(*sup) : Json(nullptr);
    j["intersticial"] = nullptr;
    const Elemento1D* e = dynamic_cast<const Elemento1D*>(c.elementos[indice]);
    if (inter && e && c.f.Te && c.f.Ti && c.f.HRe) {
        float HRi[12];
        std::fill(HRi, HRi + 12, inter->humedadInterior);
        const PerfilIntersticial p = Condensaciones::perfilIntersticial(
            e->capas, inter->hExterior, inter->hInterior, c.f.Te, c.f.Ti, c.f.HRe, HRi);
        if (p.definido && p.x.size() >= 2)
            j["intersticial"] = intersticial(p, c.f.Te, c.f.Ti, c.f.HRe, inter->humedadInterior);
    }
    return j;
}

Json InformeCondensacion::intersticial(const PerfilIntersticial& p, const float* Te,
                                       const float* Ti, const float* HRe, float humedadInterior) {
    const int n = static_cast<int>(p.x.size());
    Json interfaces = Json::array();
    for (int k = 0; k < n; ++k) {
        Json f;
        f["x"] = JsonInforme::numero(p.x[k]);
        f["sd"] = JsonInforme::numero(p.sd[k]);
        f["capa"] = JsonInforme::indiceONulo(p.capa[k]);
        interfaces.push_back(std::move(f));
    }
    std::vector<int> planos;
    for (int k = 0; k < n && k < static_cast<int>(p.plano.size()); ++k)
        if (p.plano[k]) planos.push_back(k);
    Json meses = Json::array(), acumulado = Json::array();
    std::vector<double> tasaMes(12, 0.0);
    double condensado = 0.0;
    for (int m = 0; m < 12; ++m) {
        Json jm;
        jm["temperaturaExterior"] = JsonInforme::numero(Te[m]);
        jm["humedadExterior"] = JsonInforme::numero(HRe[m]);
        jm["temperaturaInterior"] = JsonInforme::numero(Ti[m]);
        jm["humedadInterior"] = JsonInforme::numero(humedadInterior);
        jm.update(mes(p, m, planos, tasaMes[m]));
        meses.push_back(std::move(jm));
        condensado = std::max(0.0, condensado + tasaMes[m]);
        acumulado.push_back(JsonInforme::numero(condensado));
    }
    Json j;
    j["interfaces"] = std::move(interfaces);
    j["meses"] = std::move(meses);
    j["acumulado"] = std::move(acumulado);
    j["planos"] = planos;
    j["peorMes"] = peorMes(p, tasaMes);
    j["cumple"] = !p.condensa;
    return j;
}

Json InformeCondensacion::mes(const PerfilIntersticial& p, int m, const std::vector<int>& planos,
                              double& tasa) {
    Json j;
    j["temperatura"] = JsonInforme::numeros(p.temperatura[m]);
    j["psat"] = JsonInforme::numeros(p.psat[m]);
    j["p"] = JsonInforme::numeros(p.p[m]);
    j["planos"] = planos;
    Json tasas = Json::array();
    tasa = 0.0;
    for (int k : planos) {
        tasas.push_back(JsonInforme::numero(p.tasas[m][k]));
        tasa += p.tasas[m][k];
    }
    j["tasas"] = std::move(tasas);
    j["tasa"] = JsonInforme::numero(tasa);
    return j;
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
