#include "building/Edificio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/ErrorFatal.h"
#include "base/Valores.h"
#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/DetectorParticiones.h"
#include "building/PuentesTermicos.h"
#include "building/Zona.h"
#include "climate/Excitacion.h"
#include "envelope/Elemento.h"
#include "envelope/Muro1D.h"
#include "envelope/Underground.h"
#include "envelope/Ventana.h"
#include "geometry/ColocacionElemento.h"
#include "geometry/ElementContour.h"
#include "input/ContextoObjeto.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

Edificio* gEdificio = nullptr;

namespace {
constexpr float kGradosARadianes = 0.017453292f;
// Bound on the text of a user function while its placeholders are expanded: far beyond any real
// formula, it stops a placeholder that refers to itself, directly or through others.
constexpr std::size_t kLongitudMaximaFuncion = 100000;

// BDL type of each element kind code.
const char* const kTiposElemento[] = {"EXTERIOR-WALL",    "ROOF",        "INTERIOR-WALL",
                                      "UNDERGROUND-WALL", "TROMBE-WALL", "COOL-PANEL"};
// Types that end the window list of an element.
const std::vector<std::string> kFinVentanas = {
    "EXTERIOR-WALL", "ROOF",       "INTERIOR-WALL", "UNDERGROUND-WALL",
    "TROMBE-WALL",   "COOL-PANEL", "SPACE",         "FLOOR"};

// A value that begins with a double quote is cut to the text between its first pair of quotes.
std::string sinComillas(const std::string& s) {
    if (s.empty() || s[0] != '"') return s;
    std::size_t cierre = s.find('"', 1);
    return cierre == std::string::npos ? s.substr(1) : s.substr(1, cierre - 1);
}

std::string texto2f(float v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%1.2f", static_cast<double>(v));
    return buf;
}

float leerReal(const LeerBDL& v, const char* clave, float porDefecto, bool* dado = nullptr) {
    float x = porDefecto;
    bool hay = v.dameReal(clave, x) >= 0;
    if (!hay) x = porDefecto;
    if (dado) *dado = hay;
    return x;
}

// The number of a vertex label ("3" of "V3"), or 0 when the text is not a positive number.
int numeroVertice(const std::string& cifras) {
    if (cifras.empty()) return 0;
    for (char c : cifras)
        if (c < '0' || c > '9') return 0;
    return std::atoi(cifras.c_str());
}

PuntoPlano plano(const std::pair<float, float>& v) {
    return PuntoPlano{v.first, v.second};
}

// The space's MULTIPLIER times its storey's; true for a copy (MULTIPLIED), which is not built.
bool leerMultiplicador(const LeerBDL& v, const Planta& pl, Espacio& e) {
    int multiplicado = 0;
    if (v.dameEntero("MULTIPLIED ", multiplicado) < 0) multiplicado = 0;
    float m = 1.0f;
    if (v.dameReal("MULTIPLIER ", m) >= 0)
        e.multiplicador = m * pl.multiplicador;
    else
        e.multiplicador = pl.multiplicador;
    if (multiplicado != 0) e.multiplicado = true;
    return multiplicado != 0;
}

// HEIGHT, else the storey's SPACE-HEIGHT; it must be positive.
float leerAlturaEspacio(const LeerBDL& v, const Planta& pl, Espacio& e) {
    float h = leerReal(v, "HEIGHT ", pl.alturaEspacio);
    comprobar(h > 0.0f, "Error Grave de Definici\xF3n Geom\xE9trica. La altura del espacio " +
                            e.nombre + " es = " + texto2f(h) + " y debe ser >0");
    e.alturaGeometrica = h;
    return h;
}

// The storey-polygon vertex (1-based) a space is placed from: 1 for FLOOR-SPACE, n for
// FLOOR-V<n>, 0 for none; it must be a vertex of the storey polygon.
int verticeDeReferencia(const std::string& ubicacion, const Planta& pl) {
    int referencia = 0;
    std::size_t pos;
    if (ubicacion == "FLOOR-SPACE")
        referencia = 1;
    else if ((pos = ubicacion.find("FLOOR-V")) != std::string::npos)
        referencia = numeroVertice(ubicacion.substr(pos + 7, 2));
    if (referencia == 0 && ubicacion.find("FLOOR-V") != std::string::npos) referencia = -1;
    int nPlanta = static_cast<int>(pl.vertices.size());
    comprobar(referencia >= 0 && referencia <= nPlanta, "Poligono mal definido: " + pl.poligono);
    return referencia;
}

// The floor area (AREA, else the placed polygon's, which must be a valid polygon either way)
// and the height of the thermal model (VOLUME over the area, else the geometric height).
void medirEspacio(const LeerBDL& v, float h, Espacio& e) {
    std::unique_ptr<PoliArea> suelo = PoliArea::desdeNodos(e.verticesColocados);
    float area = 0.0f;
    if (v.dameReal(" AREA ", area) >= 0)
        e.area = area;
    else
        e.area = static_cast<float>(suelo->area());
    float volumen = 0.0f;
    e.altura = v.dameReal("VOLUME ", volumen) >= 0 ? volumen / e.area : h;
}

// Windows larger than their element (a negative net area): each gives up an equal share of the
// excess.
void repartirExceso(float areaNeta, const std::vector<Elemento*>& ventanas) {
    float parte = areaNeta / static_cast<float>(ventanas.size());
    for (Elemento* w : ventanas) {
        float areaVentana = w->areasLados.empty() ? 0.0f : w->areasLados[0];
        if (w->altura > 0.0f) {
            w->cambiarAnchura(parte / w->altura);
            w->anchura += parte / w->altura;
        }
        if (w->areasLados.empty()) w->areasLados.resize(2, 0.0f);
        w->areasLados[0] = areaVentana + parte;
    }
}
// In a review: the windows of an element are larger than it and are reduced to fit.
void avisarVentanasReducidas(const LeerBDL& bdl, const IndiceCabeceras::Cabecera& elemento,
                             double areaElemento, double areaVentanas, std::size_t numVentanas) {
    if (!gGlobal2 || !gGlobal2->enRevision()) return;
    const double exceso = areaVentanas - areaElemento;
    Aviso a;
    a.lugar = bdl.lugar(elemento.posicion);
    a.objeto = elemento.nombre;
    a.tipo = elemento.tipo;
    a.clase = Aviso::Clase::VentanasReducidas;
    const std::string ventanas = texto2f(static_cast<float>(areaVentanas)) + " m2";
    const std::string elementoA = texto2f(static_cast<float>(areaElemento)) + " m2";
    const std::string pierde =
        texto2f(static_cast<float>(exceso / static_cast<double>(numVentanas))) + " m2";
    a.texto = numVentanas == 1
                  ? "su ventana (" + ventanas + ") no cabe en el elemento (" + elementoA +
                        "): pierde " + pierde
                  : "sus " + std::to_string(numVentanas) + " ventanas (" + ventanas +
                        ") no caben en el elemento (" + elementoA + "): cada una pierde " + pierde;
    a.texto += " y el elemento se queda sin \xE1rea";
    gGlobal2->avisos().anadir(std::move(a));
}
} // namespace

Edificio::Edificio(const std::string& /*metodo*/, const std::string& modo,
                   const std::string& /*ficheroClima*/) {
    construirModelo(modo);
    completarParticionesYPuentes();
}

Edificio::~Edificio() = default;

void Edificio::construirModelo(const std::string& modo) {
    bdl_ = gLeerBDL;
    static LeerBDL sinTexto;
    if (!bdl_) bdl_ = &sinTexto;
    indice_ = IndiceCabeceras(bdl_->texto(), bdl_->texto() ? bdl_->longitud() : 0);

    contarObjetos();                                              // 1
    registrarNombres();                                           // 2
    leerFunciones();                                              // 3
    leerParametrosEdificio();                                     // 4
    const std::vector<int>& cabPlantas = indice_.deTipo("FLOOR"); // 5
    plantas.resize(cabPlantas.size());
    for (std::size_t p = 0; p < cabPlantas.size(); ++p) {
        int cab = cabPlantas[p];
        leerPlanta(static_cast<int>(p), indice_.cabeceras()[cab].nombre);
        int fin = indice_.siguiente(cab, {"FLOOR"});
        for (int c : indice_.hijos(cab, fin, "SPACE")) {
            int ie = indiceEspacio(indice_.cabeceras()[c].nombre);
            // A repeated SPACE name refers to its first object; the later ones are not built.
            if (ie < 0 || espacios[ie].planta >= 0) continue;
            construirEspacio(ie, static_cast<int>(p), c);
        }
    }
    construirCondiciones(); // 6
    registrarExcitacion();  // 7
    crearZonas(modo);       // 8
    leerModoParticiones();  // 9
    // The zonal Domain and the inlet/outlet records of the spaces are inert in this engine (the
    // zonal air model is never enabled), so they are not built.
}

void Edificio::completarParticionesYPuentes() {
    DetectorParticiones(*this).ejecutar(); // 10
    PuentesTermicos(*this).ejecutar();     // 11
}

void Edificio::contarObjetos() {
    numVentanas = indice_.cuenta("WINDOW");
    numMurosExteriores = indice_.cuenta("EXTERIOR-WALL");
    numCubiertas = indice_.cuenta("ROOF");
    numMurosInteriores = indice_.cuenta("INTERIOR-WALL");
    numMurosEnterrados = indice_.cuenta("UNDERGROUND-WALL");
    numSuperficiesVirtuales = indice_.cuenta("VIRTUAL-SURFACE");
    std::size_t total = static_cast<std::size_t>(numVentanas + numMurosExteriores + numCubiertas +
                                                 numMurosInteriores + numMurosEnterrados);
    elementos.reserve(total);
    registros_.reserve(total);
    superficies.reserve(total);
    nombresElementos.reserve(total);
    ventanas.reserve(static_cast<std::size_t>(numVentanas));
    superficiesExteriores.reserve(
        static_cast<std::size_t>(numVentanas + numMurosExteriores + numCubiertas));
}

void Edificio::registrarNombres() {
    const auto& cab = indice_.cabeceras();
    for (int c : indice_.deTipo("SPACE")) {
        Espacio e;
        e.nombre = cab[c].nombre;
        espacioPorNombre_.emplace(e.nombre, static_cast<int>(espacios.size()));
        espacios.push_back(std::move(e));
    }
    for (int c : indice_.deTipo("SPACE-CONDITIONS")) nombresCondiciones.push_back(cab[c].nombre);
    nombresCondiciones.push_back(kCondicionesPorDefecto);
    for (int c : indice_.deTipo("SYSTEM-CONDITIONS")) nombresSistemas.push_back(cab[c].nombre);
    nombresSistemas.push_back(kSistemaPorDefecto);
}

// User functions: the CALCULATE text with its auxiliary placeholders X<k> (k above the number
// of variables) replaced by the FUNCTION's key of that name, between parentheses. The sweep over
// k = n+1 .. 99 is repeated until nothing changes (at most 100 times) so that placeholders
// inside inserted texts resolve too.
void Edificio::leerFunciones() {
    std::vector<FuncionUsuario> funciones;
    for (int c : indice_.deTipo("FUNCTION")) {
        const std::string& nombreBdl = indice_.cabeceras()[c].nombre;
        const VistaObjeto v(*bdl_, "FUNCTION", nombreBdl);
        FuncionUsuario f;
        f.nombre = sinComillas(nombreBdl);
        std::vector<std::string> variables;
        if (v->dameListaCadenas("VARIABLE", variables) > 0)
            for (const std::string& s : variables) f.variables.push_back(sinComillas(s));
        std::string calculo;
        if (v->dameCadena("CALCULATE", calculo) >= 0) f.expresion = sinComillas(calculo);
        int primera = static_cast<int>(f.variables.size()) + 1;
        for (int barrido = 0; barrido < 100; ++barrido) {
            bool cambio = false;
            for (int k = primera; k <= 99; ++k) {
                std::string marca = "X" + std::to_string(k);
                std::size_t p = f.expresion.find(marca);
                if (p == std::string::npos) continue;
                std::string valor;
                if (v->dameCadena(marca, valor) < 0) continue; // no text for it: left as is
                std::string sustituto = "(" + sinComillas(valor) + ")";
                const std::string crece = "Error en la funci\xF3n " + f.nombre +
                                          ": la expresi\xF3n crece sin l\xEDmite al sustituir " +
                                          marca;
                // A text that contains its own placeholder would be replaced forever.
                comprobar(sustituto.find(marca) == std::string::npos, crece);
                std::string nueva;
                std::size_t desde = 0;
                while (p != std::string::npos) {
                    nueva.append(f.expresion, desde, p - desde);
                    nueva += sustituto;
                    desde = p + marca.size();
                    comprobar(nueva.size() <= kLongitudMaximaFuncion, crece);
                    p = f.expresion.find(marca, desde);
                }
                nueva.append(f.expresion, desde, std::string::npos);
                comprobar(nueva.size() <= kLongitudMaximaFuncion, crece);
                f.expresion = std::move(nueva);
                cambio = true;
            }
            if (!cambio) break;
        }
        funciones.push_back(std::move(f));
    }
    gGlobal2->definirFunciones(std::move(funciones));
}

void Edificio::leerParametrosEdificio() {
    const std::vector<int>& cab = indice_.deTipo("BUILD-PARAMETERS");
    Global2& g = *gGlobal2;
    g.higrometriaHR = g.higrometriaG = g.higrometriaN = g.claseHigrometria = kNoDado;
    g.origenHigrometria = "defecto";
    if (cab.empty()) {
        g.claseHigrometria = 5.0f;
        return;
    }
    const VistaObjeto v(*bdl_, "BUILD-PARAMETERS", indice_.cabeceras()[cab.front()].nombre);
    if (v->dameCadena("TYPE-BUILD", tipoEdificio) < 0) tipoEdificio = "Unifamiliar";
    azimut = leerReal(*v, "AZIMUTH", kNoDado);
    xRef = leerReal(*v, "X-REF", kNoDado);
    yRef = leerReal(*v, "Y-REF", kNoDado);
    dAislamientoPerimetral = leerReal(*v, "D-AISLAMIENTO-PERIMETRAL", 0.0f);
    rAislamientoPerimetral = leerReal(*v, "RA-AISLAMIENTO-PERIMETRAL", 0.0f);

    const std::string error = "Error en definici\xF3n de higrometr\xED"
                              "a del edificio.";
    float valor = 0.0f, n = 0.0f;
    if (v->dameReal("HIGROMETRIA-HR", valor) >= 0) {
        comprobar(valor > 0.0f, error);
        if (valor < 1.0f) valor *= 100.0f;
        g.higrometriaHR = valor;
        g.origenHigrometria = "humedad";
    } else if (v->dameReal("HIGROMETRIA-G", valor) >= 0) {
        comprobar(v->dameReal("HIGROMETRIA-n", n) >= 0, error);
        comprobar(valor > 0.0f, error);
        comprobar(n > 0.0f, error);
        g.higrometriaG = valor;
        g.higrometriaN = n;
        g.origenHigrometria = "produccion";
    } else if (v->dameReal("CLASE-HIGROMETRIA", valor) >= 0) {
        comprobar(valor == 3.0f || valor == 4.0f || valor == 5.0f, error);
        g.claseHigrometria = valor;
        g.origenHigrometria = "clase";
    } else {
        g.claseHigrometria = 5.0f;
    }
}

std::vector<std::pair<float, float>> Edificio::leerPoligono(const std::string& nombre) const {
    const VistaObjeto v(*bdl_, "POLYGON", nombre);
    std::vector<std::pair<float, float>> vertices;
    int n = v->numeroVertices();
    if (n > 0) v->dameVertices(vertices, n);
    vertices.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return vertices;
}

void Edificio::leerPlanta(int indicePlanta, const std::string& nombre) {
    Planta& p = plantas[indicePlanta];
    p.nombre = nombre;
    const VistaObjeto v(*bdl_, "FLOOR", nombre);
    p.alturaEspacio = leerReal(*v, "SPACE-HEIGHT", 0.0f);
    p.azimut = leerReal(*v, "AZIMUTH ", kNoDado);
    p.x = leerReal(*v, "X ", kNoDado);
    p.y = leerReal(*v, "Y ", kNoDado);
    p.z = leerReal(*v, "Z ", 0.0f);
    if (v->dameCadena("POLYGON", p.poligono) < 0) p.poligono.clear();
    p.multiplicador = leerReal(*v, "MULTIPLIER ", 1.0f);
    p.vertices = leerPoligono(p.poligono);
    TransformacionPlanta tPlanta = TransformacionPlanta::simple(p.azimut, p.x, p.y);
    TransformacionPlanta tEdificio = TransformacionPlanta::simple(azimut, xRef, yRef);
    p.verticesColocados.clear();
    for (const auto& vx : p.vertices)
        p.verticesColocados.push_back(
            tEdificio.aplicar(tPlanta.aplicar(Point3(vx.first, vx.second, 0.0f))));
}

// --- spaces ---

void Edificio::construirEspacio(int ie, int indicePlanta, int cabecera) {
    Espacio& e = espacios[ie];
    const Planta& pl = plantas[indicePlanta];
    e.planta = indicePlanta;
    e.nombrePlanta = pl.nombre;
    const VistaObjeto v(*bdl_, "SPACE", e.nombre);
    if (leerMultiplicador(*v, pl, e)) return; // a multiplied copy is not built
    const float h = leerAlturaEspacio(*v, pl, e);
    colocarEspacio(*v, pl, e);
    medirEspacio(*v, h, e);
    construirElementosDe(ie, cabecera);
}

// The space's polygon in building coordinates: placed by its own AZIMUTH, X and Y, or from a
// vertex of the storey polygon (LOCATION FLOOR-SPACE or FLOOR-V<n>) and then as the storey is;
// then as the building is.
void Edificio::colocarEspacio(const LeerBDL& v, const Planta& pl, Espacio& e) {
    if (v.dameCadena("POLYGON =", e.poligono) < 0) e.poligono.clear();
    float az = leerReal(v, "AZIMUTH ", kNoDado);
    float x = leerReal(v, " X ", kNoDado);
    float y = leerReal(v, " Y ", kNoDado);
    e.zEspacio = leerReal(v, " Z ", 0.0f);
    std::string ubicacion;
    if (v.dameCadena("LOCATION", ubicacion) < 0) ubicacion = "none";
    const int referencia = verticeDeReferencia(ubicacion, pl);

    {
        const VistaObjeto vp(*bdl_, "POLYGON", e.poligono);
        comprobar(vp->buscar("V1", 0) > 0 && vp->buscar("V2", 0) > 0,
                  "Poligono mal definido: " + e.poligono);
    }
    e.vertices = leerPoligono(e.poligono);
    e.zBase = pl.z + e.zEspacio;

    if (referencia > 0) {
        const int nPlanta = static_cast<int>(pl.vertices.size());
        PuntoPlano o1 = plano(pl.vertices[referencia - 1]);
        PuntoPlano d1 = plano(pl.vertices[referencia % nPlanta]);
        e.cadena.anadir(
            TransformacionPlanta(o1, d1, PuntoPlano{0.0f, 0.0f}, PuntoPlano{1.0f, 0.0f}, az, x, y));
        e.cadena.anadir(TransformacionPlanta::simple(pl.azimut, pl.x, pl.y));
    } else {
        e.cadena.anadir(TransformacionPlanta::simple(az, x, y));
    }
    e.cadena.anadir(TransformacionPlanta::simple(azimut, xRef, yRef));

    e.verticesColocados.clear();
    for (const auto& vx : e.vertices)
        e.verticesColocados.push_back(e.cadena.aplicar(Point3(vx.first, vx.second, e.zBase)));
}

// The space's elements: its children up to the next SPACE, exterior walls first, then roofs,
// interior walls and underground walls.
void Edificio::construirElementosDe(int ie, int cabecera) {
    int fin = indice_.siguiente(cabecera, {"SPACE"});
    std::vector<int> hijos[4];
    std::size_t total = indice_.hijos(cabecera, fin, "WINDOW").size();
    for (int codigo = 0; codigo < 4; ++codigo) {
        hijos[codigo] = indice_.hijos(cabecera, fin, kTiposElemento[codigo]);
        total += hijos[codigo].size();
    }
    espacios[ie].elementos.reserve(total);
    for (int codigo : {kExteriorWall, kRoof, kInteriorWall, kUndergroundWall})
        for (int c : hijos[codigo]) construirElemento(ie, codigo, c);
}

// --- elements ---

// An element's keys as its object gives them (an absent value as its default, with whether it
// was given), then its placement as the construction steps work it out.
struct Edificio::ElementoLeido {
    std::string nombre;
    float zPropio, altura, tilt, anchura, az, x, y;
    bool hayZ, hayAltura, hayTilt, hayAnchura, hayAzimut, hayX, hayY;
    std::string ubicacion, poligono, junto;
    bool hayUbicacion, hayPoligono;

    float zBase = 0.0f;       // storey Z + space Z + its own Z
    int iJunto = -1;          // the space it is next to
    int suelo = 0;            // 1 for a floor of its space
    float inclinacion = 0.0f; // radians
    float azimut = 0.0f;      // degrees, in the space's frame
};

// The element laid out in its space's frame: its nodes and the plane its windows lie in.
struct Edificio::Trazado {
    std::vector<Point3> nodos;
    ColocacionElemento plano;
};

void Edificio::construirElemento(int ie, int codigo, int cabecera) {
    const std::string nombre = indice_.cabeceras()[cabecera].nombre;
    const VistaObjeto v(*bdl_, kTiposElemento[codigo], nombre);
    Espacio& esp = espacios[ie];
    ElementoLeido d = leerElemento(*v, nombre, esp);

    // 1-4: base z, geometric definition, own polygon, free placement defaults.
    d.zBase = plantas[esp.planta].z + esp.zEspacio + (d.hayZ ? d.zPropio : 0.0f);
    comprobar(d.hayAnchura || d.hayUbicacion || d.hayPoligono,
              "El elemento " + nombre + " no est\xE1 bien definido geom\xE9tricamente");
    std::vector<std::pair<float, float>> verticesPropios;
    if (d.hayPoligono) verticesPropios = leerPoligono(d.poligono);
    if (!d.hayUbicacion) {
        d.hayX = d.hayY = d.hayZ = d.hayAzimut = true; // absent values count as 0
    }

    // 5-7: the space-polygon edge the element starts from, roofs and floors, the geometry in
    // the space's frame.
    const Arista arista = aristaDeArranque(esp, d.ubicacion);
    d.iJunto = indiceEspacio(d.junto);
    situarHorizontal(ie, codigo, d);
    Trazado t = trazar(esp, arista, verticesPropios, d);

    // 8: into building coordinates; a floor given as BOTTOM is taken in reverse order so that
    // its normal points down.
    for (Point3& p : t.nodos) p = esp.cadena.aplicar(p);
    if (d.ubicacion == "BOTTOM") std::reverse(t.nodos.begin(), t.nodos.end());
    std::unique_ptr<PoliArea> poli = PoliArea::desdeNodos(t.nodos);

    // 9-12: windows, the net area and the element's record; the windows know their element.
    const std::size_t primeraVentana = elementos.size();
    const float areaNeta = construirVentanasDe(ie, codigo, cabecera, d, t.plano, *poli);
    registrarElemento(ie, codigo, d, areaNeta, std::move(poli));
    for (std::size_t k = primeraVentana; k + 1 < elementos.size(); ++k)
        elementos[k]->soporte = elementos.back().get();
}

// The edge from vertex k of the space polygon to the next: k from LOCATION SPACE-V<k>, else 1.
Edificio::Arista Edificio::aristaDeArranque(const Espacio& esp, const std::string& ubicacion) {
    int k = 1;
    if (!ubicacion.empty() && ubicacion[0] == 'S')
        k = numeroVertice(ubicacion.size() > 7 ? ubicacion.substr(7, 2) : "");
    int nEsp = static_cast<int>(esp.vertices.size());
    comprobar(k >= 1 && k <= nEsp, "Poligono mal definido: " + esp.poligono);
    return Arista{plano(esp.vertices[k - 1]), plano(esp.vertices[k % nEsp])};
}

Edificio::ElementoLeido Edificio::leerElemento(const LeerBDL& v, const std::string& nombre,
                                               const Espacio& esp) {
    ElementoLeido d;
    d.nombre = nombre;
    d.zPropio = leerReal(v, "Z ", 0.0f, &d.hayZ);
    d.altura = leerReal(v, "HEIGHT ", esp.alturaGeometrica, &d.hayAltura);
    d.tilt = leerReal(v, "TILT ", 90.0f, &d.hayTilt);
    d.anchura = leerReal(v, "WIDTH ", 0.0f, &d.hayAnchura);
    d.az = leerReal(v, "AZIMUTH ", 0.0f, &d.hayAzimut);
    d.x = leerReal(v, "X ", 0.0f, &d.hayX);
    d.y = leerReal(v, "Y ", 0.0f, &d.hayY);
    d.hayUbicacion = v.dameCadena("LOCATION", d.ubicacion) >= 0;
    if (!d.hayUbicacion) d.ubicacion = "none";
    d.hayPoligono = v.dameCadena("POLYGON =", d.poligono) >= 0;
    if (v.dameCadena("NEXT-TO", d.junto) < 0) d.junto = esp.nombre;
    return d;
}

// Roofs and floors. A tilt near 0 (or LOCATION TOP) makes the element its space's roof, and a
// floor of the space it is next to when it is an interior wall; a tilt near 180 (or LOCATION
// BOTTOM, or a level element at Z 0) makes it a floor of its space. An element near 180 at a
// positive Z is turned over. Either needs the space it is next to. Then the tilt in radians.
void Edificio::situarHorizontal(int ie, int codigo, ElementoLeido& d) {
    Espacio& esp = espacios[ie];
    const std::string sinZona =
        "El cerramiento " + d.nombre + " est\xE1 mal definido. No se encuentra la zona " + d.junto;
    if (d.tilt > 150.0f && d.tilt < 210.0f && d.hayZ && d.zPropio > 0.0f) d.tilt = 0.0f;
    if (d.ubicacion == "TOP" || d.tilt < 60.0f || d.tilt > 300.0f) {
        if (!d.hayTilt) d.tilt = 0.0f;
        comprobar(d.iJunto >= 0, sinZona);
        esp.techo = d.nombre;
        if (codigo == kInteriorWall) espacios[d.iJunto].suelos.push_back(d.nombre);
    } else if (d.ubicacion == "BOTTOM" || (d.tilt > 150.0f && d.tilt < 210.0f) ||
               (d.hayZ && d.zPropio == 0.0f && d.tilt == 0.0f)) {
        if (!d.hayTilt) d.tilt = 180.0f;
        comprobar(d.iJunto >= 0, sinZona);
        esp.suelos.push_back(d.nombre);
        d.suelo = 1;
    }
    d.inclinacion = d.tilt * kGradosARadianes;
}

// The element's nodes and window plane in the space's frame, by the way it is given: its own
// polygon, the whole space polygon (LOCATION TOP or BOTTOM), or a rectangle along an edge or
// free.
Edificio::Trazado Edificio::trazar(const Espacio& esp, const Arista& arista,
                                   const std::vector<std::pair<float, float>>& verticesPropios,
                                   ElementoLeido& d) {
    const float cosT = static_cast<float>(std::cos(static_cast<double>(d.inclinacion)));
    const float senT = static_cast<float>(std::sin(static_cast<double>(d.inclinacion)));
    d.azimut = d.az;
    if (d.hayPoligono) return trazarPoligonoPropio(arista, verticesPropios, cosT, senT, d);
    if (d.ubicacion == "TOP" || d.ubicacion == "BOTTOM") return trazarSobreEspacio(esp, arista, d);
    return trazarRectangulo(arista, cosT, senT, d);
}

// An element given by its own polygon, laid from the start edge (or its own AZIMUTH, X and Y);
// its width and height are those of the polygon's extent.
Edificio::Trazado
Edificio::trazarPoligonoPropio(const Arista& arista,
                               const std::vector<std::pair<float, float>>& verticesPropios,
                               float cosT, float senT, ElementoLeido& d) {
    const PuntoPlano &vk = arista.inicio, &vSig = arista.fin;
    Trazado r;
    TransformacionPlanta t(vk, vSig, PuntoPlano{0.0f, 0.0f}, PuntoPlano{1.0f, 0.0f},
                           d.hayAzimut ? d.az + 180.0f : kNoDado, d.hayX ? d.x : kNoDado,
                           d.hayY ? d.y : kNoDado);
    r.plano = ColocacionElemento::enPoligono(t, d.zBase, cosT, senT);
    if (!d.hayAzimut) d.azimut = ColocacionElemento::azimutDeArista(vSig.x - vk.x, vSig.y - vk.y);
    float u0 = verticesPropios.empty() ? 0.0f : verticesPropios[0].first;
    float v0 = verticesPropios.empty() ? 0.0f : verticesPropios[0].second;
    // A floor given by its own polygon (LOCATION BOTTOM) is drawn in plan over the space, as
    // the space polygon is in the BOTTOM mode: laid out with the tilt's horizontal share
    // (-1 at 180) it would fall outside the space, mirrored, and after the reversal of a
    // BOTTOM polygon it would face up.
    const ColocacionElemento planoNodos =
        d.ubicacion == "BOTTOM" ? ColocacionElemento::enPoligono(t, d.zBase, -cosT, senT) : r.plano;
    float uMin = 0, uMax = 0, vMin = 0, vMax = 0;
    for (const auto& p : verticesPropios) {
        float u = p.first - u0, w = p.second - v0;
        uMin = std::min(uMin, u), uMax = std::max(uMax, u);
        vMin = std::min(vMin, w), vMax = std::max(vMax, w);
        r.nodos.push_back(planoNodos.punto(u, w));
    }
    d.anchura = uMax - uMin;
    d.altura = vMax - vMin;
    return r;
}

// A roof (LOCATION TOP, at the top of the element) or floor (BOTTOM) over the whole space
// polygon.
Edificio::Trazado Edificio::trazarSobreEspacio(const Espacio& esp, const Arista& arista,
                                               ElementoLeido& d) {
    const PuntoPlano &vk = arista.inicio, &vSig = arista.fin;
    Trazado r;
    bool techo = d.ubicacion == "TOP";
    float z = techo ? d.zBase + d.altura : d.zBase;
    for (const auto& p : esp.vertices) r.nodos.push_back(Point3(p.first, p.second, z));
    // Windows of a horizontal element lie in its plane, measured from the polygon's V1
    // along its first edge.
    float dx = vSig.x - vk.x, dy = vSig.y - vk.y;
    float l = std::sqrt(dx * dx + dy * dy);
    if (l < 1e-10f) l = 1.0f;
    r.plano = ColocacionElemento::recta(Point3(vk.x, vk.y, z), dx / l, dy / l, techo ? 1.0f : -1.0f,
                                        0.0f);
    if (!d.hayAzimut) d.azimut = 0.0f;
    return r;
}

// A WIDTH by HEIGHT rectangle up the tilt: along the start edge (LOCATION other than TOP and
// BOTTOM; the edge's direction and length unless AZIMUTH and WIDTH are given, X and Y moving
// its start) or free (no LOCATION: from X, Y and AZIMUTH).
Edificio::Trazado Edificio::trazarRectangulo(const Arista& arista, float cosT, float senT,
                                             ElementoLeido& d) {
    const PuntoPlano &vk = arista.inicio, &vSig = arista.fin;
    Trazado r;
    Point3 inicio(d.x, d.y, d.zBase);
    if (d.hayUbicacion) {
        float dx = vSig.x - vk.x, dy = vSig.y - vk.y;
        inicio = Point3(vk.x, vk.y, d.zBase);
        if (!d.hayAzimut) d.azimut = ColocacionElemento::azimutDeArista(dx, dy);
        if (!d.hayAnchura) d.anchura = std::sqrt(dx * dx + dy * dy);
        if (d.hayX) inicio.x = d.x;
        if (d.hayY) inicio.y = d.y;
    }
    float ex, ey;
    ColocacionElemento::direccionDeAzimut(d.azimut, ex, ey);
    r.plano = ColocacionElemento::recta(inicio, ex, ey, cosT, senT);
    r.nodos = {r.plano.punto(0.0f, 0.0f), r.plano.punto(d.anchura, 0.0f),
               r.plano.punto(d.anchura, d.altura), r.plano.punto(0.0f, d.altura)};
    return r;
}

// The windows of an exterior wall, roof or interior wall (its WINDOW children), and the
// element's net area: windows larger than their element each give up an equal share of the
// excess, and the element keeps no area.
float Edificio::construirVentanasDe(int ie, int codigo, int cabecera, const ElementoLeido& d,
                                    const ColocacionElemento& plano, const PoliArea& poli) {
    std::vector<Elemento*> ventanasMuro;
    double areaVentanas = 0.0;
    if (codigo == kExteriorWall || codigo == kRoof || codigo == kInteriorWall) {
        int fin = indice_.siguiente(cabecera, kFinVentanas);
        for (int c : indice_.hijos(cabecera, fin, "WINDOW"))
            areaVentanas += construirVentana(ie, c, plano, d.inclinacion,
                                             d.azimut + espacios[ie].cadena.giroGrados(), d.zBase,
                                             ventanasMuro);
    }
    float areaNeta = static_cast<float>(poli.area() - areaVentanas);
    if (areaNeta < 0.0f && !ventanasMuro.empty()) {
        avisarVentanasReducidas(*bdl_, indice_.cabeceras()[cabecera], poli.area(), areaVentanas,
                                ventanasMuro.size());
        repartirExceso(areaNeta, ventanasMuro);
        areaNeta = 0.0f;
    }
    return areaNeta;
}

// The element's record (an underground wall or a one-dimensional wall), its sides and its
// place in the building's lists.
void Edificio::registrarElemento(int ie, int codigo, const ElementoLeido& d, float areaNeta,
                                 std::unique_ptr<PoliArea> poli) {
    Espacio& esp = espacios[ie];
    int numero = static_cast<int>(superficies.size());
    std::vector<int> lados;
    if (codigo == kInteriorWall || codigo == kCoolPanel) {
        comprobar(d.iJunto >= 0,
                  d.nombre + ": Cerramiento interior mal definido. No se encuentra el espacio " +
                      d.junto);
        lados = {-d.iJunto - 1, -ie - 1};
    } else {
        lados = {numero, -ie - 1};
    }
    std::vector<float> areas = {areaNeta, static_cast<float>(poli->perimetroCerrado())};
    std::unique_ptr<Elemento> el;
    if (codigo == kUndergroundWall)
        el = std::make_unique<Underground>(d.nombre, 2, areas, lados, d.suelo, esp.alturaGeometrica,
                                           plantas[esp.planta].z);
    else
        el = std::make_unique<Muro1D>(d.nombre, 2, areas, lados, d.suelo);
    el->codigo = codigo;
    el->espacio = ie;
    el->inclinacion = d.inclinacion;
    // The record keeps the compass direction in building coordinates: the azimuth in the space's
    // frame plus the turn of the placement chain.
    el->azimut = d.azimut + esp.cadena.giroGrados();
    el->altura = d.altura;
    el->anchura = d.anchura;
    el->zBase = d.zBase;
    el->suelo = d.suelo;
    el->junto = d.junto;
    el->tercero = 0;
    el->poligono = std::move(poli);

    superficies.push_back(el->poligono.get());
    if (codigo == kExteriorWall || codigo == kRoof || codigo == kTrombeWall)
        superficiesExteriores.push_back(el->poligono.get());
    esp.elementos.push_back(el.get());
    nombresElementos.push_back(codigo == kUndergroundWall ? std::string() : d.nombre);
    registros_.push_back(el.get());
    elementos.push_back(std::move(el));
}

// One WINDOW of an element: its rectangle in the element's plane from X, Y (the lower corner,
// along the base and up the slope), WIDTH and HEIGHT; recorded at once. Returns its area.
float Edificio::construirVentana(int ie, int cabecera, const ColocacionElemento& plano,
                                 float inclinacion, float azimutMuro, float zBase,
                                 std::vector<Elemento*>& ventanasMuro) {
    const std::string nombre = indice_.cabeceras()[cabecera].nombre;
    const VistaObjeto v(*bdl_, "WINDOW", nombre);
    Espacio& esp = espacios[ie];
    float x = leerReal(*v, "X", 0.0f);
    float y = leerReal(*v, "Y ", 0.0f);
    bool hayAltura, hayAnchura;
    float alto = leerReal(*v, " HEIGHT ", 0.0f, &hayAltura);
    float ancho = leerReal(*v, " WIDTH ", 0.0f, &hayAnchura);
    comprobar(hayAnchura, "Ventana mal definida falta WIDTH");
    comprobar(hayAltura, "Ventana mal definida falta HEIGHT");

    std::vector<Point3> nodos = {plano.punto(x, y), plano.punto(x + ancho, y),
                                 plano.punto(x + ancho, y + alto), plano.punto(x, y + alto)};
    for (Point3& p : nodos) p = esp.cadena.aplicar(p);
    std::unique_ptr<PoliArea> poli = PoliArea::desdeNodos(nodos);
    float area = static_cast<float>(poli->area());

    int numero = static_cast<int>(superficies.size());
    std::vector<float> areas = {area, static_cast<float>(poli->perimetroCerrado())};
    std::vector<int> lados = {numero, -ie - 1};
    auto w = std::make_unique<Ventana>(nombre, 2, areas, lados, 0, 0.0f);
    w->codigo = kWindow;
    w->espacio = ie;
    w->inclinacion = inclinacion;
    w->azimut = azimutMuro;
    w->altura = alto;
    w->anchura = ancho;
    w->zBase = zBase + static_cast<float>(std::sin(static_cast<double>(inclinacion))) * y;
    w->tercero = 0;
    w->poligono = std::move(poli);

    superficies.push_back(w->poligono.get());
    superficiesExteriores.push_back(w->poligono.get());
    ventanas.push_back(numero);
    nombresElementos.push_back(nombre);
    registros_.push_back(w.get());
    ventanasMuro.push_back(w.get());
    elementos.push_back(std::move(w));
    return area;
}

void Edificio::construirCondiciones() {
    for (std::size_t i = 0; i + 1 < nombresCondiciones.size(); ++i) {
        const VistaObjeto v(*bdl_, "SPACE-CONDITIONS", nombresCondiciones[i]);
        condiciones.push_back(
            std::make_unique<CondicionesOperacionales>(*v, nombresCondiciones[i]));
    }
    condiciones.push_back(std::make_unique<CondicionesOperacionales>());
    for (std::size_t i = 0; i + 1 < nombresSistemas.size(); ++i) {
        const VistaObjeto v(*bdl_, "SYSTEM-CONDITIONS", nombresSistemas[i]);
        sistemas.push_back(std::make_unique<CondicionesSistemas>(*v, nombresSistemas[i]));
    }
    sistemas.push_back(std::make_unique<CondicionesSistemas>());
}

void Edificio::registrarExcitacion() {
    if (!gExcitacion) return;
    // The window element numbers are given in creation order, which is ascending.
    gExcitacion->registrar(superficiesExteriores, superficies, ventanas, std::vector<int>());
}

void Edificio::crearZonas(const std::string& modo) {
    std::unordered_map<std::string, int> condicionPorNombre, sistemaPorNombre;
    for (std::size_t i = 0; i < nombresCondiciones.size(); ++i)
        condicionPorNombre.emplace(nombresCondiciones[i], static_cast<int>(i));
    for (std::size_t i = 0; i < nombresSistemas.size(); ++i)
        sistemaPorNombre.emplace(nombresSistemas[i], static_cast<int>(i));
    // The default entries have no object of their own: a space names them as a word or, like
    // every other entry, between double quotes.
    condicionPorNombre.emplace("\"" + nombresCondiciones.back() + "\"",
                               static_cast<int>(nombresCondiciones.size()) - 1);
    sistemaPorNombre.emplace("\"" + nombresSistemas.back() + "\"",
                             static_cast<int>(nombresSistemas.size()) - 1);

    for (std::size_t i = 0; i < espacios.size(); ++i) {
        Espacio& e = espacios[i];
        if (e.multiplicado) continue;
        const VistaObjeto v(*bdl_, "SPACE", e.nombre);
        if (v->dameEntero("PILLARS-NUMBER", e.pilares) < 0)
            e.pilares =
                gDefectos ? gDefectos->exigir(gDefectos->pilaresPorZona, "PILARES-POR-ZONA") : 0;
        std::string nombre;
        if (v->dameCadena("SPACE-CONDITIONS", nombre) < 0) nombre = "FALLO";
        auto c = condicionPorNombre.find(nombre);
        comprobar(c != condicionPorNombre.end(),
                  "No se encuentra SPACE-CONDITIONS en zona: " + e.nombre);
        if (v->dameCadena("SYSTEM-CONDITIONS", nombre) < 0) nombre = "FALLO";
        auto s = sistemaPorNombre.find(nombre);
        comprobar(s != sistemaPorNombre.end(),
                  "No se encuentra SYSTEM-CONDITIONS en zona: " + e.nombre);
        if (gExcitacion) gExcitacion->calcularVisionCielo(modo);
        e.zona = std::make_unique<Zona>(-1 - static_cast<int>(i), e.nombre, e.techo, e.suelos,
                                        condiciones[c->second].get(), sistemas[s->second].get(),
                                        e.pilares, e.altura);
    }
}

void Edificio::leerModoParticiones() {
    const std::string clave = "INTERNAL-PARTITIONS = ";
    int pos = bdl_->buscar(clave, 0);
    if (pos <= 0) {
        if (gDefectos) {
            particionesSobrescribir = gDefectos->particionesSobrescribir;
            particionesAnadir = gDefectos->particionesAnadir;
            particionesDirecto = gDefectos->particionesDirecto;
        }
        return;
    }
    // The word that follows the key.
    const char* t = bdl_->texto();
    int n = bdl_->longitud();
    int i = pos + static_cast<int>(clave.size());
    while (i < n && (t[i] == ' ' || t[i] == '\n' || t[i] == '\r' || t[i] == '\t')) ++i;
    int j = i;
    while (j < n && t[j] != ' ' && t[j] != '\n' && t[j] != '\r' && t[j] != '\t' && t[j] != '\0')
        ++j;
    std::string valor = sinComillas(std::string(t + i, t + j));
    particionesSobrescribir = false;
    particionesAnadir = false;
    particionesDirecto = true;
    if (valor == "DEFAULT-OVERWRITTEN") {
        particionesSobrescribir = true;
        particionesDirecto = false;
    } else if (valor == "DEFAULT-ADDED") {
        particionesAnadir = true;
        particionesDirecto = false;
    }
}
