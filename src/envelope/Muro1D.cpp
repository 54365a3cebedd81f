#include "envelope/Muro1D.h"

#include <cstdio>

#include "base/ErrorFatal.h"
#include "climate/Excitacion.h"
#include "envelope/Condensaciones.h"
#include "envelope/Construccion.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {
const char* const kMensajeMetodoDirecto =
    "EXCEPCION GRAVE: Se esta utilizando con metodo directo la detecci\xF3n autom\xE1tica de "
    "cerramientos interiores (particiones). Deberia seleccionar en el fichero de valores por "
    "defecto INTERNAL-PARTITIONS = DIRECTO El programa se cerrar\xE1";
}

Muro1D::Muro1D(const std::string& n, int nl, const std::vector<float>& a, const std::vector<int>& l,
               int etiq) {
    ponerIdentidad("onedimensional_wall", "none", n, nl, a, l, etiq);
    suelo = etiq;

    // The wall's object: exterior wall, else roof, else interior wall.
    comprobar(gLeerBDL != nullptr, "No se encuentra: " + nombre);
    std::unique_ptr<LeerBDL> muro = LeerBDL::objeto(*gLeerBDL, "EXTERIOR-WALL", nombre);
    if (!muro->texto()) muro = LeerBDL::objeto(*gLeerBDL, "ROOF", nombre);
    if (!muro->texto()) {
        muro = LeerBDL::objeto(*gLeerBDL, "INTERIOR-WALL", nombre);
        esInterior = muro->texto() != nullptr;
    }
    comprobar(muro->texto() != nullptr, "No se encuentra: " + nombre);

    if (muro->dameCadena("INT-WALL-TYPE", tipoMuro) < 0) tipoMuro = "none";
    if (tipoMuro == "ADIABATIC") tipoMuro = "PARTY-WALL";
    std::string vecino;
    if (esInterior && muro->dameCadena("NEXT-TO", vecino) < 0) tipoMuro = "PARTY-WALL";

    std::string valorComprobar;
    comprobarRequisitos = muro->dameCadena("COMPROBAR-REQUISITOS-MINIMOS", valorComprobar) < 0 ||
                          valorComprobar == "YES";

    leerPeliculas(*muro);
    funcionConveccion = indiceFuncion(*muro, "OUTSIDE-FILM-CONV-COEF-FUNCTION");
    funcionRadiacion = indiceFuncion(*muro, "OUTSIDE-FILM-RAD-COEF-FUNCTION");

    const std::string malDefinida = "CONSTRUCTION del muro mal definida: " + nombre;
    std::string nombreConstruccion;
    comprobar(muro->dameCadena("CONSTRUCTION", nombreConstruccion) >= 0, malDefinida);
    const VistaObjeto objConstruccion(*gLeerBDL, "CONSTRUCTION", nombreConstruccion);
    std::string tipoLeido;
    comprobar(objConstruccion->dameCadena(" TYPE ", tipoLeido) >= 0, malDefinida);
    construccion = nombreConstruccion;
    tipoConstruccion = tipoLeido;

    if (muro->dameReal(" ABSORPTANCE ", absExterior) < 0 && gDefectos)
        absExterior = gDefectos->absCorta;
    funcionAbsortancia = indiceFuncion(*muro, "ABSORPTANCE-FUNCTION");
    emiExterior = emiInterior = 0.9f;
    masa = 0.0f;

    if (tipoLeido == "LAYERS") {
        capas = Construccion::leerCapas(*objConstruccion, malDefinida, "RESISTANCE");
        masa = Construccion::masaPorArea(capas);
    } else {
        // A construction given by its U: no layers. Without its U the wall cannot be rated: a
        // U left at 0 would pass every check silently, so the construction is badly defined.
        comprobar(objConstruccion->dameReal("U-VALUE =", U) >= 0, malDefinida);
        uDada = U;
    }
    calcularUCapas();
    calcularVapor();
}

Muro1D::Muro1D(int indiceParticion, const std::vector<float>& a, const std::vector<int>& l) {
    tipo = "onedimensional_wall";
    tipoMuro = "partition";
    numLados = 2;
    areasLados = a;
    lados = l;
    int e1 = l.size() > 0 ? -l[0] - 1 : -1;
    int e2 = l.size() > 1 ? -l[1] - 1 : -1;
    char texto[64];
    std::snprintf(texto, sizeof texto, "PARTICION-%03d-E%03d-E%03d", indiceParticion, e1, e2);
    nombre = texto;

    comprobar(!(gExcitacion && gExcitacion->metodoDirecto() == 1), kMensajeMetodoDirecto);
    comprobar(gDefectos != nullptr, "Faltan los valores por defecto");
    const ValoresPorDefecto& d = *gDefectos;
    absExterior = absInterior = d.absParticion;
    emiExterior = emiInterior = d.emiParticion;
    peliculasDeDefectos();
    tipoConstruccion = d.tipoParticion == "PROPERTIES" ? "PROPERTIES" : "U-VALUE";
    if (d.tipoParticion == "PROPERTIES") {
        Capa c;
        c.material = "PARTICION";
        c.factorDifusion = d.rvParticion;
        c.conductividad = d.conParticion;
        c.densidad = d.denParticion;
        c.calorEspecifico = d.shParticion;
        c.espesor = d.thParticion;
        c.resistencia = d.resParticion;
        c.vapor = d.rvParticion * c.espesor;
        capas.push_back(c);
        masa = c.densidad * c.espesor;
    } else {
        U = uDada = d.uParticion;
    }
    calcularUCapas();
    calcularVapor();
}

void Muro1D::calcularH(float& H, float hOut, float hIn) const {
    H = area() / (1.0f / U + 1.0f / hIn + 1.0f / hOut);
}

void Muro1D::comprobarCondensacionSuperficial(float fRsiMin, float hOut, float hIn) const {
    Condensaciones::superficial(*this, fRsiMin, hOut, hIn);
}

void Muro1D::comprobarCondensaciones(float fRsiMin, float hOut, float hIn, const float* Te,
                                     const float* Ti, const float* HRe, const float* HRi) const {
    Condensaciones::intersticial(*this, fRsiMin, hOut, hIn, Te, Ti, HRe, HRi);
}
