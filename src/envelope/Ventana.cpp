#include "envelope/Ventana.h"

#include <cmath>
#include <cstdio>

#include "base/ErrorFatal.h"
#include "envelope/VidrioComplejo.h"
#include "envelope/VidrioSimple.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {
std::string formatear(float v) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%1.2f", static_cast<double>(v));
    return texto;
}

// Infiltration coefficient of an infiltration value given at 100 Pa, brought to 4 Pa with the
// exponent 0.66, per second.
float coeficienteInfiltracion(float valor) {
    return valor * std::pow(0.04f, 0.66f) * (1.0f / 3600.0f);
}
} // namespace

Ventana::~Ventana() = default;

Ventana::Ventana(const std::string& n, int nl, const std::vector<float>& a,
                 const std::vector<int>& l, int etiq, float parametroSolar) {
    ponerIdentidad("window", "window", n, nl, a, l, etiq);

    comprobar(gLeerBDL != nullptr, "No se encuentra: " + nombre);
    std::unique_ptr<LeerBDL> ventana = LeerBDL::objeto(*gLeerBDL, "WINDOW", nombre);
    comprobar(ventana->texto() != nullptr, "No se encuentra: " + nombre);
    leerPeliculas(*ventana);
    const ValoresPorDefecto& d = *gDefectos;

    std::string espaciadorTipo;
    if (ventana->dameCadena("SPACER-TYPE", espaciadorTipo) < 0 && d.spacerType.presente)
        espaciadorTipo = d.spacerType.valor;
    if (Espaciador::tipoConocido(espaciadorTipo))
        espaciador = std::make_unique<Espaciador>(espaciadorTipo);

    // The window's own frame when it gives a frame width, else the frame of the defaults.
    float anchoMarco = 0.0f, absMarco = 0.0f, conductanciaMarco = 0.0f;
    if (ventana->dameReal("FRAME-WIDTH", anchoMarco) >= 0) {
        if (ventana->dameReal("FRAME-ABS", absMarco) < 0)
            absMarco = d.exigir(d.frameAbs, "FRAME-ABS");
        if (ventana->dameReal("FRAME-CONDUCT", conductanciaMarco) < 0)
            conductanciaMarco = d.exigir(d.frameConduct, "FRAME-CONDUCT");
    } else {
        anchoMarco = d.exigir(d.frameWidth, "FRAME-WIDTH");
        absMarco = d.exigir(d.frameAbs, "FRAME-ABS");
        conductanciaMarco = d.exigir(d.frameConduct, "FRAME-CONDUCT");
    }
    marco = std::make_unique<Marco>(anchoMarco, absMarco, conductanciaMarco);

    leerVidrio(*ventana, parametroSolar);

    comprobar(ventana->dameReal(" WIDTH", ancho) >= 0, "Ventana mal definida falta WIDTH");
    comprobar(ventana->dameReal("HEIGHT", alto) >= 0, "Ventana mal definida falta HEIGHT");

    conInfCoef = ventana->dameReal("INF-COEF", infCoef) >= 0;
    if (conInfCoef) {
        permeabilidadLeida_ = infiltracionLeida_ = infCoef;
    } else {
        infiltracionLeida_ = 0.0f;
        permeabilidadLeida_ = d.permeabilidad;
    }

    std::vector<float> coef;
    int nCoef = ventana->dameLista("COEFF", coef);
    for (int i = 0; i < 4; ++i)
        vidrio->coeficientes[i] = (i < nCoef && i < static_cast<int>(coef.size())) ? coef[i] : 1.0f;

    // Louvres only with a position, a non-zero width and distance, an angle and the optical
    // properties of the slats.
    std::string posicion;
    float anchoLamas = 0.0f, distanciaLamas = 0.0f, anguloLamas = 0.0f, tauLamas = 0.0f,
          rhoLamas = 0.0f;
    bool conLamas = ventana->dameCadena("POSITION-LAMAS", posicion) >= 0 &&
                    ventana->dameReal("LAMAS-WIDTH", anchoLamas) >= 0 && anchoLamas != 0.0f &&
                    ventana->dameReal("LAMAS-DISTANCE", distanciaLamas) >= 0 &&
                    distanciaLamas != 0.0f && ventana->dameReal("LAMAS-ANGLE", anguloLamas) >= 0 &&
                    ventana->dameReal("LAMAS-TRANSMISIVITY", tauLamas) >= 0 &&
                    ventana->dameReal("LAMAS-REFLECTIVITY", rhoLamas) >= 0;
    if (conLamas)
        lamas_ = std::make_unique<lamas>(anchoLamas, distanciaLamas, anguloLamas, parametroSolar,
                                         70, tauLamas, rhoLamas, posicion == "VERTICAL");
    else
        lamas_ = std::make_unique<lamas>();

    calcularAreas();
}

void Ventana::leerVidrio(const LeerBDL& ventana, float parametroSolar) {
    comprobar(ventana.dameCadena("GLASS-TYPE", nombreVidrio) >= 0,
              "Ventana mal definida, falta clave GLASS-TYPE");
    const VistaObjeto tipoVidrio(*gLeerBDL, "GLASS-TYPE", nombreVidrio);
    std::string clase;
    comprobar(tipoVidrio->dameCadena(" TYPE ", clase) >= 0,
              "GLASS-TYPE mal definido, falta clave obligatoria TYPE");
    if (clase == "GLASS-TYPE-CODE") {
        std::string codigo;
        tipoVidrio->dameCadena("GLASS-TYPE-CODE", codigo);
        vidrio = std::make_unique<VidrioComplejo>(codigo, parametroSolar);
        return;
    }
    float sc = 0.0f, scVerano = 0.0f, conductancia = 0.0f;
    comprobar(tipoVidrio->dameReal("SHADING-COEF ", sc) >= 0,
              "GLASS-TYPE mal definido falta SHADING-COEF");
    if (tipoVidrio->dameReal("SHADING-COEF-SUMMER", scVerano) < 0) scVerano = sc;
    comprobar(tipoVidrio->dameReal("GLASS-CONDUCTANCE", conductancia) >= 0,
              "GLASS-TYPE mal definido falta GLASS-CONDUCTANCE");
    vidrio = std::make_unique<VidrioSimple>(sc, scVerano, conductancia, hcext, hrext, hcint, hrint,
                                            parametroSolar);
}

void Ventana::calcularAreas() {
    float f = marco->ancho;
    A = ancho * alto;
    if (f == 0.0f) {
        areaVidrio = A;
        areaMarco = 0.0f;
        perimetro = 0.0f;
    } else {
        areaVidrio = (ancho - 2.0f * f) * (alto - 2.0f * f);
        areaMarco = A - areaVidrio;
        perimetro = 2.0f * ancho + 2.0f * alto;
    }
    if (A != 0.0f) {
        fraccionVidrio = areaVidrio / A;
        fraccionMarco = areaMarco / A;
    } else {
        fraccionVidrio = 1.0f;
        fraccionMarco = 0.0f;
    }
    UMarco = marco->conductancia > kUMarcoMaximo ? kUMarcoMaximo : marco->conductancia;
    if (areasLados.empty()) areasLados.push_back(0.0f);
    areasLados[0] = A;
    aplicarReglaPuerta();
}

// A frame over half of the opening, or the door leakage of 60, makes an opaque door, whose
// permeability is that of a door.
void Ventana::aplicarReglaPuerta() {
    bool puerta = fraccionMarco > 0.5f || (conInfCoef && infCoef == kPermeabilidadPuerta);
    tipo = puerta ? "puertaOpaca" : "window";
    if (puerta) {
        permeabilidad_ = valorInfiltracion = kPermeabilidadPuerta;
    } else {
        permeabilidad_ = permeabilidadLeida_;
        valorInfiltracion = infiltracionLeida_;
    }
    coefInfiltracion = coeficienteInfiltracion(valorInfiltracion);
}

void Ventana::cambiarAnchura(float incremento) {
    ancho += incremento;
    calcularAreas();
}

float Ventana::UA() const {
    return (fraccionMarco * UMarco + fraccionVidrio * vidrio->U()) * A;
}

void Ventana::calcularH(float& H, float, float) const {
    H = UA();
}

float Ventana::factorSolarModificado() const {
    return fraccionVidrio * vidrio->factorSolar() +
           0.04f * fraccionMarco * UMarco * marco->absortancia;
}

float Ventana::factorSolarModificadoVerano() const {
    return fraccionVidrio * vidrio->factorSolarVerano() +
           0.04f * fraccionMarco * UMarco * marco->absortancia;
}

float Ventana::uw() const {
    // A window without area has the U of its fractions.
    return A != 0.0f ? UA() / A
                     : fraccionMarco * UMarco + fraccionVidrio * (vidrio ? vidrio->U() : 0.0f);
}

void Ventana::comprobarHueco(float Umax, float hOut, float hIn, float Pmax) const {
    const float Uw = uw();
    auto u = ResultadoComprobacion::maximo(TipoComprobacion::TransmitanciaHueco, this, Uw, Umax, 0,
                                           nombre + ": Uventana = " + formatear(Uw) +
                                               "W/m2K Ulimite = " + formatear(Umax) + "W/m2K");
    u.clave = "Transmitancia-maxima-huecos";
    u.categoriaLimite = "huecos";
    u.H = UA();
    u.area = A;
    u.hExterior = hOut;
    u.hInterior = hIn;
    gGlobal2->registrar(std::move(u));
    if (esPuerta()) return;
    auto p = ResultadoComprobacion::maximo(
        TipoComprobacion::Permeabilidad, this, permeabilidad_, Pmax, 3,
        nombre + ": Permeabilidad = " + formatear(permeabilidad_) +
            " Permeabilidad_limite = " + formatear(Pmax));
    p.clave = "Permeabilidad-maxima-huecos";
    p.categoriaLimite = "huecos";
    gGlobal2->registrar(std::move(p));
}
