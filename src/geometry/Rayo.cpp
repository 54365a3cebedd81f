#include "geometry/Rayo.h"

#include <algorithm>
#include <cmath>

#include "geometry/JerarquiaVolumenes.h"
#include "geometry/PoliArea.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kLejos = 1e30f;

} // namespace

Rayo::Rayo(const JerarquiaVolumenes& obstrucciones, const PoliArea& superficie, int indice)
    : obstrucciones_(obstrucciones), superficie_(superficie), indice_(indice),
      rejilla_(kFilas * kColumnas, -1.0f) {
    const double area = superficie.area();
    const double celdas = area / kAreaPorMuestra;
    const int n = celdas >= kMuestrasMaximas ? kMuestrasMaximas
                  : celdas >= 1.5            ? static_cast<int>(std::lround(celdas))
                                             : 1;
    double du = static_cast<double>(superficie.umax) - superficie.umin;
    double dv = static_cast<double>(superficie.vmax) - superficie.vmin;
    if (!(du * dv > 0.0 && std::isfinite(du * dv))) du = dv = 0.0;
    const Vector3 desplazamiento = superficie.normal() * kSeparacion;

    // Cells over the bounding box, as square as the box allows; a finer grid is tried when no
    // centre falls inside (a thin concave polygon), and the first node's neighbourhood last.
    for (int intento = 0; intento < 2 && muestras_.empty(); ++intento) {
        int nu = 1, nv = 1;
        if (intento == 0) {
            if (du * dv > 0.0) {
                const double s = std::sqrt(n / (du * dv));
                nu = static_cast<int>(std::min<double>(n, std::max(1.0, std::round(s * du))));
            }
            nv = std::max(1, n / nu);
        } else {
            nu = nv = 8;
        }
        for (int i = 0; i < nv; ++i) {
            for (int j = 0; j < nu; ++j) {
                const float u = static_cast<float>(superficie.umin + (j + 0.5) / nu * du);
                const float v = static_cast<float>(superficie.vmin + (i + 0.5) / nv * dv);
                Point3 p = superficie.origen() + superficie.ejeX() * u + superficie.ejeY() * v;
                if (superficie.contains(p)) muestras_.push_back(p + desplazamiento);
            }
        }
    }
    if (muestras_.empty()) {
        Point3 c;
        superficie.centre(c);
        muestras_.push_back(c + desplazamiento);
    }
}

float Rayo::valorRejilla(int fila, int columna) {
    // The top row is the one direction along the normal; the last column repeats the first.
    if (fila >= kFilas - 1) {
        fila = kFilas - 1;
        columna = 0;
    }
    if (columna >= kColumnas - 1) columna = 0;
    float& g = rejilla_[fila * kColumnas + columna];
    if (g >= 0.0f) return g;
    const double e = fila * (kPi / 2) / (kFilas - 1);
    const double a = columna * (2 * kPi) / (kColumnas - 1);
    const float cx = static_cast<float>(std::cos(e) * std::cos(a));
    const float cy = static_cast<float>(std::cos(e) * std::sin(a));
    const float cn = static_cast<float>(std::sin(e));
    const Vector3 d = superficie_.ejeX() * cx + superficie_.ejeY() * cy + superficie_.normal() * cn;
    int libres = 0;
    for (const Point3& p : muestras_)
        if (!obstrucciones_.ocluido(p, d, 0.0f, kLejos, indice_)) ++libres;
    g = static_cast<float>(libres) / static_cast<float>(muestras_.size());
    return g;
}

float Rayo::valor(const Vector3& direccion) {
    const double dn = direccion.punto(superficie_.normal());
    if (dn <= -0.00001) return 0.0f;
    const double dx = direccion.punto(superficie_.ejeX());
    const double dy = direccion.punto(superficie_.ejeY());
    double azimut = std::atan2(dy, dx);
    if (azimut < 0.0) azimut += 2 * kPi;
    const double elevacion = std::max(0.0, std::asin(std::min(1.0, dn)));

    const double fe = elevacion / ((kPi / 2) / (kFilas - 1));
    const double fa = azimut / ((2 * kPi) / (kColumnas - 1));
    const int r = static_cast<int>(fe);
    const int c = static_cast<int>(fa);
    if (r >= kFilas - 1) return valorRejilla(kFilas - 1, 0);
    const double tr = fe - r;
    const double tc = fa - c;
    // A corner of zero weight is not cast.
    auto g = [&](int i, int j, double peso) -> double {
        if (peso <= 0.0) return 0.0;
        return peso * ((i < kFilas && j < kColumnas) ? valorRejilla(i, j) : 1.0f);
    };
    const double v = g(r, c, (1 - tr) * (1 - tc)) + g(r, c + 1, (1 - tr) * tc) +
                     g(r + 1, c, tr * (1 - tc)) + g(r + 1, c + 1, tr * tc);
    return static_cast<float>(v);
}
