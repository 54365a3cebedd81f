#include "building/RevisionEdificio.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "base/Formato.h"
#include "building/DetectorParticiones.h"
#include "envelope/Elemento.h"
#include "envelope/VidrioComplejo.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

const char* const kElementos[] = {"EXTERIOR-WALL", "ROOF", "INTERIOR-WALL", "UNDERGROUND-WALL"};

std::string dosDecimales(float v) {
    return formatear("%1.2f", static_cast<double>(v));
}

// The construction the detected partitions take from the defaults file.
std::string construccionParticiones(const ValoresPorDefecto& d) {
    if (d.tipoParticion == "PROPERTIES")
        return "una capa de " + dosDecimales(d.thParticion) + " m de conductividad " +
               dosDecimales(d.conParticion) + " W/mK";
    return "U = " + dosDecimales(d.uParticion) + " W/m2K";
}

bool esDe(const std::string& tipo, std::initializer_list<const char*> tipos) {
    for (const char* t : tipos)
        if (tipo == t) return true;
    return false;
}

} // namespace

const std::vector<std::string>& RevisionEdificio::tiposLeidos() {
    static const std::vector<std::string> tipos = {"BUILD-PARAMETERS",
                                                   "FLOOR",
                                                   "SPACE",
                                                   "EXTERIOR-WALL",
                                                   "ROOF",
                                                   "INTERIOR-WALL",
                                                   "UNDERGROUND-WALL",
                                                   "WINDOW",
                                                   "POLYGON",
                                                   "CONSTRUCTION",
                                                   "LAYERS",
                                                   "MATERIAL",
                                                   "GLASS-TYPE",
                                                   "SPACE-CONDITIONS",
                                                   "SYSTEM-CONDITIONS",
                                                   "FUNCTION",
                                                   "THERMAL-BRIDGE",
                                                   "DAY-SCHEDULE-PD",
                                                   "WEEK-SCHEDULE-PD",
                                                   "SCHEDULE-PD"};
    return tipos;
}

RevisionEdificio::RevisionEdificio(Avisos& avisos)
    : avisos_(avisos), cabeceras_(gLeerBDL ? gLeerBDL->texto() : nullptr,
                                  gLeerBDL && gLeerBDL->texto() ? gLeerBDL->longitud() : 0) {
    referencias();
    construirYDetectar();
    areasNulas();
}

void RevisionEdificio::referencias() {
    if (!gLeerBDL || !gLeerBDL->texto()) return;
    const std::string fichero = gLeerBDL->lugar(0).fichero;
    std::vector<std::string> espacios, condiciones = {kCondicionesPorDefecto},
                                       sistemas = {kSistemaPorDefecto};
    for (int c : cabeceras_.deTipo("SPACE")) espacios.push_back(cabeceras_.cabeceras()[c].nombre);
    for (int c : cabeceras_.deTipo("SPACE-CONDITIONS"))
        condiciones.push_back(cabeceras_.cabeceras()[c].nombre);
    for (int c : cabeceras_.deTipo("SYSTEM-CONDITIONS"))
        sistemas.push_back(cabeceras_.cabeceras()[c].nombre);
    condiciones.push_back("\"" + condiciones.front() + "\"");
    sistemas.push_back("\"" + sistemas.front() + "\"");

    for (const IndiceCabeceras::Cabecera& c : cabeceras_.cabeceras()) {
        if (gLeerBDL->lugar(c.posicion).fichero != fichero) break; // the catalogue
        std::unique_ptr<LeerBDL> v = LeerBDL::objeto(*gLeerBDL, c.tipo, c.nombre);
        if (!v->texto()) continue;
        if (c.tipo == "FLOOR") referencia(c, *v, "POLYGON", "POLYGON");
        if (c.tipo == "SPACE") {
            referencia(c, *v, "POLYGON =", "POLYGON");
            listaDeNombres(c, *v, "SPACE-CONDITIONS", condiciones, "SPACE-CONDITIONS");
            listaDeNombres(c, *v, "SYSTEM-CONDITIONS", sistemas, "SYSTEM-CONDITIONS");
        }
        if (esDe(c.tipo, {"EXTERIOR-WALL", "ROOF", "INTERIOR-WALL", "UNDERGROUND-WALL"})) {
            referencia(c, *v, "CONSTRUCTION", "CONSTRUCTION");
            referencia(c, *v, "POLYGON =", "POLYGON");
            listaDeNombres(c, *v, "NEXT-TO", espacios, "SPACE");
        }
        if (c.tipo == "WINDOW") referencia(c, *v, "GLASS-TYPE", "GLASS-TYPE");
        std::string clase;
        if (c.tipo == "CONSTRUCTION" && v->dameCadena(" TYPE ", clase) >= 0 && clase == "LAYERS")
            referencia(c, *v, "LAYERS =", "LAYERS");
        if (c.tipo == "LAYERS") materiales(c, *v);
        if (c.tipo == "GLASS-TYPE" && v->dameCadena(" TYPE ", clase) >= 0 &&
            clase == "GLASS-TYPE-CODE")
            codigoDeVidrio(c, *v);
    }
}

// The object named by the key, looked up as the run looks it up.
void RevisionEdificio::referencia(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista,
                                  const char* clave, const char* destino) {
    std::string nombre;
    if (vista.dameCadena(clave, nombre) < 0) return;
    if (LeerBDL::objeto(*gLeerBDL, destino, nombre)->texto()) return;
    avisarReferencia(c, vista.lugar(vista.buscar(clave, 0)),
                     "no existe " + descripcionObjeto(destino, nombre));
}

void RevisionEdificio::avisarReferencia(const IndiceCabeceras::Cabecera& c, Lugar lugar,
                                        std::string texto) {
    Aviso a;
    a.lugar = std::move(lugar);
    a.objeto = c.nombre;
    a.tipo = c.tipo;
    a.clase = Aviso::Clase::ReferenciaInexistente;
    a.texto = std::move(texto);
    avisos_.anadir(std::move(a));
}

// A name the run compares exactly with a list of names (the conditions, the spaces).
void RevisionEdificio::listaDeNombres(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista,
                                      const char* clave, const std::vector<std::string>& nombres,
                                      const char* destino) {
    std::string nombre;
    if (vista.dameCadena(clave, nombre) < 0) return;
    if (std::find(nombres.begin(), nombres.end(), nombre) != nombres.end()) return;
    avisarReferencia(c, vista.lugar(vista.buscar(clave, 0)),
                     std::string(clave) + " = " + nombre + ": no existe " +
                         descripcionObjeto(destino, nombre));
}

void RevisionEdificio::materiales(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista) {
    std::vector<std::string> nombres;
    if (vista.dameListaCadenas("MATERIAL", nombres) < 0) return;
    for (const std::string& m : nombres) {
        if (LeerBDL::objeto(*gLeerBDL, "MATERIAL", m)->texto()) continue;
        avisarReferencia(c, vista.lugar(std::max(0, vista.buscar(m, 1))),
                         "no existe " + descripcionObjeto("MATERIAL", m));
    }
}

// The code of a library glazing, looked up in the glazing library as the window's glass is.
void RevisionEdificio::codigoDeVidrio(const IndiceCabeceras::Cabecera& c, const LeerBDL& vista) {
    std::string codigo;
    vista.dameCadena("GLASS-TYPE-CODE", codigo);
    if (codigo.size() >= 2 && codigo.front() == '"' && codigo.back() == '"')
        codigo = codigo.substr(1, codigo.size() - 2);
    const std::string biblioteca =
        Directorios::instancia().rutaLib(VidrioComplejo::kFicheroLibreria);
    std::string texto;
    try {
        if (LeerBDL::entradaLibreria(VidrioComplejo::kFicheroLibreria, codigo, "GLASS-TYPE-CODE",
                                     VidrioComplejo::kGrupoLibreria)
                ->texto())
            return;
        texto = "no existe el c\xF3"
                "digo de vidrio " +
                codigo + " en " + biblioteca;
    } catch (const ErrorFatal&) {
        texto = "el c\xF3"
                "digo de vidrio " +
                codigo + " se busca en " + biblioteca + ", que no existe";
    }
    avisarReferencia(c, vista.lugar(std::max(0, vista.buscar("GLASS-TYPE-CODE =", 0))),
                     std::move(texto));
}

void RevisionEdificio::construirYDetectar() {
    construirModelo("DEMANDA");
    const std::vector<Elemento*> antes = registros();
    DetectorParticiones detector(*this);
    detector.quitarMurosInteriores();
    murosQuitados(antes);
    detector.recogerCandidatos();
    detector.asignarZonas();
    detector.contarParticiones();
}

void RevisionEdificio::murosQuitados(const std::vector<Elemento*>& antes) {
    const std::vector<Elemento*>& despues = registros();
    const std::string construccion =
        gDefectos ? " (" + construccionParticiones(*gDefectos) + ")" : std::string();
    const std::unordered_set<const Elemento*> quedan(despues.begin(), despues.end());
    for (const Elemento* e : antes) {
        if (quedan.count(e)) continue;
        avisar(*e, Aviso::Clase::MuroInteriorQuitado,
               "el muro interior vertical sale del modelo t\xE9rmico; en su lugar cuentan las "
               "particiones deducidas de los suelos, con la construcci\xF3n de particiones de "
               "los valores por defecto" +
                   construccion);
    }
}

void RevisionEdificio::areasNulas() {
    for (const Elemento* e : registros())
        if (!(e->area() > 0.0f))
            avisar(*e, Aviso::Clase::AreaNula,
                   "el elemento no tiene \xE1rea (" + dosDecimales(e->area()) +
                       " m2): ninguna comprobaci\xF3n lo mira");
}

void RevisionEdificio::avisar(const Elemento& e, Aviso::Clase clase, std::string texto) {
    Aviso a;
    a.objeto = e.nombre;
    a.tipo = e.codigo >= 0 && e.codigo < 4 ? kElementos[e.codigo]
             : e.codigo == kWindow         ? "WINDOW"
                                           : "";
    int inicio = 0, fin = 0;
    if (gLeerBDL && gLeerBDL->extensionObjeto(a.tipo, e.nombre, inicio, fin) == 0)
        a.lugar = gLeerBDL->lugar(inicio);
    a.clase = clase;
    a.texto = std::move(texto);
    avisos_.anadir(std::move(a));
}
