#include "envelope/VidrioSimple.h"

#include <cmath>

#include "base/ErrorFatal.h"
#include "base/TextoLatin1.h"
#include "input/Global2.h"
#include "input/ValoresPorDefecto.h"

namespace {
struct ModeloVidrio {
    float tauNormal, alfaNormal, tauHemi, alfaHemi;
    std::array<float, CurvaAngular::kNumAngulos> razonTau, razonAlfa;
};

// Absorbing glass (1) and clear glass (2): normal-incidence and hemispherical values and the
// ratios to the normal value at 0, 10, ..., 90 degrees.
const ModeloVidrio kModelos[2] = {
    {0.7998f,
     0.2238905f,
     0.6990252f,
     0.1956803f,
     {1.0f, 0.999f, 0.996f, 0.99f, 0.976f, 0.946f, 0.873f, 0.691f, 0.352f, 0.0f},
     {1.0f, 1.0f, 1.01f, 1.03f, 1.05f, 1.1f, 1.21f, 1.47f, 1.65f, 0.0f}},
    {0.8342f,
     0.0946f,
     0.7457748f,
     0.0845724f,
     {1.0f, 0.999f, 0.997f, 0.993f, 0.983f, 0.959f, 0.894f, 0.746f, 0.459f, 0.0f},
     {1.0f, 0.999f, 0.997f, 0.993f, 0.983f, 0.959f, 0.894f, 0.746f, 0.459f, 0.0f}},
};

float enRadianes(float grados) {
    return grados * 0.017453292519943295f;
}
} // namespace

VidrioSimple::VidrioSimple(float sc, float scVerano, float conductancia, float hce, float hre,
                           float hci, float hri, float param) {
    parametroSolar = param;
    modelo = 0.86f * sc < 0.85f ? 1 : 2;
    const ModeloVidrio& m = kModelos[modelo - 1];
    tauNormal = m.tauNormal;
    alfaNormal = m.alfaNormal;
    tauHemi = m.tauHemi;
    alfaHemi = alfaHemiTrasera = m.alfaHemi;
    curvaTransmitancia.ajustar(m.razonTau);
    curvasAbsortancia.resize(1);
    curvasAbsortancia[0].ajustar(m.razonAlfa);

    hcext = hce;
    hrext = hre;
    hcint = hci;
    hrint = hri;
    Rg = 1.0f / conductancia - 1.0f / (hce + hre) - 1.0f / (hci + hri);
    comprobar(!(Rg < 0.0f), "Error en Vidrio Simple, U demasiado alto");

    coefSombra = sc == 0.0f ? 0.001f : sc;
    coefSombraVerano = scVerano == 0.0f ? 0.001f : scVerano;

    comprobar(gDefectos != nullptr, "Faltan los valores por defecto");
    hiDefectos =
        gDefectos->exigir(gDefectos->hcint, "HCINT") + gDefectos->exigir(gDefectos->hrint, "HRINT");
}

float VidrioSimple::U() const {
    return 1.0f / (1.0f / (hcext + hrext) + Rg + 1.0f / hiDefectos);
}

void VidrioSimple::ponerPeliculas(float hce, float hre, float hci, float hri) {
    hcext = hce;
    hrext = hre;
    hcint = hci;
    hrint = hri;
}

void VidrioSimple::transmisionHoraria(int hora, float angulo, float Idir, float Idif, float Igr,
                                      TransmisionSolar& r) const {
    bool calefaccion = gGlobal2->esHoraCalefaccion(hora);
    float sc = calefaccion ? coefSombra : coefSombraVerano;
    float factorSombra = 1.0f;
    if (compararNombres(gGlobal2->tipoEdificio, "REFERENCIA") != 0) {
        sc *= calefaccion ? coeficientes[0] : coeficientes[1];
        factorSombra = calefaccion ? coeficientes[2] : coeficientes[3];
    }
    float c = std::cos(enRadianes(angulo));
    float tau = curvaTransmitancia.evaluar(c) * tauNormal;
    if (tau > 1.0f) tau = 1.0f;
    float alfa = curvasAbsortancia[0].evaluar(c) * alfaNormal;
    if (alfa + tau > 1.0f) alfa = 1.0f - tau;

    r.directa = Idir * tau * sc;
    r.difusa = Idif * tauHemi * sc;
    r.reflejada = Igr * tauHemi * sc;
    r.absorbida = (Idir * alfa + Idif * alfaHemi + Igr * alfaHemiTrasera) * sc;
    r.otra = 0.0f;
    r.factorSombra = factorSombra;
}

float VidrioSimple::gananciaSolar(int hora, float angulo, float Idir, float Idif, float Igr) const {
    TransmisionSolar r;
    transmisionHoraria(hora, angulo, Idir, Idif, Igr, r);
    // The absorbed heat leaves the pane through the two films in inverse proportion to their
    // resistances; the pane sits in the middle of its own resistance.
    float rExt = 1.0f / (hcext + hrext) + 0.5f * Rg;
    float rInt = 1.0f / (hcint + hrint) + 0.5f * Rg;
    float haciaDentro = rExt / (rExt + rInt);
    return (r.directa + r.difusa + r.reflejada + haciaDentro * r.absorbida) * r.factorSombra;
}
