#include "input/ValoresPorDefecto.h"

#include "base/ErrorFatal.h"
#include "input/LeerBDL.h"

ValoresPorDefecto* gDefectos = nullptr;

namespace {

// Keys with a built-in fallback: the fallback stands when the key is absent; a value that does
// not parse leaves the field as it was.
void real(const LeerBDL& r, const char* clave, float& campo, float porDefecto) {
    if (r.dameReal(clave, campo) < 0) campo = porDefecto;
}
void entero(const LeerBDL& r, const char* clave, int& campo, int porDefecto) {
    if (r.dameEntero(clave, campo) < 0) campo = porDefecto;
}
void palabra(const LeerBDL& r, const char* clave, std::string& campo, const char* porDefecto) {
    if (r.dameCadena(clave, campo) < 0) campo = porDefecto;
}

// Keys without a fallback: the field records whether the file gave them.
void real(const LeerBDL& r, const char* clave, Opcional<float>& campo) {
    campo.presente = r.dameReal(clave, campo.valor) == 0;
}
void entero(const LeerBDL& r, const char* clave, Opcional<int>& campo) {
    campo.presente = r.dameEntero(clave, campo.valor) == 0;
}
void palabra(const LeerBDL& r, const char* clave, Opcional<std::string>& campo) {
    campo.presente = r.dameCadena(clave, campo.valor) == 0;
}

} // namespace

ValoresPorDefecto::ValoresPorDefecto(const std::string& rutaFichero) : ruta_(rutaFichero) {
    alturaForjado = 0.2f;
    deltapEnsayoPermeabilidad = 100.0f;
    permeabilidad = 42.0f;

    LeerBDL r(rutaFichero);

    // Demand limits and run control.
    real(r, "DEMANDA-MINIMA-CALEFACCION", demandaMinimaCalefaccion, -1200.0f);
    real(r, "DEMANDA-MINIMA-REFRIGERACION", demandaMinimaRefrigeracion, 1500.0f);
    palabra(r, "STOP-AFTER-MINIMUM-REQUIREMENTS", pararTrasRequisitosMinimos, "YES");
    real(r, "LONGITUD-DE-REFERENCIA", longitudReferencia, 15.0f);

    // Air, furniture and thermal-model settings.
    real(r, "ROCP", rocp);
    real(r, "DELTAT", deltat);
    real(r, "FURN-CP", furnCp);
    real(r, "FURN-FRACTION", furnFraction);
    real(r, "FURN-WEIGHT", furnWeight);
    entero(r, "NINT-WF", nintWf);
    entero(r, "MAX-DEN", maxDen);
    entero(r, "MIN-NUM", minNum);
    entero(r, "MAX-NUM", maxNum);
    entero(r, "NUM-HORAS", numHoras);
    entero(r, "NUM-PUN-VEN", numPunVen);
    entero(r, "NUM-PUN-MUR", numPunMur);
    entero(r, "DISCR-FI", discrFi);
    entero(r, "DISCR-TE", discrTe);
    real(r, "TINIFINITEDIFFERENCES =", tIniFiniteDifferences, 22.0f);
    real(r, "TAUMUROANCHO =", tauMuroAncho, 540000.0f);
    entero(r, "NFRMUROS =", nfrMuros, 100);
    real(r, "EIGENRATIO =", eigenRatio, 50.0f);

    // Surface coefficients and optical properties.
    real(r, "HCINT", hcint);
    real(r, "HRINT", hrint);
    real(r, "HCINT-HOR", hcintHor);
    real(r, "HRINT-HOR", hrintHor);
    real(r, "HPINT", hpint);
    real(r, "HPOUT", hpout);
    real(r, "HCEXT", hcext);
    real(r, "FF-SKY-C", ffSkyC);
    if (r.dameReal("HREXT", hrext) < 0) {
        hrext = 4.63f;
        hrextPresente = 'N';
    } else {
        hrextPresente = 'S';
    }
    real(r, "ABS-CORTA", absCorta, 0.7f);
    real(r, "EMISIVIDAD", emisividad, 0.9f);
    real(r, "GROUND-REFLECTANCE", groundReflectance);
    real(r, "VAPOUR-DIFFUSIVITY-FACTOR", vapourDiffusivityFactor, 1.0f);

    // Slab, permeability and windows.
    real(r, "ALTURA-FORJADO", alturaForjado, 0.2f);
    real(r, "DELTAP-ENSAYO-PERMEABILIDAD", deltapEnsayoPermeabilidad, 100.0f);
    real(r, "PERMEABILIDAD", permeabilidad, 42.0f);
    palabra(r, "SPACER-TYPE", spacerType);
    real(r, "FRAME-WIDTH", frameWidth);
    real(r, "FRAME-ABS", frameAbs);
    real(r, "FRAME-CONDUCT", frameConduct);

    // Zonal air model, openings and leakage.
    real(r, "RH-MAX", rhMax);
    real(r, "RH-MIN", rhMin);
    entero(r, "JET-PARTITION", jetPartition);
    entero(r, "CROSS-PARTITION", crossPartition);
    real(r, "AIR-TEMPERATURE", airTemperature);
    entero(r, "X-PARTITION", xPartition);
    entero(r, "Y-PARTITION", yPartition);
    entero(r, "Z-PARTITION", zPartition);
    real(r, "ANCHO-P", anchoP);
    real(r, "ANCHO-V", anchoV);
    real(r, "ALTO-P", altoP);
    real(r, "ALTO-V", altoV);
    real(r, "CD-P", cdP);
    real(r, "CD-V", cdV);
    real(r, "H0", h0);
    real(r, "ARF-P", arfP);
    real(r, "ARF-V", arfV);
    real(r, "LONG-LEAK", longLeak);
    real(r, "C-LEAK", cLeak);
    real(r, "N-LEAK", nLeak);
    real(r, "H-LEAK", hLeak);
    real(r, "SUP-CR", supCr);
    real(r, "C-CR", cCr);
    real(r, "N-CR", nCr);
    real(r, "H-CR", hCr);

    // Ground.
    groundK = 2.0f;
    groundL = 1.0f;
    groundRo = 2000.0f;
    groundSh = 1000.0f;
    groundR = 0.5f;
    groundRv = 1.0f;
    groundEit = 0.0f;
    groundL2dSteady = 0.0f;
    groundZground = 0.0f;
    groundHeight = 0.0f;
    real(r, "GROUND-K", groundK, 2.0f);
    real(r, "GROUND-L", groundL, 1.0f);
    real(r, "GROUND-RO", groundRo, 2000.0f);
    real(r, "GROUND-SH", groundSh, 1000.0f);
    real(r, "GROUND-R", groundR, 0.5f);
    real(r, "GROUND-RV", groundRv, 1.0f);
    real(r, "GROUND-EIT", groundEit, 0.0f);
    real(r, "GROUND-L2DSTEADY", groundL2dSteady, 0.0f);
    real(r, "GROUND-ZGROUND", groundZground, 0.0f);
    real(r, "GROUND-HEIGHT", groundHeight, 0.0f);

    // Interior partitions: the mode flags, then the partition properties.
    std::string modo;
    particionesSobrescribir = false;
    particionesAnadir = false;
    particionesDirecto = true;
    if (r.dameCadena("INTERNAL-PARTITIONS = ", modo) == 0) {
        if (modo == "DEFAULT-OVERWRITTEN") {
            particionesSobrescribir = true;
            particionesDirecto = false;
        } else if (modo == "DEFAULT-ADDED") {
            particionesAnadir = true;
            particionesDirecto = false;
        }
    }
    real(r, "ABS_PARTITION = ", absParticion, absCorta);
    real(r, "EMI_PARTITION = ", emiParticion, emisividad);
    real(r, "CON_PARTITION = ", conParticion, 0.8f);
    real(r, "DEN_PARTITION = ", denParticion, 1500.0f);
    real(r, "SH_PARTITION = ", shParticion, 800.0f);
    real(r, "TH_PARTITION = ", thParticion, 0.1f);
    real(r, "RES_PARTITION = ", resParticion, 0.0f);
    real(r, "RV_PARTITION", rvParticion, 1.0f);
    palabra(r, "TYPE_PARTITION = ", tipoParticion, "U-VALUE");
    if (tipoParticion == "U-VALUE") real(r, "U_PARTITION = ", uParticion, 1.0f);
    entero(r, "PILARES-POR-ZONA", pilaresPorZona);

    // Thermal bridges: the settings, then one row per THERMAL-BRIDGE object in file order.
    const int nPuentes = r.cuentaObjetos("THERMAL-BRIDGE");
    puentes.clear();
    puentes.reserve(static_cast<std::size_t>(nPuentes));
    real(r, "LINEAR-THERMAL-TRANSMITTANCE = ", linearThermalTransmittance);
    entero(r, "MULTIPLICADOR-CONTORNOS = ", multiplicadorContornos, 4);
    std::string varias;
    variasOpciones = r.dameCadena("SEVERAL-OPTIONS = ", varias) == 0 && varias == "YES";
    real(r, "TOLERANCIA-PTL = ", toleranciaPtl, 0.001f);
    real(r, "TOL-HOR-FRENTE-FORJADO = ", tolHorFrenteForjado, 30.0f);
    r.inicioObjetos();
    for (int i = 0; i < nPuentes; ++i) {
        TipoPuenteTermico p;
        if (r.siguienteObjeto(p.nombre, "THERMAL-BRIDGE") != 0) break;
        auto o = LeerBDL::objeto(r, "THERMAL-BRIDGE", p.nombre);
        real(*o, "TTL =", p.ttl, 0.0f);
        real(*o, "FRSI =", p.frsi, 1.0f);
        real(*o, "ANGLE-MIN =", p.anguloMin, 0.0f);
        real(*o, "ANGLE-MAX =", p.anguloMax, 0.0f);
        palabra(*o, "TYPE =", p.tipo, "MASONRY");
        palabra(*o, "PARTITION =", p.particion, "BOTH");
        puentes.push_back(std::move(p));
    }

    // Names of the unheated spaces.
    noHabitables.clear();
    if (r.dameListaCadenas("NO-HABITABLES", noHabitables) < 0)
        errorFatal("Error en el fichero defectos.inp: Error leyendo NO-HABITABLES");

    // Shutters: the three values stand only with "AUTOMATIC-SHUTTER".
    if (r.dameCadena("AUTOMATIC-SHUTTER", automaticShutter) == 0) {
        real(r, "SHUTTER-TRANSMITTANCE-MULTIPLIER-SUMMER", shutterTransmittanceMultiplierSummer);
        real(r, "SHUTTER-CONDUCTANCE-FACTOR", shutterConductanceFactor);
        real(r, "SHUTTER-PERCENTAGE", shutterPercentage);
    } else {
        automaticShutter = "NO";
        shutterTransmittanceMultiplierSummer = {1.0f, true};
        shutterConductanceFactor = {1.0f, true};
        shutterPercentage = {0.0f, true};
    }
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
