#include "geometry/IndiceSegmentos.h"

#include <algorithm>
#include <cmath>

namespace {
// Segments cut into more pieces than this are kept apart instead of filling the grid.
constexpr double kMaxTrozos = 4096.0;
// Cell coordinates beyond this are not representable in the key.
constexpr double kMaxCelda = 1.0e9;
constexpr double kFactorCelda = 1.0137;
} // namespace

IndiceSegmentos::IndiceSegmentos(double celda, double margen)
    : celda_(celda > 0.0 && std::isfinite(celda) ? celda : 1.0), margen_(margen) {}

double IndiceSegmentos::celdaPara(double longitudMedia) {
    // Buildings are drawn on round coordinates: an odd factor keeps the cell faces off the
    // nodes, where many edges meet and the margin would register each in eight cells.
    if (!(longitudMedia > 0.0) || !std::isfinite(longitudMedia)) return 1.0 * kFactorCelda;
    return std::min(100.0, std::max(0.25, longitudMedia)) * kFactorCelda;
}

bool IndiceSegmentos::celdas(const Point3& a, const Point3& b, std::vector<Celda>& out) const {
    out.clear();
    const double pa[3] = {a.x, a.y, a.z};
    const double pb[3] = {b.x, b.y, b.z};
    double largo = 0.0;
    for (int c = 0; c < 3; ++c) {
        if (!std::isfinite(pa[c]) || !std::isfinite(pb[c])) return false;
        if (std::fabs(pa[c]) / celda_ > kMaxCelda || std::fabs(pb[c]) / celda_ > kMaxCelda)
            return false;
        largo = std::max(largo, std::fabs(pb[c] - pa[c]));
    }
    double n = std::ceil(largo / celda_);
    if (n > kMaxTrozos) return false;
    int trozos = std::max(1, static_cast<int>(n));
    for (int t = 0; t < trozos; ++t) {
        double s0 = static_cast<double>(t) / trozos, s1 = static_cast<double>(t + 1) / trozos;
        std::int32_t lo[3], hi[3];
        for (int c = 0; c < 3; ++c) {
            double p0 = pa[c] + (pb[c] - pa[c]) * s0, p1 = pa[c] + (pb[c] - pa[c]) * s1;
            lo[c] = static_cast<std::int32_t>(std::floor((std::min(p0, p1) - margen_) / celda_));
            hi[c] = static_cast<std::int32_t>(std::floor((std::max(p0, p1) + margen_) / celda_));
        }
        for (std::int32_t i = lo[0]; i <= hi[0]; ++i)
            for (std::int32_t j = lo[1]; j <= hi[1]; ++j)
                for (std::int32_t k = lo[2]; k <= hi[2]; ++k) out.push_back(Celda{i, j, k});
    }
    std::sort(out.begin(), out.end(), [](const Celda& x, const Celda& y) {
        return x.i != y.i ? x.i < y.i : (x.j != y.j ? x.j < y.j : x.k < y.k);
    });
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return true;
}

void IndiceSegmentos::insertar(int id, const Point3& a, const Point3& b) {
    if (id >= static_cast<int>(marcas_.size()))
        marcas_.resize(static_cast<std::size_t>(id) + 1, 0u);
    if (!celdas(a, b, tmp_)) {
        apartados_.push_back(id);
        return;
    }
    for (const Celda& c : tmp_) mapa_[c].push_back(id);
}

void IndiceSegmentos::candidatos(const Point3& a, const Point3& b, std::vector<int>& ids) const {
    ids.clear();
    if (++consulta_ == 0) {
        std::fill(marcas_.begin(), marcas_.end(), 0u);
        consulta_ = 1;
    }
    auto tomar = [this, &ids](const std::vector<int>& lista) {
        for (int id : lista) {
            if (marcas_[id] == consulta_) continue;
            marcas_[id] = consulta_;
            ids.push_back(id);
        }
    };
    tomar(apartados_);
    if (celdas(a, b, tmp_)) {
        for (const Celda& c : tmp_) {
            auto it = mapa_.find(c);
            if (it != mapa_.end()) tomar(it->second);
        }
    } else {
        // A segment outside the grid may touch anything: every registered identifier.
        for (const auto& par : mapa_) tomar(par.second);
    }
    std::sort(ids.begin(), ids.end());
}
