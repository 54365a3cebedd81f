#include "building/Edificio.h"

#include <cmath>
#include <gtest/gtest.h>
#include <muParser.h>

#include "base/ErrorFatal.h"
#include "base/Valores.h"
#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/Zona.h"
#include "comun/Entorno.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// Constructions, glazing and conditions every test building refers to.
const std::string kComun = "\"RESIDENCIAL\" = SPACE-CONDITIONS TEMPERATURE = 20 ..\n"
                           "\"MURO\" = CONSTRUCTION TYPE = U-VALUE U-VALUE = 0.5 ..\n"
                           "\"DOBLE\" = GLASS-TYPE TYPE = SHADING-COEFFICIENT SHADING-COEF = 0.8 "
                           "GLASS-CONDUCTANCE = 3.0 ..\n";

// One storey: a 10 x 8 polygon at Z 0, SPACE-HEIGHT 3; the spaces use the 5 x 4 "P-SALA".
const std::string kPlanta =
    "\"PB\" = FLOOR Z = 0 POLYGON = \"P-PB\" SPACE-HEIGHT = 3 ..\n"
    "\"P-PB\" = POLYGON V1 = ( 0, 0 ) V2 = ( 10, 0 ) V3 = ( 10, 8 ) V4 = ( 0, 8 ) ..\n"
    "\"P-SALA\" = POLYGON V1 = ( 0, 0 ) V2 = ( 5, 0 ) V3 = ( 5, 4 ) V4 = ( 0, 4 ) ..\n";

std::string espacio(const std::string& nombre, const std::string& claves = "") {
    return "\"" + nombre +
           "\" = SPACE POLYGON = \"P-SALA\" SPACE-CONDITIONS = \"RESIDENCIAL\" "
           "SYSTEM-CONDITIONS = \"NO-ACONDICIONADO-POR-DEFECTO\" " +
           claves + " ..\n";
}

std::string elemento(const std::string& nombre, const std::string& tipo,
                     const std::string& claves) {
    return "\"" + nombre + "\" = " + tipo + " CONSTRUCTION = \"MURO\" " + claves + " ..\n";
}

std::string ventana(const std::string& nombre, float x, float y, float ancho, float alto) {
    char buf[200];
    std::snprintf(
        buf, sizeof buf,
        "\"%s\" = WINDOW X = %g Y = %g WIDTH = %g HEIGHT = %g GLASS-TYPE = \"DOBLE\" ..\n",
        nombre.c_str(), x, y, ancho, alto);
    return buf;
}

// The model as placed, before the partitions are added to the records.
class SoloColocacion : public Edificio {
public:
    SoloColocacion() { construirModelo("DEMANDA"); }
};

// Publishes a run hub and a reader over the text, builds the model on demand and restores the
// globals afterwards.
class Entorno {
public:
    explicit Entorno(const std::string& texto)
        : bdl_(LeerBDL::desdeTexto("$ prueba\n" + texto + kComun)), bdlPrevio_(gLeerBDL) {
        gLeerBDL = bdl_.get();
        std::string defectos = std::string(ENVOLVENTE_FUENTES) + "/examples/lib/defectos.inp";
        if (existe(defectos)) hub_.ponerDefectos(std::make_unique<ValoresPorDefecto>(defectos));
    }
    ~Entorno() { gLeerBDL = bdlPrevio_; }
    Global2& global() { return hub_.global(); }
    std::unique_ptr<Edificio> construir() {
        return std::make_unique<Edificio>("INDIRECTO", "DEMANDA", "clima.txt");
    }
    std::unique_ptr<Edificio> colocar() { return std::make_unique<SoloColocacion>(); }

private:
    HubDePrueba hub_;
    std::unique_ptr<LeerBDL> bdl_;
    LeerBDL* bdlPrevio_;
};

// Builds the model from the text, expects the run to stop and returns the fatal message.
std::string mensajeFatal(const std::string& texto) {
    Entorno e(texto);
    return ::mensajeFatal([&] { e.construir(); });
}

void esperarPunto(const Space3& p, float x, float y, float z) {
    EXPECT_NEAR(p.x, x, 1e-4);
    EXPECT_NEAR(p.y, y, 1e-4);
    EXPECT_NEAR(p.z, z, 1e-4);
}

const Point3& nodo(const Elemento& e, int i) {
    return *e.poligono->contour(0)->nodo(i);
}

Elemento* buscar(Edificio& ed, const std::string& nombre) {
    for (auto& e : ed.elementos)
        if (e->nombre == nombre) return e.get();
    return nullptr;
}

// ------------------------------------------------------------------ building and spaces

TEST(EdificioTest, ParametrosDelEdificio) {
    {
        Entorno e(kPlanta + espacio("SALA", "HEIGHT = 2.5 MULTIPLIER = 2") +
                  espacio("ESTAR", "AREA = 25 VOLUME = 75 HEIGHT = 2.7") +
                  espacio("COPIA", "MULTIPLIED = 1 MULTIPLIER = 3") +
                  "\"OTRA\" = SPACE POLYGON = \"P-SALA\" SPACE-CONDITIONS = "
                  "\"SIN-FUENTES-INTERNAS-POR-DEFECTO\" "
                  "SYSTEM-CONDITIONS = \"NO-ACONDICIONADO-POR-DEFECTO\" ..\n");
        auto ed = e.construir();
        EXPECT_EQ(ed->tipoEdificio, "Unifamiliar");
        EXPECT_FLOAT_EQ(e.global().claseHigrometria, 5.0f);
        EXPECT_TRUE(esNoDado(e.global().higrometriaHR));
        const auto& es = ed->espacios;
        esperarPunto(es[0].verticesColocados[2], 5, 4, 0); // no rotation, no shift
        EXPECT_NEAR(es[0].area, 20.0f, 1e-4);
        EXPECT_FLOAT_EQ(es[0].altura, 2.5f);
        EXPECT_FLOAT_EQ(es[0].multiplicador, 2.0f);
        EXPECT_FLOAT_EQ(es[1].area, 25.0f);
        EXPECT_FLOAT_EQ(es[1].altura, 3.0f); // VOLUME / AREA, whatever HEIGHT says
        // The multiplied copy keeps its multiplier and nothing else.
        EXPECT_FLOAT_EQ(es[2].multiplicador, 3.0f);
        EXPECT_EQ(es[2].zona, nullptr);
        // The default conditions are found when named explicitly.
        EXPECT_EQ(es[3].zona->condiciones, ed->condiciones[1].get());
        EXPECT_EQ(es[3].zona->sistema, ed->sistemas[0].get());
    }
    {
        Entorno e(kPlanta + espacio("SALA") +
                  "\"B\" = BUILD-PARAMETERS TYPE-BUILD = Bloque HIGROMETRIA-HR = 0.55 "
                  "RA-AISLAMIENTO-PERIMETRAL = 1.5 AZIMUTH = 90 X-REF = 100 Y-REF = 50 "
                  "INTERNAL-PARTITIONS = DEFAULT-ADDED ..\n" +
                  elemento("SUR", "EXTERIOR-WALL", "LOCATION = SPACE-V1") +
                  ventana("V-1", 1, 1, 1, 1));
        auto ed = e.construir();
        EXPECT_EQ(ed->tipoEdificio, "Bloque");
        EXPECT_FLOAT_EQ(e.global().higrometriaHR, 55.0f);
        EXPECT_TRUE(esNoDado(e.global().claseHigrometria));
        EXPECT_FLOAT_EQ(ed->rAislamientoPerimetral, 1.5f);
        EXPECT_TRUE(ed->particionesAnadir && !ed->particionesSobrescribir &&
                    !ed->particionesDirecto);
        // (5, 0) turned clockwise a quarter: (0, -5); then moved by (100, 50).
        esperarPunto(ed->espacios[0].verticesColocados[1], 100, 45, 0);
        esperarPunto(ed->plantas[0].verticesColocados[2], 108, 40, 0); // (10, 8) -> (8, -10)
        // The south wall of the space (azimuth 180 in its frame) and its window face west.
        EXPECT_NEAR(buscar(*ed, "\"SUR\"")->azimut, 270.0f, 1e-3);
        esperarPunto(buscar(*ed, "\"SUR\"")->poligono->normal(), -1, 0, 0);
        EXPECT_NEAR(buscar(*ed, "\"V-1\"")->azimut, 270.0f, 1e-3);
    }
    {
        Entorno e(kPlanta + espacio("SALA") +
                  "\"B\" = BUILD-PARAMETERS HIGROMETRIA-G = 0.1 HIGROMETRIA-n = 0.5 ..\n");
        e.construir();
        EXPECT_FLOAT_EQ(e.global().higrometriaN, 0.5f);
    }
}

TEST(EdificioTest, EspacioColocadoDesdeUnVerticeDeLaPlanta) {
    std::string girada = kPlanta;
    girada.replace(girada.find("Z = 0"), 5, "AZIMUTH = 180 X = 20 Z = 2");
    struct Caso {
        bool girada;
        const char* claves;
        float x0, y0, x2, y2, z;
    } casos[] = {
        // FLOOR-V2: origin on (10, 0), x axis along V2 -> V3 (north).
        {false, "LOCATION = FLOOR-V2", 10, 0, 6, 5, 0},
        // FLOOR-V4 on a four-vertex storey: the edge runs from V4 (0, 8) back to V1 (south).
        {false, "LOCATION = FLOOR-V4", 0, 8, 4, 3, 0},
        // A given azimuth and X, Y replace the edge and the vertex.
        {false, "LOCATION = FLOOR-V3 AZIMUTH = 0 X = 1 Y = 2", 1, 2, 6, 6, 0},
        // A storey turned half round and moved 20 m east moves a space placed on it...
        {true, "LOCATION = FLOOR-SPACE", 20, 0, 15, -4, 2},
        // ...but not one without a storey reference (the storey Z still applies).
        {true, "Z = 0.5", 0, 0, 5, 4, 2.5f},
    };
    for (const Caso& c : casos) {
        Entorno e((c.girada ? girada : kPlanta) + espacio("SALA", c.claves));
        auto ed = e.construir();
        esperarPunto(ed->espacios[0].verticesColocados[0], c.x0, c.y0, c.z);
        esperarPunto(ed->espacios[0].verticesColocados[2], c.x2, c.y2, c.z);
        EXPECT_NEAR(ed->espacios[0].area, 20.0f, 1e-4);
    }
}

// ------------------------------------------------------------------ envelope elements

TEST(EdificioTest, MurosPorAristaYLibres) {
    Entorno e(kPlanta + espacio("SALA") + elemento("SUR", "EXTERIOR-WALL", "LOCATION = SPACE-V1") +
              elemento("ESTE", "EXTERIOR-WALL", "LOCATION = SPACE-V2") +
              elemento("NORTE", "EXTERIOR-WALL", "LOCATION = SPACE-V3") +
              elemento("OESTE", "EXTERIOR-WALL", "LOCATION = SPACE-V4") +
              elemento("LIBRE", "EXTERIOR-WALL", "X = 1 Y = 4 AZIMUTH = 0 WIDTH = 2 HEIGHT = 2.5") +
              elemento("CORTO", "EXTERIOR-WALL", "LOCATION = SPACE-V1 X = 1 WIDTH = 3 Z = 0.5") +
              // A gable drawn in its own plane (x along the base, y up): 4 m wide, 3 m to the
              // eaves, 4.5 m to the ridge.
              "\"P-HASTIAL\" = POLYGON V1 = ( 0, 0 ) V2 = ( 4, 0 ) V3 = ( 4, 3 ) "
              "V4 = ( 2, 4.5 ) V5 = ( 0, 3 ) ..\n" +
              elemento("HASTIAL", "EXTERIOR-WALL", "LOCATION = SPACE-V2 POLYGON = \"P-HASTIAL\"") +
              ventana("V-H", 1, 1, 1, 1));
    auto ed = e.construir();
    // The azimuth follows from the base edge, the space lying on its left.
    struct Caso {
        const char* nombre;
        float azimut, nx, ny;
    } casos[] = {{"\"SUR\"", 180, 0, -1},
                 {"\"ESTE\"", 90, 1, 0},
                 {"\"NORTE\"", 0, 0, 1},
                 {"\"OESTE\"", -90, -1, 0}};
    for (const Caso& c : casos) {
        Elemento* m = buscar(*ed, c.nombre);
        ASSERT_NE(m, nullptr) << c.nombre;
        EXPECT_NEAR(m->azimut, c.azimut, 1e-4) << c.nombre;
        esperarPunto(m->poligono->normal(), c.nx, c.ny, 0);
    }
    // The south wall: 5 m along the edge, the space height (3 m) high, standing on z 0.
    Elemento* sur = buscar(*ed, "\"SUR\"");
    esperarPunto(nodo(*sur, 2), 5, 0, 3);
    EXPECT_NEAR(sur->area(), 15.0f, 1e-4);
    // Free mode: azimuth 0 faces north, so the base runs west from (1, 4).
    Elemento* libre = buscar(*ed, "\"LIBRE\"");
    esperarPunto(nodo(*libre, 1), -1, 4, 0);
    esperarPunto(nodo(*libre, 2), -1, 4, 2.5f);
    // A given X moves the start of an edge wall; the width fixes its end; Z lifts it.
    Elemento* corto = buscar(*ed, "\"CORTO\"");
    esperarPunto(nodo(*corto, 0), 1, 0, 0.5f);
    esperarPunto(nodo(*corto, 1), 4, 0, 0.5f);
    // The gable on the east edge (running north): 4 x 3 + 4 x 1.5 / 2, less the 1 m2 window.
    Elemento* h = buscar(*ed, "\"HASTIAL\"");
    esperarPunto(nodo(*h, 3), 5, 2, 4.5f);
    EXPECT_NEAR(h->area(), 12.0f + 3.0f - 1.0f, 1e-4);
    esperarPunto(nodo(*buscar(*ed, "\"V-H\""), 2), 5, 2, 2);
}

TEST(EdificioTest, CubiertaTechoSueloYElementosGirados) {
    Entorno e(kPlanta + espacio("SALA") + elemento("CUBIERTA", "ROOF", "LOCATION = TOP") +
              elemento("SOLERA", "UNDERGROUND-WALL", "LOCATION = BOTTOM") +
              elemento("VOLADIZO", "EXTERIOR-WALL", "TILT = 180 WIDTH = 2 HEIGHT = 1") +
              elemento("ALERO", "EXTERIOR-WALL", "TILT = 180 Z = 2.5 WIDTH = 2 HEIGHT = 1") +
              elemento("FALDON", "ROOF", "LOCATION = SPACE-V1 TILT = 45"));
    auto ed = e.construir();
    const Espacio& sala = ed->espacios[0];
    // LOCATION TOP without TILT: tilt 0, the space polygon at base z + height, facing up.
    Elemento* cubierta = buscar(*ed, "\"CUBIERTA\"");
    esperarPunto(nodo(*cubierta, 2), 5, 4, 3);
    esperarPunto(cubierta->poligono->normal(), 0, 0, 1);
    // LOCATION BOTTOM: tilt 180, the polygon reversed at base z (facing down), a floor.
    Elemento* solera = buscar(*ed, "\"SOLERA\"");
    EXPECT_NEAR(solera->inclinacion, 180 * 0.017453292f, 1e-5);
    esperarPunto(solera->poligono->normal(), 0, 0, -1);
    esperarPunto(nodo(*solera, 0), 0, 4, 0);
    EXPECT_EQ(solera->suelo, 1);
    // TILT 180 with no LOCATION at Z 0 is a floor; with Z 2.5 it turns over into a ceiling.
    Elemento* voladizo = buscar(*ed, "\"VOLADIZO\"");
    EXPECT_EQ(voladizo->suelo, 1);
    esperarPunto(voladizo->poligono->normal(), 0, 0, -1);
    Elemento* alero = buscar(*ed, "\"ALERO\"");
    EXPECT_EQ(alero->suelo, 0);
    esperarPunto(alero->poligono->normal(), 0, 0, 1);
    // TILT 45 counts as a ceiling (below 60); it is laid out as a slope on its edge.
    Elemento* faldon = buscar(*ed, "\"FALDON\"");
    float c45 = std::cos(45 * 0.017453292f);
    esperarPunto(faldon->poligono->normal(), 0, -c45, c45);
    esperarPunto(nodo(*faldon, 2), 5, 3 * c45, 3 * c45);
    // Ceiling: the last element registered as one (exterior walls come before roofs).
    EXPECT_EQ(sala.techo, "\"FALDON\"");
    EXPECT_EQ(sala.suelos, (std::vector<std::string>{"\"VOLADIZO\"", "\"SOLERA\""}));
    EXPECT_EQ(sala.zona->segundoNombre, "\"FALDON\"");
}

TEST(EdificioTest, SueloDadoPorSuPoligono) {
    // LOCATION BOTTOM with its own POLYGON: the floor lies in plan over the space (from V1 along
    // V1->V2) and faces down, so that its edges carry the space to the partition detection.
    Entorno e(kPlanta + espacio("SALA") +
              elemento("LOSA", "UNDERGROUND-WALL", "LOCATION = BOTTOM POLYGON = \"P-SALA\""));
    auto ed = e.construir();
    Elemento* losa = buscar(*ed, "\"LOSA\"");
    esperarPunto(losa->poligono->normal(), 0, 0, -1);
    for (int i = 0; i < 4; ++i) {
        const Point3& p = nodo(*losa, i);
        EXPECT_TRUE(p.x > -1e-4f && p.x < 5.0001f && p.y > -1e-4f && p.y < 4.0001f) << i;
    }
    // Its four edges are the perimeter partitions of the space.
    int particiones = 0;
    for (const Elemento* r : ed->registros()) particiones += r->tipoMuro == "partition";
    EXPECT_EQ(particiones, 4);
}

TEST(EdificioTest, RegistrosListasYCodigosDeLado) {
    Entorno e(kPlanta + espacio("SALA") + espacio("COCINA") +
              elemento("FACHADA", "EXTERIOR-WALL", "LOCATION = SPACE-V1") +
              ventana("V-1", 0.5f, 1, 1, 1.2f) + ventana("PUERTA", 3, 0, 0.9f, 2.1f) +
              elemento("TABIQUE", "INTERIOR-WALL", "LOCATION = SPACE-V2 NEXT-TO = \"SALA\"") +
              ventana("V-INT", 1, 0.5f, 1, 1) +
              elemento("FORJADO", "INTERIOR-WALL", "LOCATION = TOP NEXT-TO = \"SALA\"") +
              elemento("CUBIERTA", "ROOF", "LOCATION = SPACE-V3 TILT = 30") +
              elemento("SOLERA", "UNDERGROUND-WALL", "LOCATION = BOTTOM"));
    auto ed = e.colocar();
    // COCINA (space 1) owns every element. Creation order: exterior walls (with their
    // windows first), roofs, interior walls, underground walls.
    const char* orden[] = {"\"V-1\"",   "\"PUERTA\"",  "\"FACHADA\"", "\"CUBIERTA\"",
                           "\"V-INT\"", "\"TABIQUE\"", "\"FORJADO\"", "\"SOLERA\""};
    ASSERT_EQ(ed->registros().size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(ed->registros()[i]->nombre, orden[i]) << i;
    EXPECT_EQ(ed->ventanas, (std::vector<int>{0, 1, 4}));
    // Exterior surfaces: windows, exterior walls and roofs (not interior or underground).
    EXPECT_EQ(ed->superficiesExteriores.size(), 5u);
    // Side codes: own element number and the space; two spaces for an interior wall (even
    // for its window: its own number).
    EXPECT_EQ(ed->registros()[4]->lados, (std::vector<int>{4, -2}));
    EXPECT_EQ(ed->registros()[5]->lados, (std::vector<int>{-1, -2}));
    // An interior ceiling is also a floor of the space next to it.
    EXPECT_EQ(ed->espacios[1].techo, "\"FORJADO\"");
    EXPECT_EQ(ed->espacios[0].suelos, (std::vector<std::string>{"\"FORJADO\""}));
    // Net area of the fachada: 5 x 3 - 1.2 - 0.9 x 2.1.
    EXPECT_NEAR(ed->registros()[2]->area(), 15.0f - 1.2f - 1.89f, 1e-4);
}

TEST(EdificioTest, VentanasMayoresQueSuMuro) {
    // A 2 x 3 wall (6 m2) with windows of 4 and 5 m2: the excess of 3 m2 is shared equally,
    // and the width gives up the share over the window's height.
    Entorno e(kPlanta + espacio("SALA") +
              elemento("PANO", "EXTERIOR-WALL", "LOCATION = SPACE-V1 WIDTH = 2") +
              ventana("GRANDE", 0, 0, 2, 2) + ventana("MAYOR", 0, 0, 2, 2.5f));
    auto ed = e.construir();
    EXPECT_FLOAT_EQ(buscar(*ed, "\"PANO\"")->area(), 0.0f);
    Elemento* grande = buscar(*ed, "\"GRANDE\"");
    Elemento* mayor = buscar(*ed, "\"MAYOR\"");
    EXPECT_NEAR(grande->area(), 4.0f - 1.5f, 1e-5);
    EXPECT_NEAR(mayor->area(), 5.0f - 1.5f, 1e-5);
    EXPECT_NEAR(grande->anchura, 2.0f - 0.75f, 1e-5);
    EXPECT_NEAR(mayor->anchura, 2.0f - 0.6f, 1e-5);
}

TEST(EdificioTest, MensajesFatales) {
    const std::string base = kPlanta + espacio("SALA");
    std::string sinAltura = kPlanta;
    sinAltura.replace(sinAltura.find("SPACE-HEIGHT = 3"), 16, "MULTIPLIER = 1");
    const std::string altura = "Error Grave de Definici\xF3n Geom\xE9trica. La altura del espacio "
                               "\"SALA\" es = 0.00 y debe ser >0";
    const std::string higro = "Error en definici\xF3n de higrometr\xED"
                              "a del edificio.";
    const std::string crece =
        "Error en la funci\xF3n F: la expresi\xF3n crece sin l\xEDmite al sustituir X1";
    const std::string param = base + "\"B\" = BUILD-PARAMETERS ";
    const std::string sala = "\"SALA\" = SPACE POLYGON = ";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {kPlanta + espacio("SALA", "HEIGHT = 0"), altura},
        {sinAltura + espacio("SALA"), altura}, // no HEIGHT, no SPACE-HEIGHT
        {kPlanta + sala + "\"NADA\" ..\n", "No se encuentra: \"NADA\""},
        {kPlanta + "\"P-UNO\" = POLYGON V1 = ( 0, 0 ) ..\n" + sala + "\"P-UNO\" ..\n",
         "Poligono mal definido: \"P-UNO\""},
        {kPlanta + sala + "\"P-SALA\" SYSTEM-CONDITIONS = \"NO-ACONDICIONADO-POR-DEFECTO\" ..\n",
         "No se encuentra SPACE-CONDITIONS en zona: \"SALA\""},
        {kPlanta + sala +
             "\"P-SALA\" SPACE-CONDITIONS = \"RESIDENCIAL\" SYSTEM-CONDITIONS = \"CALEFACCION\" "
             "..\n",
         "No se encuentra SYSTEM-CONDITIONS en zona: \"SALA\""},
        {param + "HIGROMETRIA-HR = 0 ..\n", higro},
        {param + "CLASE-HIGROMETRIA = 2 ..\n", higro},
        {param + "HIGROMETRIA-G = 0.1 ..\n", higro}, // no HIGROMETRIA-n
        {param + "HIGROMETRIA-G = 1 HIGROMETRIA-n = 0 ..\n", higro},
        {base + elemento("SUELTO", "EXTERIOR-WALL", "HEIGHT = 3"),
         "El elemento \"SUELTO\" no est\xE1 bien definido geom\xE9tricamente"},
        {base + elemento("TABIQUE", "INTERIOR-WALL", "LOCATION = SPACE-V1 NEXT-TO = \"PASILLO\""),
         "\"TABIQUE\": Cerramiento interior mal definido. No se encuentra el espacio \"PASILLO\""},
        {base + elemento("FORJADO", "INTERIOR-WALL", "LOCATION = TOP NEXT-TO = \"DESVAN\""),
         "El cerramiento \"FORJADO\" est\xE1 mal definido. No se encuentra la zona \"DESVAN\""},
        {base + elemento("HASTIAL", "EXTERIOR-WALL", "POLYGON = \"P-NINGUNO\""),
         "No se encuentra: \"P-NINGUNO\""},
        {base + elemento("MURO-9", "EXTERIOR-WALL", "LOCATION = SPACE-V9"),
         "Poligono mal definido: \"P-SALA\""},
        // A placeholder whose text contains itself, and two that double each other.
        {base + "\"F\" = FUNCTION CALCULATE = \"X1 + 1\" X1 = \"X1 * 2\" ..\n", crece},
        {base + "\"F\" = FUNCTION CALCULATE = \"X1\" X1 = \"X2+X2\" X2 = \"X1+X1\" ..\n", crece},
    };
    for (const auto& c : casos) EXPECT_EQ(mensajeFatal(c.first), c.second) << c.first;
}

TEST(EdificioTest, FuncionesDeUsuarioConMarcadores) {
    // The placeholder texts come before CALCULATE: every key is found by substring search, so
    // written after it "X4" would be found inside the CALCULATE text itself.
    Entorno e(kPlanta + espacio("SALA") +
              "\"HCONV\" = FUNCTION VARIABLE = ( \"V\", \"T\" ) X3 = \"V + 1\" X4 = \"X5 / T\" "
              "X5 = \"10\" CALCULATE = \"X3 * 2 + X4\" ..\n"
              "\"CONSTANTE\" = FUNCTION CALCULATE = \"4.5\" ..\n");
    e.construir();
    auto& f = e.global().funciones();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].nombre, "HCONV");
    EXPECT_EQ(f[0].variables, (std::vector<std::string>{"V", "T"}));
    EXPECT_EQ(f[0].expresion, "(V + 1) * 2 + ((10) / T)");
    f[0].valores[0] = 3.0; // V
    f[0].valores[1] = 5.0; // T
    EXPECT_DOUBLE_EQ(f[0].parser->Eval(), 10.0);
    EXPECT_DOUBLE_EQ(f[1].parser->Eval(), 4.5);
    EXPECT_EQ(e.global().buscarFuncion("CONSTANTE"), 1);
}

} // namespace
