#include "envelope/Underground.h"

#include <cmath>

#include "base/ErrorFatal.h"
#include "envelope/Condensaciones.h"
#include "envelope/Construccion.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {
// The first BUILD-PARAMETERS object of the building reader (a reader without text when there is
// none). The reader lists object names from its header index without moving its cursor, so this
// stays cheap for every ground element and leaves any object walk of the caller undisturbed.
std::unique_ptr<LeerBDL> parametrosEdificio() {
    std::vector<std::string> nombres = gLeerBDL->nombresObjetos("BUILD-PARAMETERS");
    if (nombres.empty()) return std::make_unique<LeerBDL>();
    return LeerBDL::objeto(*gLeerBDL, "BUILD-PARAMETERS", nombres.front());
}
} // namespace

Underground::Underground(const std::string& n, int nl, const std::vector<float>& a,
                         const std::vector<int>& l, int etiq, float alturaDefecto,
                         float profundidadDefecto) {
    ponerIdentidad("underground_wall", "none", n, nl, a, l, etiq);
    suelo = etiq;
    comprobar(gDefectos != nullptr, "Faltan los valores por defecto");
    comprobar(gLeerBDL != nullptr, "No se encuentra: " + nombre);
    const ValoresPorDefecto& d = *gDefectos;

    leerAislamientoPerimetral();

    std::unique_ptr<LeerBDL> objeto = LeerBDL::objeto(*gLeerBDL, "UNDERGROUND-WALL", nombre);
    comprobar(objeto->texto() != nullptr, "No se encuentra: " + nombre);
    if (objeto->dameReal(" AREA ", areaSuelo) < 0) areaSuelo = area();
    if (objeto->dameReal(" PERIMETRO ", perimetro) < 0)
        perimetro = areasLados.size() > 1 ? areasLados[1] : 0.0f;

    std::string nombreConstruccion;
    comprobar(objeto->dameCadena("CONSTRUCTION", nombreConstruccion) >= 0,
              "CONSTRUCTION del muro %s esta mal definida");
    const VistaObjeto objConstruccion(*gLeerBDL, "CONSTRUCTION", nombreConstruccion);
    const std::string malDefinido = "CONSTRUCTION mal definido: " + nombreConstruccion;
    std::string tipoLeido;
    comprobar(objConstruccion->dameCadena(" TYPE ", tipoLeido) >= 0, malDefinido);
    construccion = nombreConstruccion;
    tipoConstruccion = tipoLeido;
    if (objeto->dameReal(" ABSORPTANCE ", absExterior) < 0) absExterior = d.absCorta;
    funcionAbsortancia = indiceFuncion(*objeto, "ABSORPTANCE-FUNCTION");
    emiExterior = emiInterior = 0.9f;
    peliculasDeDefectos();

    if (tipoLeido == "LAYERS") {
        capas = Construccion::leerCapas(*objConstruccion, malDefinido, " RESISTANCE");
    } else {
        // A construction given by its U: one resistance-only layer of 1/U behind the ground; a
        // missing or non-positive U stands for a layer that lets nothing through.
        float uDado = 0.0f;
        if (objConstruccion->dameReal("U-VALUE =", uDado) >= 0) uDada = uDado;
        Capa c;
        c.material = nombreConstruccion;
        c.tipo = "RESISTANCE";
        c.resistencia = uDado > 0.0f ? 1.0f / uDado : 1000000.0f;
        c.vapor = d.vapourDiffusivityFactor;
        capas.push_back(c);
    }
    masa = Construccion::masaPorArea(capas);

    Capa terreno;
    terreno.espesor = d.groundL;
    terreno.conductividad = d.groundK;
    terreno.densidad = d.groundRo;
    terreno.calorEspecifico = d.groundSh;
    terreno.vapor = d.groundRv;
    terreno.resistencia = 0.0f;
    terreno.material = "TERRENO";
    terreno.tipo = "terreno";
    terreno.factorDifusion = d.groundRv;
    capas.insert(capas.begin(), terreno);

    incluirAislamientoPerimetral();

    if (objeto->dameReal("EDGE-INSU-TRANSM", transmitanciaBorde) < 0)
        transmitanciaBorde = d.groundEit;
    calcularUCapas();
    calcularVapor();

    leerSituacion(*objeto, alturaDefecto, profundidadDefecto);
}

void Underground::leerAislamientoPerimetral() {
    D = 0.0f;
    R = 0.0f;
    std::unique_ptr<LeerBDL> parametros = parametrosEdificio();
    if (!parametros->texto()) return;
    if (parametros->dameReal("D-AISLAMIENTO-PERIMETRAL", D) < 0) D = 0.0f;
    if (parametros->dameReal("RA-AISLAMIENTO-PERIMETRAL", R) < 0) R = 0.0f;
    DLeido = D;
    RLeido = R;
}

// The perimeter insulation is taken into the stack by the most resistive layer (ground layer
// excluded): a share of R that grows with the insulated width, all of it from 1.5 m on.
void Underground::incluirAislamientoPerimetral() {
    float rp = 0.0f;
    if (D >= 1.5f)
        rp = R;
    else if (D > 0.0f)
        rp = (2.0f / 3.0f) * D * R;

    int mayor = -1;
    float rMayor = 0.0f;
    for (std::size_t i = 1; i < capas.size(); ++i) {
        float r = capas[i].resistenciaTermica();
        if (mayor < 0 || r > rMayor) {
            mayor = static_cast<int>(i);
            rMayor = r;
        }
    }
    if (mayor > 0) {
        Capa& c = capas[mayor];
        if (c.conductividad > 0.0f)
            c.conductividad = c.espesor / (c.espesor / c.conductividad + rp);
        else
            c.resistencia += rp;
        c.resistenciaAnadida = rp;
        if (rp > 0.0f) capaAislamiento = mayor;
    }
    if (D == 0.0f || R == 0.0f) {
        R = rMayor;
        D = 1.5f;
    }
}

void Underground::leerSituacion(const LeerBDL& objeto, float alturaDefecto,
                                float profundidadDefecto) {
    z = gDefectos->groundZground;
    alto = gDefectos->groundHeight;

    std::string situacion;
    if (objeto.dameCadena("LOCATION", situacion) >= 0) {
        if (situacion == "BOTTOM")
            esInferior = true;
        else if (situacion == "TOP")
            esSuperior = true;
        else
            esMuro = true;
    } else {
        float t = 90.0f;
        if (objeto.dameReal("TILT", t) < 0) {
            gGlobal2->anotar(false, "El cerramiento en contacto con el terreno " + nombre +
                                        " est\xE1 mal definido");
            gGlobal2->escribirEnLog("falta TILT. Se tomar\xE1 por defecto  90");
            t = 90.0f;
        }
        // Tilt folded into 0-180 degrees.
        if (!std::isfinite(t)) t = 90.0f;
        t = std::fmod(t, 360.0f);
        if (t < 0.0f) t += 360.0f;
        if (t > 180.0f) t = 360.0f - t;
        if (t >= 45.0f && t <= 135.0f)
            esMuro = true;
        else if (t < 45.0f)
            esSuperior = true;
        else
            esInferior = true;
    }

    if (objeto.dameReal("Z-GROUND =", z) < 0) z = -profundidadDefecto;
    if (z > 0.0f) z = -z;
    if (z == 0.0f) z = 0.0f; // no negative zero
    if (objeto.dameReal("HEIGHT =", alto) < 0) alto = alturaDefecto;
}

float Underground::resistenciaRestante(float r) const {
    float dt = 1.0f / U - gDefectos->groundL / gDefectos->groundK - r;
    return dt > 0.0f ? dt : 0.0f;
}

// Ground U by the characteristic dimension B' = area / (half perimeter), with dt the resistance
// of the stack less the ground layer and the edge insulation. A slab without edge-insulation
// data is computed with a 1.5 m band of negligible resistance.
Underground::MetodoTerreno Underground::metodo() const {
    if (esMuro) {
        double t = resistenciaRestante(RLeido) + RLeido;
        return z != 0.0f && t > 0.0 ? MetodoTerreno::MuroEnterrado : MetodoTerreno::UPropia;
    }
    // Without a finite positive B' (no perimeter or no area) the floor loses nothing by its edge.
    if (!(bPrima() > 0.0) || !std::isfinite(bPrima())) return MetodoTerreno::SinBorde;
    if (!(z >= 0.0f)) return MetodoTerreno::SoleraEnterrada;
    return DLeido > 0.0f && RLeido > 0.0f ? MetodoTerreno::SoleraConAislamiento
                                          : MetodoTerreno::SoleraSinAislamiento;
}

float Underground::resistenciaAislamiento() const {
    return metodo() == MetodoTerreno::SoleraSinAislamiento ? kResistenciaDespreciable : RLeido;
}

float Underground::Ug() const {
    const double bPrima = this->bPrima();
    const MetodoTerreno m = metodo();
    switch (m) {
    case MetodoTerreno::MuroEnterrado: {
        double t = resistenciaRestante(RLeido) + RLeido;
        double prof = -static_cast<double>(z);
        return static_cast<float>(std::log((0.785 * prof + t) / t) * (1.0 / prof) *
                                  1.2738853503184713);
    }
    case MetodoTerreno::UPropia:
        return U;
    case MetodoTerreno::SinBorde:
        return 0.0f;
    case MetodoTerreno::SoleraConAislamiento:
    case MetodoTerreno::SoleraSinAislamiento: {
        const float d = m == MetodoTerreno::SoleraSinAislamiento ? 1.5f : DLeido;
        const float r = resistenciaAislamiento();
        double dt = resistenciaRestante(r);
        double ug = (2.0 / bPrima) * 0.6366 *
                    (std::log((1.5708 * bPrima + 0.295 + dt) / (0.295 + dt)) -
                     std::log((1.5708 * d + 0.295 + dt) / (0.295 + dt)) +
                     std::log((1.5708 * d + 0.295 + r) / (0.295 + r)));
        return static_cast<float>(ug);
    }
    case MetodoTerreno::SoleraEnterrada:
        break;
    }
    double tp = resistenciaRestante(RLeido) + RLeido - 0.17;
    double e = -0.7854 * z;
    double ug =
        (2.0 / bPrima) * 0.6366 * std::log((1.5708 * bPrima + 0.295 + tp + e) / (tp + 0.295 + e));
    return static_cast<float>(ug);
}

void Underground::calcularH(float& H, float, float) const {
    H = Ug() * areaSuelo;
}

void Underground::calcularUPerimetral(float& Uper, float Dp, float Rp, float, float) const {
    // At most one repetition: the second pass has a width of 1 m and a positive resistance.
    for (int pasada = 0; pasada < 2; ++pasada) {
        double dt = resistenciaRestante(Rp);
        double d = Dp <= 1.0f ? Dp : 1.0f;
        if (d > 0.0 && Rp > 0.0f) {
            double r = Rp;
            Uper = static_cast<float>(2.0 * 0.6366 *
                                      (std::log((1.5708 + 0.295 + dt) / (0.295 + dt)) -
                                       std::log((1.5708 * d + 0.295 + dt) / (0.295 + dt)) +
                                       std::log((1.5708 * d + 0.295 + r) / (0.295 + r))));
            return;
        }
        Dp = 1.0f;
        Rp = dt > 0.0 ? static_cast<float>(dt) : kResistenciaDespreciable;
    }
}

void Underground::comprobarCondensacionSuperficial(float fRsiMin, float hOut, float hIn) const {
    Condensaciones::superficial(*this, fRsiMin, hOut, hIn);
}

void Underground::comprobarCondensaciones(float fRsiMin, float hOut, float hIn, const float* Te,
                                          const float* Ti, const float* HRe,
                                          const float* HRi) const {
    Condensaciones::intersticial(*this, fRsiMin, hOut, hIn, Te, Ti, HRe, HRi);
}
