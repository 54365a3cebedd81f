#include "compliance/ComprobarRequisitos.h"

#include <algorithm>
#include <memory>

#include "base/Formato.h"
#include "base/Redondeo.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "compliance/DatosComprobacion.h"
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

// A limit of the check: its value, the key of the limit-values file that gives it (or the
// built-in rule) and the class of elements it is for.
struct Limite {
    float valor;
    const char* clave;
    const char* categoria;
};

// Why an element was not compared with a limit.
const char* const kEspacioNoHabitable = "espacioNoHabitable";
const char* const kSinComprobarRequisitos = "sinComprobarRequisitos";
const char* const kAreaNula = "areaNula";
const char* const kParticionEntreAcondicionados = "particionEntreAcondicionados";
const char* const kMedianeraNumeroZona = "medianeraNumeroZona";
const char* const kSoleraNumeroZona = "soleraNumeroZona";
const char* const kHuecoNumeroZona = "huecoNumeroZona";
const char* const kHuecoHaciaAbajo = "huecoHaciaAbajo";

// The checks of one run: limit tables, film coefficients and the per-space values they share.
class Comprobacion {
public:
    Comprobacion(Edificio& ed, const float* Te, const float* Ti, const float* HRe, float* HRi,
                 const std::string& zona, const std::string& fichero, DatosComprobacion* datos)
        : ed_(ed), Te_(Te), Ti_(Ti), HRe_(HRe), HRi_(HRi), zona_(zona), tablas_(zona, fichero),
          porOrientacion_(gGlobal2->limitesPorOrientacion), resumen_(tablas_, zona), datos_(datos) {
        if (datos_) guardarLimites(fichero);
    }

    void ejecutar() {
        for (int i = 0; i < ed_.numEspacios(); ++i)
            if (const Zona* z = zonaDe(ed_, i))
                fRsiMinEdificio_ = std::max(fRsiMinEdificio_, higrometria(i, *z).fRsiMin);
        if (datos_) {
            datos_->conFRsiMinimo = true;
            datos_->fRsiMinEdificio = fRsiMinEdificio_;
        }
        if (!porOrientacion_) agregarEnvolvente();
        for (int i = 0; i < ed_.numEspacios(); ++i)
            if (const Zona* z = zonaDe(ed_, i)) comprobarEspacio(i, *z);
        gGlobal2->resultados().ponerEspacio(-1);
        if (!porOrientacion_) {
            resumen_.escribir();
            if (datos_)
                datos_->resumen = std::make_unique<ResumenZonas::Resumen>(resumen_.resumen());
        }
        if (datos_) guardarFactores();
    }

private:
    void guardarLimites(const std::string& fichero) {
        const int n = ed_.numEspacios();
        datos_->conHigrometria.assign(n, 0);
        datos_->higrometria.assign(n, HigrometriaEspacio());
        datos_->factorReduccion.assign(n, ResultadoComprobacion::kSinValor);
        LimitesZona& l = datos_->limites;
        l.zona = zona_;
        l.fichero = fichero;
        l.porOrientacion = porOrientacion_;
        l.uMuros = tablas_.transmitanciaMaximaMuros;
        l.uSuelos = tablas_.transmitanciaMaximaSuelos;
        l.uCubiertas = tablas_.transmitanciaMaximaCubiertas;
        l.uHuecos = tablas_.transmitanciaMaximaHuecos;
        l.uMedianeras = tablas_.transmitanciaMaximaMedianeras;
        l.uParticionesNoAcondicionadas = kUParticionNoAcondicionada;
        l.permeabilidadHuecos = tablas_.permeabilidadMaximaHuecos;
        for (int k = 0; k < 3; ++k) {
            l.fRsiMinimo[k] = tablas_.fRsiMinimo[k];
            l.porcentajeVentanas[k] = tablas_.porcentajeMaximoVentanas[k];
        }
        l.uPonderada = tablas_.transmitanciaMaximaPonderada;
        l.porcentajePonderado = tablas_.porcentajeMaximoPonderado;
        datos_->limitesCargados = true;
    }

    // The reduction factors of the non-habitable spaces, when the check had its films.
    void guardarFactores() {
        if (factor_)
            for (int i = 0; i < ed_.numEspacios(); ++i)
                if (noHabitable(i)) datos_->factorReduccion[i] = (*factor_)(i);
        datos_->terminada = true;
    }

    // The film coefficients are demanded from the defaults file when the first element needs
    // them: a building without elements does not need them.
    void peliculas() {
        if (factor_) return;
        he_ = gDefectos->exigir(gDefectos->hcext, "HCEXT") + gDefectos->hrext;
        hi_ = gDefectos->exigir(gDefectos->hcint, "HCINT") +
              gDefectos->exigir(gDefectos->hrint, "HRINT");
        factor_ = std::make_unique<FactorReduccion>(ed_, he_, hi_);
        if (datos_) {
            datos_->conPeliculas = true;
            datos_->he = he_;
            datos_->hi = hi_;
        }
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

    Limite limiteMuros() const {
        return {tablas_.transmitanciaMaximaMuros, "Transmitancia-maxima-muros", "muros"};
    }
    Limite limiteCubiertas() const {
        return {tablas_.transmitanciaMaximaCubiertas,
                porOrientacion_ ? "Transmitancia-maxima-cubiertas"
                                : "Transmitancia-maxima-techumbres",
                "cubiertas"};
    }
    Limite limiteSuelos() const {
        return {tablas_.transmitanciaMaximaSuelos,
                porOrientacion_ ? "Transmitancia-maxima-suelos"
                                : "Transmitancia-maxima-pisos-ventilados",
                "suelos"};
    }

    // Aggregation of the zone-number summary over the habitable spaces.
    void agregarEnvolvente() {
        const bool bloque = ed_.tipoEdificio == "Bloque";
        for (int i = 0; i < ed_.numEspacios(); ++i) {
            const Zona* z = zonaDe(ed_, i);
            if (!z || !z->habitable) continue;
            gGlobal2->resultados().ponerEspacio(i);
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
        gGlobal2->resultados().ponerEspacio(i);
        HigrometriaEspacio h = higrometria(i, z);
        std::fill(HRi_, HRi_ + 12, h.humedadInterior);
        if (datos_) {
            datos_->conHigrometria[i] = 1;
            datos_->higrometria[i] = h;
        }
        for (std::size_t p = 0; p < z.elementos.size(); ++p) {
            const Elemento& e = *z.elementos[p];
            const int pos = static_cast<int>(p);
            if (!z.habitable) {
                if (!datos_) return;
                anotar(z, pos, e, kEspacioNoHabitable);
            } else if (porOrientacion_ && !e.comprobarRequisitos) {
                anotar(z, pos, e, kSinComprobarRequisitos);
            } else if (!(e.area() > 0.0f)) {
                anotar(z, pos, e, kAreaNula);
            } else {
                peliculas();
                comprobarElemento(i, z, pos, e, h.fRsiMin);
            }
        }
    }

    // For the report: the element's category and why it was not compared (null: it was).
    void anotar(const Zona& z, int pos, const Elemento& e, const char* motivo) {
        if (datos_) datos_->anotarElemento(&e, categoria(z, pos, e), motivo);
    }

    // The rounded U of an element (U = H/A with the films given) against a limit.
    void registrarU(const Elemento& e, float U, float H, float hOut, float hIn, const Limite& L,
                    std::string texto, float factor = ResultadoComprobacion::kSinValor) {
        auto r = ResultadoComprobacion::maximo(TipoComprobacion::Transmitancia, &e, U, L.valor, 0,
                                               std::move(texto));
        r.redondeo = 2;
        r.clave = L.clave;
        r.categoriaLimite = L.categoria;
        r.H = H;
        r.area = e.area();
        r.hExterior = hOut;
        r.hInterior = hIn;
        r.factorReduccion = factor;
        gGlobal2->registrar(std::move(r));
    }

    void condensacionesYPuentes(const Elemento& e, float fRsiMin, float hOut, float hIn) {
        e.comprobarCondensaciones(fRsiMin, hOut, hIn, Te_, Ti_, HRe_, HRi_);
        Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
    }

    // A wall or a roof: its rounded U against the limit; in the orientation regime also its
    // condensation and thermal-bridge checks.
    void comprobarOpaco(const Elemento& e, float fRsiMin, float hOut, float hIn, const Limite& L,
                        const char* clase) {
        float H = 0.0f;
        e.calcularH(H, hOut, hIn);
        float U = redondear2(H / e.area());
        if (porOrientacion_) {
            registrarU(e, U, H, hOut, hIn, L, textoUlimite(e, U, L.valor));
            condensacionesYPuentes(e, fRsiMin, hOut, hIn);
        } else {
            registrarU(e, U, H, hOut, hIn, L, textoMaximo(e, U, clase, L.valor));
        }
    }

    void comprobarElemento(int i, const Zona& z, int pos, const Elemento& e, float fRsiMin) {
        const bool interior = e.entreEspacios();
        const float hOut = interior ? hi_ : he_;
        const float hIn = hi_;
        const int cat = categoria(z, pos, e);
        const char* motivo = nullptr;
        switch (cat) {
        case 0:
            comprobarOpaco(e, fRsiMin, hOut, hIn, limiteMuros(), "muros");
            break;
        case 1:
            motivo = comprobarParticion(i, e, hOut, hIn);
            break;
        case 2:
            comprobarOpaco(e, fRsiMin, hOut, hIn, limiteCubiertas(), "techumbres");
            break;
        case 3:
            motivo = comprobarSuelo(e, hOut, hIn);
            break;
        case 4:
            if (!porOrientacion_) {
                motivo = miraAbajo(inclinacionElemento(e)) ? kHuecoHaciaAbajo : kHuecoNumeroZona;
                break;
            }
            e.comprobarHueco(tablas_.transmitanciaMaximaHuecos, hOut, hIn,
                             tablas_.permeabilidadMaximaHuecos);
            Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
            break;
        default:
            break;
        }
        if (datos_) datos_->anotarElemento(&e, cat, motivo);
    }

    // A floor: its rounded U against the floor limit (ground elements in the orientation regime
    // only), and the perimeter insulation of a slab near the ground.
    const char* comprobarSuelo(const Elemento& e, float hOut, float hIn) {
        float H = 0.0f;
        e.calcularH(H, hOut, hIn);
        float U = redondear2(H / e.area());
        const Limite L = limiteSuelos();
        const bool terreno = e.tipo == "underground_wall";
        if (porOrientacion_ || !terreno)
            registrarU(e, U, H, hOut, hIn, L, textoUlimite(e, U, L.valor));
        if (!porOrientacion_) return terreno ? kSoleraNumeroZona : nullptr;
        if (terreno && e.profundidad() > -0.5f) {
            float Up = 0.0f;
            e.calcularUPerimetral(Up, ed_.dAislamientoPerimetral, ed_.rAislamientoPerimetral, hOut,
                                  hIn);
            const Limite Lm = limiteMuros();
            auto r = ResultadoComprobacion::maximo(
                TipoComprobacion::AislamientoPerimetral, &e, Up, Lm.valor, 0,
                formatear("\"Aislamiento Perimetral de la Solera\": U = "
                          "%1.2fW/m2K Ulimite = %1.2fW/m2K",
                          Up, Lm.valor));
            r.clave = Lm.clave;
            r.categoriaLimite = Lm.categoria;
            r.hExterior = hOut;
            r.hInterior = hIn;
            gGlobal2->registrar(std::move(r));
        }
        Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
        return nullptr;
    }

    // A partition: party walls against their own maximum, partitions to a non-habitable space
    // with the reduction factor of that space, partitions to an unconditioned space against
    // 1.20; partitions between conditioned habitable spaces are not checked. Returns why it was
    // not compared, or null.
    const char* comprobarParticion(int i, const Elemento& e, float hOut, float hIn) {
        float H = 0.0f;
        e.calcularH(H, hOut, hIn);
        float U = redondear2(H / e.area());
        int vecino = espacioVecino(e, i);
        if (e.tipoMuro == "PARTY-WALL") {
            if (!porOrientacion_) return kMedianeraNumeroZona;
            const Limite L{tablas_.transmitanciaMaximaMedianeras, "Transmitancia-maxima-medianeras",
                           "medianeras"};
            registrarU(e, U, H, hOut, hIn, L, textoUlimite(e, U, L.valor));
            Condensaciones::comprobarPuentesTermicos(e, fRsiMinEdificio_);
            return nullptr;
        }
        int noHab = noHabitable(i) ? i : (noHabitable(vecino) ? vecino : -1);
        if (noHab >= 0) {
            const float b = (*factor_)(noHab);
            U = redondear2(U * b);
            float t = inclinacionElemento(e);
            Limite L = limiteMuros();
            const char* clase = "muros";
            if (miraArriba(t)) {
                L = limiteCubiertas();
                clase = "techumbres";
            } else if (miraAbajo(t)) {
                L = limiteSuelos();
                clase = "pisos ventilados";
            }
            registrarU(e, U, H, hOut, hIn, L,
                       porOrientacion_ ? textoUlimite(e, U, L.valor)
                                       : textoMaximo(e, U, clase, L.valor),
                       b);
            return nullptr;
        }
        if (!noAcondicionado(i) && !noAcondicionado(vecino)) return kParticionEntreAcondicionados;
        if (porOrientacion_) {
            const Limite L{kUParticionNoAcondicionada, "particion-no-acondicionado",
                           "particionesNoAcondicionadas"};
            registrarU(e, U, H, hOut, hIn, L, textoUlimite(e, U, L.valor));
        } else {
            const Limite L = limiteMuros();
            registrarU(e, U, H, hOut, hIn, L, textoMaximo(e, U, "muros", L.valor));
        }
        return nullptr;
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
    DatosComprobacion* datos_;
};

} // namespace

void ComprobarRequisitos(Edificio& edificio, const float Te[12], float /*Tanual*/,
                         const float Ti[12], const float HRe[12], float HRi[12],
                         const std::string& zonaClimatica, const std::string& ficheroLimites,
                         DatosComprobacion* datos) {
    Comprobacion(edificio, Te, Ti, HRe, HRi, zonaClimatica, ficheroLimites, datos).ejecutar();
}
