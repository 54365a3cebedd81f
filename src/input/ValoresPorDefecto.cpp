#include "input/ValoresPorDefecto.h"

#include <utility>
#include <variant>

#include "base/ErrorFatal.h"
#include "input/LeerBDL.h"

ValoresPorDefecto* gDefectos = nullptr;

namespace {

using V = ValoresPorDefecto;

// The value of a key read as the field's type: 0, or -1 when the key is absent (the field then
// keeps its value, as it does when the value does not parse).
int dame(const LeerBDL& r, const char* clave, float& valor) {
    return r.dameReal(clave, valor);
}
int dame(const LeerBDL& r, const char* clave, int& valor) {
    return r.dameEntero(clave, valor);
}
int dame(const LeerBDL& r, const char* clave, std::string& valor) {
    return r.dameCadena(clave, valor);
}

// One key of the defaults file and the field it sets. A field with a fallback holds the fallback
// unless the file gives the key; a value that does not parse leaves the fallback. An optional
// field records whether the file gave the key. A partition surface property falls back on another
// field (the surfaces' own value) when its key is absent, and keeps its own fallback when the
// value does not parse.
class Clave {
public:
    Clave(const char* clave, float V::*campo, float porDefecto)
        : clave_(clave), campo_(ConDefecto<float>{campo, porDefecto}) {}
    Clave(const char* clave, int V::*campo, int porDefecto)
        : clave_(clave), campo_(ConDefecto<int>{campo, porDefecto}) {}
    Clave(const char* clave, std::string V::*campo, const char* porDefecto)
        : clave_(clave), campo_(ConDefecto<std::string>{campo, porDefecto}) {}
    Clave(const char* clave, float V::*campo, float siNoEsNumero, float V::*siFalta)
        : clave_(clave), campo_(DeOtroCampo{campo, siNoEsNumero, siFalta}) {}
    template <class T>
    Clave(const char* clave, Opcional<T> V::*campo) : clave_(clave), campo_(SinDefecto<T>{campo}) {}

    void leer(const LeerBDL& r, V& v) const { std::visit(Lector{r, clave_, v}, campo_); }

private:
    template <class T> struct ConDefecto {
        T V::*campo;
        T porDefecto;
    };
    template <class T> struct SinDefecto { Opcional<T> V::*campo; };
    struct DeOtroCampo {
        float V::*campo;
        float siNoEsNumero;
        float V::*siFalta;
    };

    struct Lector {
        const LeerBDL& r;
        const char* clave;
        V& v;

        template <class T> void operator()(const ConDefecto<T>& c) const {
            v.*c.campo = c.porDefecto;
            dame(r, clave, v.*c.campo);
        }
        template <class T> void operator()(const SinDefecto<T>& c) const {
            Opcional<T>& o = v.*c.campo;
            o.presente = dame(r, clave, o.valor) == 0;
        }
        void operator()(const DeOtroCampo& c) const {
            v.*c.campo = c.siNoEsNumero;
            if (dame(r, clave, v.*c.campo) < 0) v.*c.campo = v.*c.siFalta;
        }
    };

    const char* clave_;
    std::variant<ConDefecto<float>, ConDefecto<int>, ConDefecto<std::string>, DeOtroCampo,
                 SinDefecto<float>, SinDefecto<int>, SinDefecto<std::string>>
        campo_;
};

// The keys of the defaults file, read in this order (a partition surface property after the
// surface value it falls back on). Some keys carry their " =" and are not found without it.
const Clave kClaves[] = {
    // Demand limits and run control.
    {"DEMANDA-MINIMA-CALEFACCION", &V::demandaMinimaCalefaccion, -1200.0f},
    {"DEMANDA-MINIMA-REFRIGERACION", &V::demandaMinimaRefrigeracion, 1500.0f},
    {"STOP-AFTER-MINIMUM-REQUIREMENTS", &V::pararTrasRequisitosMinimos, "YES"},
    {"LONGITUD-DE-REFERENCIA", &V::longitudReferencia, 15.0f},
    // Air, furniture and thermal-model settings.
    {"ROCP", &V::rocp},
    {"DELTAT", &V::deltat},
    {"FURN-CP", &V::furnCp},
    {"FURN-FRACTION", &V::furnFraction},
    {"FURN-WEIGHT", &V::furnWeight},
    {"NINT-WF", &V::nintWf},
    {"MAX-DEN", &V::maxDen},
    {"MIN-NUM", &V::minNum},
    {"MAX-NUM", &V::maxNum},
    {"NUM-HORAS", &V::numHoras},
    {"NUM-PUN-VEN", &V::numPunVen},
    {"NUM-PUN-MUR", &V::numPunMur},
    {"DISCR-FI", &V::discrFi},
    {"DISCR-TE", &V::discrTe},
    {"TINIFINITEDIFFERENCES =", &V::tIniFiniteDifferences, 22.0f},
    {"TAUMUROANCHO =", &V::tauMuroAncho, 540000.0f},
    {"NFRMUROS =", &V::nfrMuros, 100},
    {"EIGENRATIO =", &V::eigenRatio, 50.0f},
    // Surface coefficients and optical properties (HREXT apart: its presence is recorded).
    {"HCINT", &V::hcint},
    {"HRINT", &V::hrint},
    {"HCINT-HOR", &V::hcintHor},
    {"HRINT-HOR", &V::hrintHor},
    {"HPINT", &V::hpint},
    {"HPOUT", &V::hpout},
    {"HCEXT", &V::hcext},
    {"FF-SKY-C", &V::ffSkyC},
    {"ABS-CORTA", &V::absCorta, 0.7f},
    {"EMISIVIDAD", &V::emisividad, 0.9f},
    {"GROUND-REFLECTANCE", &V::groundReflectance},
    {"VAPOUR-DIFFUSIVITY-FACTOR", &V::vapourDiffusivityFactor, 1.0f},
    // Slab, permeability and windows.
    {"ALTURA-FORJADO", &V::alturaForjado, 0.2f},
    {"DELTAP-ENSAYO-PERMEABILIDAD", &V::deltapEnsayoPermeabilidad, 100.0f},
    {"PERMEABILIDAD", &V::permeabilidad, 42.0f},
    {"SPACER-TYPE", &V::spacerType},
    {"FRAME-WIDTH", &V::frameWidth},
    {"FRAME-ABS", &V::frameAbs},
    {"FRAME-CONDUCT", &V::frameConduct},
    // Zonal air model, openings and leakage.
    {"RH-MAX", &V::rhMax},
    {"RH-MIN", &V::rhMin},
    {"JET-PARTITION", &V::jetPartition},
    {"CROSS-PARTITION", &V::crossPartition},
    {"AIR-TEMPERATURE", &V::airTemperature},
    {"X-PARTITION", &V::xPartition},
    {"Y-PARTITION", &V::yPartition},
    {"Z-PARTITION", &V::zPartition},
    {"ANCHO-P", &V::anchoP},
    {"ANCHO-V", &V::anchoV},
    {"ALTO-P", &V::altoP},
    {"ALTO-V", &V::altoV},
    {"CD-P", &V::cdP},
    {"CD-V", &V::cdV},
    {"H0", &V::h0},
    {"ARF-P", &V::arfP},
    {"ARF-V", &V::arfV},
    {"LONG-LEAK", &V::longLeak},
    {"C-LEAK", &V::cLeak},
    {"N-LEAK", &V::nLeak},
    {"H-LEAK", &V::hLeak},
    {"SUP-CR", &V::supCr},
    {"C-CR", &V::cCr},
    {"N-CR", &V::nCr},
    {"H-CR", &V::hCr},
    // Ground.
    {"GROUND-K", &V::groundK, 2.0f},
    {"GROUND-L", &V::groundL, 1.0f},
    {"GROUND-RO", &V::groundRo, 2000.0f},
    {"GROUND-SH", &V::groundSh, 1000.0f},
    {"GROUND-R", &V::groundR, 0.5f},
    {"GROUND-RV", &V::groundRv, 1.0f},
    {"GROUND-EIT", &V::groundEit, 0.0f},
    {"GROUND-L2DSTEADY", &V::groundL2dSteady, 0.0f},
    {"GROUND-ZGROUND", &V::groundZground, 0.0f},
    {"GROUND-HEIGHT", &V::groundHeight, 0.0f},
    // Interior partitions (the mode and the U-value apart): the surface properties follow the
    // outer surfaces' when absent.
    {"ABS_PARTITION = ", &V::absParticion, 0.7f, &V::absCorta},
    {"EMI_PARTITION = ", &V::emiParticion, 0.9f, &V::emisividad},
    {"CON_PARTITION = ", &V::conParticion, 0.8f},
    {"DEN_PARTITION = ", &V::denParticion, 1500.0f},
    {"SH_PARTITION = ", &V::shParticion, 800.0f},
    {"TH_PARTITION = ", &V::thParticion, 0.1f},
    {"RES_PARTITION = ", &V::resParticion, 0.0f},
    {"RV_PARTITION", &V::rvParticion, 1.0f},
    {"TYPE_PARTITION = ", &V::tipoParticion, "U-VALUE"},
    {"PILARES-POR-ZONA", &V::pilaresPorZona},
    // Thermal-bridge settings (the bridge rows apart).
    {"LINEAR-THERMAL-TRANSMITTANCE = ", &V::linearThermalTransmittance},
    {"MULTIPLICADOR-CONTORNOS = ", &V::multiplicadorContornos, 4},
    {"TOLERANCIA-PTL = ", &V::toleranciaPtl, 0.001f},
    {"TOL-HOR-FRENTE-FORJADO = ", &V::tolHorFrenteForjado, 30.0f},
};

// The shutter keys, read only when the file gives "AUTOMATIC-SHUTTER".
const Clave kClavesPersiana[] = {
    {"SHUTTER-TRANSMITTANCE-MULTIPLIER-SUMMER", &V::shutterTransmittanceMultiplierSummer},
    {"SHUTTER-CONDUCTANCE-FACTOR", &V::shutterConductanceFactor},
    {"SHUTTER-PERCENTAGE", &V::shutterPercentage},
};

// The keys of a THERMAL-BRIDGE row: an absent key, or a value that does not parse, keeps the
// row's own default.
const std::pair<const char*, float TipoPuenteTermico::*> kRealesPuente[] = {
    {"TTL =", &TipoPuenteTermico::ttl},
    {"FRSI =", &TipoPuenteTermico::frsi},
    {"ANGLE-MIN =", &TipoPuenteTermico::anguloMin},
    {"ANGLE-MAX =", &TipoPuenteTermico::anguloMax},
};
const std::pair<const char*, std::string TipoPuenteTermico::*> kPalabrasPuente[] = {
    {"TYPE =", &TipoPuenteTermico::tipo},
    {"PARTITION =", &TipoPuenteTermico::particion},
};

void leerRadiacionExterior(const LeerBDL& r, V& v) {
    v.hrext = 4.63f;
    v.hrextPresente = r.dameReal("HREXT", v.hrext) == 0 ? 'S' : 'N';
}

// DEFAULT-OVERWRITTEN and DEFAULT-ADDED; any other word, or none, is the direct mode.
void leerModoParticiones(const LeerBDL& r, V& v) {
    std::string modo;
    v.particionesSobrescribir = false;
    v.particionesAnadir = false;
    v.particionesDirecto = true;
    if (r.dameCadena("INTERNAL-PARTITIONS = ", modo) != 0) return;
    if (modo == "DEFAULT-OVERWRITTEN") {
        v.particionesSobrescribir = true;
        v.particionesDirecto = false;
    } else if (modo == "DEFAULT-ADDED") {
        v.particionesAnadir = true;
        v.particionesDirecto = false;
    }
}

// The partition's U-value is read only for partitions given by their U-value.
void leerTransmitanciaParticion(const LeerBDL& r, V& v) {
    v.uParticion = 1.0f;
    if (v.tipoParticion == "U-VALUE") r.dameReal("U_PARTITION = ", v.uParticion);
}

// One row per THERMAL-BRIDGE object, in file order.
void leerPuentes(LeerBDL& r, V& v) {
    std::string varias;
    v.variasOpciones = r.dameCadena("SEVERAL-OPTIONS = ", varias) == 0 && varias == "YES";
    const int nPuentes = r.cuentaObjetos("THERMAL-BRIDGE");
    v.puentes.clear();
    v.puentes.reserve(static_cast<std::size_t>(nPuentes));
    r.inicioObjetos();
    for (int i = 0; i < nPuentes; ++i) {
        TipoPuenteTermico p;
        if (r.siguienteObjeto(p.nombre, "THERMAL-BRIDGE") != 0) break;
        auto o = LeerBDL::objeto(r, "THERMAL-BRIDGE", p.nombre);
        for (const auto& [clave, campo] : kRealesPuente) o->dameReal(clave, p.*campo);
        for (const auto& [clave, campo] : kPalabrasPuente) o->dameCadena(clave, p.*campo);
        v.puentes.push_back(std::move(p));
    }
}

void leerNoHabitables(const LeerBDL& r, V& v) {
    v.noHabitables.clear();
    if (r.dameListaCadenas("NO-HABITABLES", v.noHabitables) < 0)
        errorFatal("Error en el fichero defectos.inp: Error leyendo NO-HABITABLES");
}

// Without "AUTOMATIC-SHUTTER" there is no automatic shutter and the shutter values are those of
// no shutter at all.
void leerPersianas(const LeerBDL& r, V& v) {
    if (r.dameCadena("AUTOMATIC-SHUTTER", v.automaticShutter) == 0) {
        for (const Clave& clave : kClavesPersiana) clave.leer(r, v);
    } else {
        v.automaticShutter = "NO";
        v.shutterTransmittanceMultiplierSummer = {1.0f, true};
        v.shutterConductanceFactor = {1.0f, true};
        v.shutterPercentage = {0.0f, true};
    }
}

} // namespace

ValoresPorDefecto::ValoresPorDefecto(const std::string& rutaFichero, LeerBDL::Vigia* vigia)
    : ruta_(rutaFichero) {
    LeerBDL r(rutaFichero);
    if (vigia) r.vigilar(vigia);
    for (const Clave& clave : kClaves) clave.leer(r, *this);
    leerRadiacionExterior(r, *this);
    leerModoParticiones(r, *this);
    leerTransmitanciaParticion(r, *this);
    leerPuentes(r, *this);
    leerNoHabitables(r, *this);
    leerPersianas(r, *this);
}

ValoresPorDefecto::~ValoresPorDefecto() = default;

void ValoresPorDefecto::faltaClave(const char* clave) const {
    errorFatal(std::string("Falta la clave ") + clave + " en el fichero de valores por defecto " +
               ruta_);
}

float ValoresPorDefecto::exigir(const Opcional<float>& d, const char* clave) const {
    if (!d.presente) faltaClave(clave);
    return d.valor;
}
int ValoresPorDefecto::exigir(const Opcional<int>& d, const char* clave) const {
    if (!d.presente) faltaClave(clave);
    return d.valor;
}
const std::string& ValoresPorDefecto::exigir(const Opcional<std::string>& d,
                                             const char* clave) const {
    if (!d.presente) faltaClave(clave);
    return d.valor;
}
