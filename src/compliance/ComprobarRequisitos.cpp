#include "compliance/ComprobarRequisitos.h"

#include <algorithm>
#include <memory>

#include "base/Formato.h"
#include "base/Redondeo.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "compliance/FactorReduccion.h"
#include "compliance/HigrometriaEspacio.h"
#include "compliance/InclinacionElemento.h"
#include "compliance/ResumenZonas.h"
#include "compliance/Tablas.h"
#include "envelope/Condensaciones.h"
#include "envelope/Elemento.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

namespace {

constexpr float kUParticionNoAcondicionada = 1.2f; // W/m2K, partition to an unconditioned space

// Spaces taking part in the check: multiplied copies carry no space record and are skipped.
const Zona* zonaDe(const Edificio& ed, int i) {
    if (i < 0 || i >= static_cast<int>(ed.espacios.size())) return nullptr;
    const Espacio& s = ed.espacios[i];
    return s.multiplicado ? nullptr : s.zona.get();
}

// The space on the other side of an element between two spaces, seen from space `propio`.
int espacioVecino(const Elemento& e, int propio) {
    if (!e.entreEspacios()) return -1;
    int codigo = -propio - 1;
    int otro = e.lados[0] == codigo ? e.lados[1] : e.lados[0];
    return -otro - 1;
}

std::string textoUlimite(const Elemento& e, float U, float L) {
    return e.nombre + formatear(": U = %1.2fW/m2K Ulimite = %1.2fW/m2K", U, L);
}

std::string textoMaximo(const Elemento& e, float U, const char* clase, float L) {
    return e.nombre +
           formatear(": U = %1.2fW/m2K U m\xE1ximo permitido %s = %1.2fW/m2K", U, clase, L);
}

float redondear2(float x) {
    return redondearDecimales(x, 2);
}

// The checks of one run: limit tables, film coefficients and the per-space values they share.
class Comprobacion {
public:
    Comprobacion(Edificio& ed, const float* Te, const float* Ti, const float* HRe, float* HRi,
                 const std::string& zona, const std::string& fichero)
        : ed_(ed), Te_(Te), Ti_(Ti), HRe_(HRe), HRi_(HRi), zona_(zona), tablas_(zona, fichero),
          porOrientacion_(gGlobal2->limitesPorOrientacion), resumen_(tablas_, zona) {}

    void ejecutar() {
        for (int i = 0; i < ed_.numEspacios(); ++i)
            if (const Zona* z = zonaDe(ed_, i))
                fRsiMinEdificio_ = std::max(fRsiMinEdificio_, higrometria(i, *z).fRsiMin);
        if (!porOrientacion_) agregarEnvolvente();
        for (int i = 0; i < ed_.numEspacios(); ++i)
            if (const Zona* z = zonaDe(ed_, i)) comprobarEspacio(i, *z);
        if (!porOrientacion_) resumen_.escribir();
    }

private:
    // The film coefficients are demanded from the defaults file when the first element needs
    // them: a building without elements does not need them.
    void peliculas() {
        if (factor_) return;
        he_ = gDefectos->exigir(gDefectos->hcext, "HCEXT") + gDefectos->hrext;
        hi_ = gDefectos->exigir(gDefectos->hcint, "HCINT") +
              gDefectos->exigir(gDefectos->hrint, "HRINT");
        factor_ = std::make_unique<FactorReduccion>(ed_, he_, hi_);
    }

    HigrometriaEspacio higrometria(int i, const Zona& z) const {
        const Espacio& s = ed_.espacios[i];
        return minimoEspacio(z, s.area, s.altura, Te_[0], Ti_[0], HRe_[0], tablas_);
    }

    bool noHabitable(int j) const {
        const Zona* z = zonaDe(ed_, j);
        return z && !z->habitable;
    }
    bool noAcondicionado(int j) const {
        const Zona* z = zonaDe(ed_, j);
        return z && !z->acondicionado;
    }

    int categoria(const Zona& z, int pos, const Elemento& e) const {
        return e.entreEspacios() ? 1 : z.clasificarElemento(pos, ed_.zonaVecina(z, e));
    }

    // Aggregation of the zone-number summary over the habitable spaces.
    void agregarEnvolvente() {
        const bool bloque = ed_.tipoEdificio == "Bloque";
        for (int i = 0; i < ed_.numEspacios(); ++i) {
            const Zona* z = zonaDe(ed_, i);
            if (!z || !z->habitable) continue;
            for (std::size_t p = 0; p < z->elementos.size(); ++p) {
                const Elemento& e = *z->elementos[p];
                peliculas();
                int vecino = espacioVecino(e, i);
                resumen_.agregar(e, categoria(*z, static_cast<int>(p), e), inclinacionElemento(e),
                                 vecino, noHabitable(vecino), bloque, he_, hi_, *factor_);
            }
        }
    }

    void comprobarEspacio(int i, const Zona& z) {
        HigrometriaEspacio h = higrometria(i, z);
        std::fill(HRi_, HRi_ + 12, h.humedadInterior);
        if (!z.habitable) return;
        for (std::size_t p = 0; p < z.elementos.size(); ++p) {
            const Elemento& e = *z.elementos[p];
            if (porOrientacion_ && !e.comprobarRequisitos) continue;
            if (!(e.area() > 0.0f)) continue;
            peliculas();
            comprobarElemento(i, z, static_cast<int>(p), e, h.fRsiMin);
        }
    }

    void registrar(bool ok, const std::string& texto) { gGlobal2->registrarFallo(ok, texto, 0); }

    void condensacionesYPuentes(const Elemento& e, float fRsiMin, float hOut, float hIn) {
        e.comprobarCondensaciones(fRsiMin, hOut, hIn, Te_, Ti_, HRe_, HRi_);
        Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
    }

    // A wall or a roof: its rounded U against the limit; in the orientation regime also its
    // condensation and thermal-bridge checks.
    void comprobarOpaco(const Elemento& e, float fRsiMin, float hOut, float hIn, float L,
                        const char* clase) {
        float H = 0.0f;
        e.calcularH(H, hOut, hIn);
        float U = redondear2(H / e.area());
        if (porOrientacion_) {
            registrar(U <= L, textoUlimite(e, U, L));
            condensacionesYPuentes(e, fRsiMin, hOut, hIn);
        } else {
            registrar(U <= L, textoMaximo(e, U, clase, L));
        }
    }

    void comprobarElemento(int i, const Zona& z, int pos, const Elemento& e, float fRsiMin) {
        const bool interior = e.entreEspacios();
        const float hOut = interior ? hi_ : he_;
        const float hIn = hi_;
        const float A = e.area();
        float H = 0.0f;
        switch (categoria(z, pos, e)) {
        case 0:
            comprobarOpaco(e, fRsiMin, hOut, hIn, tablas_.transmitanciaMaximaMuros, "muros");
            break;
        case 1:
            comprobarParticion(i, e, hOut, hIn);
            break;
        case 2:
            comprobarOpaco(e, fRsiMin, hOut, hIn, tablas_.transmitanciaMaximaCubiertas,
                           "techumbres");
            break;
        case 3: {
            e.calcularH(H, hOut, hIn);
            float U = redondear2(H / A);
            float L = tablas_.transmitanciaMaximaSuelos;
            const bool terreno = e.tipo == "underground_wall";
            if (porOrientacion_ || !terreno) registrar(U <= L, textoUlimite(e, U, L));
            if (!porOrientacion_) break;
            if (terreno && e.profundidad() > -0.5f) {
                float Up = 0.0f;
                e.calcularUPerimetral(Up, ed_.dAislamientoPerimetral, ed_.rAislamientoPerimetral,
                                      hOut, hIn);
                float Lm = tablas_.transmitanciaMaximaMuros;
                registrar(Up <= Lm, formatear("\"Aislamiento Perimetral de la Solera\": U = "
                                              "%1.2fW/m2K Ulimite = %1.2fW/m2K",
                                              Up, Lm));
            }
            Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
            break;
        }
        case 4:
            if (!porOrientacion_) break;
            e.comprobarHueco(tablas_.transmitanciaMaximaHuecos, hOut, hIn,
                             tablas_.permeabilidadMaximaHuecos);
            Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
            break;
        default:
            break;
        }
    }

    // A partition: party walls against their own maximum, partitions to a non-habitable space
    // with the reduction factor of that space, partitions to an unconditioned space against
    // 1.20; partitions between conditioned habitable spaces are not checked.
    void comprobarParticion(int i, const Elemento& e, float hOut, float hIn) {
        float H = 0.0f;
        e.calcularH(H, hOut, hIn);
        float U = redondear2(H / e.area());
        int vecino = espacioVecino(e, i);
        if (e.tipoMuro == "PARTY-WALL") {
            if (!porOrientacion_) return;
            float L = tablas_.transmitanciaMaximaMedianeras;
            registrar(U <= L, textoUlimite(e, U, L));
            Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
            return;
        }
        int noHab = noHabitable(i) ? i : (noHabitable(vecino) ? vecino : -1);
        if (noHab >= 0) {
            U = redondear2(U * (*factor_)(noHab));
            float t = inclinacionElemento(e);
            float L;
            const char* clase;
            if (miraArriba(t)) {
                L = tablas_.transmitanciaMaximaCubiertas;
                clase = "techumbres";
            } else if (miraAbajo(t)) {
                L = tablas_.transmitanciaMaximaSuelos;
                clase = "pisos ventilados";
            } else {
                L = tablas_.transmitanciaMaximaMuros;
                clase = "muros";
            }
            registrar(U <= L,
                      porOrientacion_ ? textoUlimite(e, U, L) : textoMaximo(e, U, clase, L));
            return;
        }
        if (noAcondicionado(i) || noAcondicionado(vecino)) {
            if (porOrientacion_)
                registrar(U <= kUParticionNoAcondicionada,
                          textoUlimite(e, U, kUParticionNoAcondicionada));
            else
                registrar(U <= tablas_.transmitanciaMaximaMuros,
                          textoMaximo(e, U, "muros", tablas_.transmitanciaMaximaMuros));
        }
    }

    Edificio& ed_;
    const float* Te_;
    const float* Ti_;
    const float* HRe_;
    float* HRi_;
    std::string zona_;
    Tablas tablas_;
    bool porOrientacion_;
    float he_ = 0.0f, hi_ = 0.0f;
    float fRsiMinEdificio_ = 0.0f;
    std::unique_ptr<FactorReduccion> factor_;
    ResumenZonas resumen_;
};

} // namespace

void ComprobarRequisitos(Edificio& edificio, const float Te[12], float /*Tanual*/,
                         const float Ti[12], const float HRe[12], float HRi[12],
                         const std::string& zonaClimatica, const std::string& ficheroLimites) {
    Comprobacion(edificio, Te, Ti, HRe, HRi, zonaClimatica, ficheroLimites).ejecutar();
}
