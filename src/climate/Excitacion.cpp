#include "climate/Excitacion.h"

#include <algorithm>
#include <cmath>

#include "base/ErrorFatal.h"
#include "base/Matrices.h"
#include "climate/PosicionSolar.h"
#include "geometry/JerarquiaVolumenes.h"
#include "geometry/PoliArea.h"
#include "geometry/Rayo.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

Excitacion* gExcitacion = nullptr;

namespace {

// Weight of each altitude row in the sky-view sums: the sine of its altitude.
double pesoFila(int fila) {
    return std::sin(fila * 15.0 * Excitacion::kGradosARadianes);
}

} // namespace

Excitacion::Excitacion(const std::string& f, int c) : ficheroClima(f), creacion(c) {
    // The reflectance of the building's surfaces in the inter-reflections of the extended mode
    // is the ground reflectance of the defaults file ("GROUND-REFLECTANCE"), or 0.2, a usual
    // value for built and natural surroundings, when the file does not give it.
    if (gDefectos && gDefectos->groundReflectance.presente)
        valorSuelo_ = gDefectos->groundReflectance.valor;
}

Excitacion::~Excitacion() = default;

void Excitacion::ListaElementos::asignar(const std::vector<int>& lista) {
    maximoPrefijo.resize(lista.size());
    primeraAparicion.clear();
    for (std::size_t i = 0; i < lista.size(); ++i) {
        maximoPrefijo[i] = i == 0 ? lista[i] : std::max(maximoPrefijo[i - 1], lista[i]);
        primeraAparicion.emplace(lista[i], static_cast<int>(i));
    }
}

bool Excitacion::ListaElementos::contiene(int id) const {
    // The scan stops at the first entry greater than the identifier: its position is the first
    // position whose running maximum exceeds the identifier.
    const auto fin = std::upper_bound(maximoPrefijo.begin(), maximoPrefijo.end(), id);
    const auto it = primeraAparicion.find(id);
    return it != primeraAparicion.end() && it->second < fin - maximoPrefijo.begin();
}

void Excitacion::registrar(const std::vector<PoliArea*>& exteriores,
                           const std::vector<PoliArea*>& todas, const std::vector<int>& l1,
                           const std::vector<int>& l2) {
    exteriores_ = exteriores;
    todas_ = todas;
    lista1_.asignar(l1);
    lista2_.asignar(l2);
    calculado_ = false;
}

int Excitacion::esExterior(int a, int b) const {
    if (a < 0 && b < 0) return 1;
    const int id = a >= 0 ? a : b;
    if (lista1_.contiene(id)) return 4;
    if (lista2_.contiene(id)) return 2;
    return 0;
}

void Excitacion::posicionSolar(float latitud, int mes, int dia, float hora, float& azimut,
                               float& altitud, float& cenit) {
    PosicionSolar().calcular(latitud, mes, dia, hora, azimut, altitud, cenit);
}

void Excitacion::ponerMetodoDirecto(int valor) {
    metodoDirecto_ = valor;
}

void Excitacion::calcularVisionCielo(const std::string& modoTexto) {
    // The surfaces and the obstructions do not change during a run: the building model asks once
    // per space and every call after the first returns the same result at once.
    if (calculado_ && modoTexto == modoCalculado_ && metodoDirecto_ == metodoCalculado_) return;
    modo = (modoTexto == "VERDANIUM" || modoTexto == "verdanium") ? 1 : 0;
    ++calculos_;

    const std::size_t n = exteriores_.size();
    factoresCielo_.assign(n, 0.0f);
    matriz_.clear();
    contribuciones_.clear();
    totales_.clear();
    calcularVisibilidades();

    if (modo == 0) {
        if (metodoDirecto_ == 1)
            for (std::size_t s = 0; s < n; ++s)
                factoresCielo_[s] =
                    factorVisionCielo(&visibilidad_[s * kParches], exteriores_[s]->normal());
    } else {
        calcularModoExtendido();
    }
    calculado_ = true;
    modoCalculado_ = modoTexto;
    metodoCalculado_ = metodoDirecto_;
}

namespace {

// Directions of the patches of the sky-view sum (azimuth measured from north towards east),
// row by row; the last column, which repeats the first, is left out.
struct DireccionesParches {
    Vector3 d[Excitacion::kFilasCielo][Excitacion::kColumnasCielo - 1];
    DireccionesParches() {
        for (int fila = 0; fila < Excitacion::kFilasCielo; ++fila) {
            const double alt = fila * 15.0 * Excitacion::kGradosARadianes;
            for (int col = 0; col < Excitacion::kColumnasCielo - 1; ++col) {
                const double az = col * 36.0 * Excitacion::kGradosARadianes;
                d[fila][col] = Vector3(static_cast<float>(-std::cos(alt) * std::sin(az)),
                                       static_cast<float>(std::cos(alt) * std::cos(az)),
                                       static_cast<float>(std::sin(alt)));
            }
        }
    }
};

} // namespace

float Excitacion::factorVisionCielo(const float* vis, const Vector3& normal) {
    // Patch visibility weighted by the sine of its altitude; a patch seen at a grazing angle
    // (|direction·normal| <= 0.06) counts half.
    static const DireccionesParches direcciones;
    double total = 0.0;
    for (int fila = 0; fila < kFilasCielo; ++fila) {
        double sumaFila = 0.0;
        for (int col = 0; col < kColumnasCielo - 1; ++col) {
            const double peso =
                std::fabs(direcciones.d[fila][col].punto(normal)) > 0.06 ? 1.0 : 0.5;
            sumaFila += peso * vis[col * kFilasCielo + fila];
        }
        total += (fila < kFilasCielo - 1 ? pesoFila(fila) : 0.5) * sumaFila;
    }
    return static_cast<float>(total * (3.141592654 / 2) / (10 * 6));
}

void Excitacion::calcularVisibilidades() {
    const std::size_t n = exteriores_.size();
    visibilidad_.assign(n * kParches, 0.0f);
    if (n == 0) return;
    JerarquiaVolumenes obstrucciones(todas_);
    std::unordered_map<const PoliArea*, int> indice;
    indice.reserve(todas_.size());
    for (std::size_t i = 0; i < todas_.size(); ++i) indice.emplace(todas_[i], static_cast<int>(i));

    // Directions of the patches (sun-position convention: azimuth 0 south, positive west).
    Vector3 direcciones[kParches];
    for (int col = 0; col < kColumnasCielo; ++col) {
        for (int fila = 0; fila < kFilasCielo; ++fila) {
            const double az = col * 36.0 * kGradosARadianes;
            const double alt = fila * 15.0 * kGradosARadianes;
            direcciones[col * kFilasCielo + fila] =
                Vector3(static_cast<float>(-std::cos(alt) * std::sin(az)),
                        static_cast<float>(-std::cos(alt) * std::cos(az)),
                        static_cast<float>(std::sin(alt)));
        }
    }
    for (std::size_t s = 0; s < n; ++s) {
        const auto it = indice.find(exteriores_[s]);
        Rayo rayo(obstrucciones, *exteriores_[s], it == indice.end() ? -1 : it->second);
        float* vis = &visibilidad_[s * kParches];
        for (int p = 0; p < kParches; ++p) vis[p] = rayo.valor(direcciones[p]);
    }
}

void Excitacion::calcularModoExtendido() {
    const std::size_t n = exteriores_.size();
    const double escala = (3.141592654 / 2) / (6 * 10);
    for (std::size_t s = 0; s < n; ++s) {
        const float* vis = &visibilidad_[s * kParches];
        double total = 0.0;
        for (int fila = 1; fila < kFilasCielo; ++fila) {
            double sumaFila = 0.0;
            for (int col = 0; col < kColumnasCielo - 1; ++col)
                sumaFila += vis[col * kFilasCielo + fila];
            total += (fila < kFilasCielo - 1 ? pesoFila(fila) : 0.5) * sumaFila;
        }
        factoresCielo_[s] = static_cast<float>(total * escala);
    }
    if (n == 0) return;

    // Inter-reflection matrix M = I - rho·F between the exterior surfaces, inverted.
    const long nn = static_cast<long>(n);
    matriz_ = viewFactors(exteriores_);
    const float rho = valorSuelo_;
    for (long i = 0; i < nn; ++i) {
        matriz_[i * nn + i] = 1.0f - rho * matriz_[i * nn + i];
        for (long j = i + 1; j < nn; ++j) {
            matriz_[i * nn + j] = -rho * matriz_[i * nn + j];
            matriz_[j * nn + i] = -rho * matriz_[j * nn + i];
        }
    }
    invertirMatriz(matriz_.data(), static_cast<int>(n));

    if (metodoDirecto_ != 1) return;
    // Per patch: the direct share of the patch seen by each surface (visibility times the
    // patch's weight in the sky-view sum), the share once the inter-reflections between the
    // surfaces are added (inverse matrix times the direct shares), and the reflected part.
    contribuciones_.assign(n * 3 * kParches, 0.0f);
    totales_.assign(n, 0.0f);
    std::vector<double> directa(n), reflejada(n);
    for (int col = 0; col < kColumnasCielo - 1; ++col) {
        for (int fila = 1; fila < kFilasCielo; ++fila) {
            const int p = col * kFilasCielo + fila;
            const double peso = (fila < kFilasCielo - 1 ? pesoFila(fila) : 0.5) * escala;
            for (std::size_t s = 0; s < n; ++s) directa[s] = visibilidad_[s * kParches + p] * peso;
            for (long i = 0; i < nn; ++i) {
                double suma = 0.0;
                for (long j = 0; j < nn; ++j) suma += matriz_[i * nn + j] * directa[j];
                reflejada[i] = suma;
            }
            for (std::size_t s = 0; s < n; ++s) {
                float* c = &contribuciones_[s * 3 * kParches];
                c[p] = static_cast<float>(directa[s]);
                c[kParches + p] = static_cast<float>(reflejada[s]);
                c[2 * kParches + p] = static_cast<float>(reflejada[s] - directa[s]);
                totales_[s] += static_cast<float>(reflejada[s]);
            }
        }
    }
}
