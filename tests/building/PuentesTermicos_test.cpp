#include "building/PuentesTermicos.h"

#include <gtest/gtest.h>

#include "building/EdificioDePrueba.h"
#include "geometry/ElementContour.h"

namespace {

// Vertical wall on the base edge (x0, y0) -> (x1, y1) from z0 to z1; the outward normal is to
// the right of the base edge seen from above.
std::vector<Point3> muro(float x0, float y0, float x1, float y1, float z0 = 0, float z1 = 3) {
    return {Point3(x0, y0, z0), Point3(x1, y1, z0), Point3(x1, y1, z1), Point3(x0, y0, z1)};
}
std::vector<Point3> alReves(std::vector<Point3> v) {
    return std::vector<Point3>(v.rbegin(), v.rend());
}
// Horizontal rectangle, normal down.
std::vector<Point3> suelo(float x0, float y0, float x1, float y1, float z = 0.0f) {
    return {Point3(x0, y0, z), Point3(x0, y1, z), Point3(x1, y1, z), Point3(x1, y0, z)};
}

struct Puentes : ::testing::Test {
    EntornoPuentes entorno;
    EdificioDePrueba ed;
    int a = ed.espacio("\"A\"", 3.0f);
    std::string ruta = entorno.dir.fichero("puentes.dat");
    PuentesTermicos puentes{ed, ruta};

    const ElementContour& puente(int i) const { return *ed.puentes.at(i); }
    // The bridge touching exactly these elements.
    const ElementContour* puenteDe(std::vector<int> tocan) const {
        for (const auto& c : ed.puentes)
            if (c->tocan == tocan) return c.get();
        return nullptr;
    }
    // Type of the joint of two elements of space A in a building of their own.
    std::string junta(const std::string& t0, const std::vector<Point3>& n0, const std::string& t1,
                      const std::vector<Point3>& n1) {
        EdificioDePrueba e;
        e.espacio("\"A\"", 3.0f);
        e.elemento(t0, {0, -1}, n0);
        e.elemento(t1, {1, -1}, n1);
        PuentesTermicos(e, ruta).ejecutar();
        for (const auto& c : e.puentes)
            if (c->numTocan() == 2) return c->nombreTipo;
        return "(none)";
    }
};

const std::string kMuro = "onedimensional_wall";
const std::string kEnterrado = "underground_wall";

} // namespace

TEST_F(Puentes, MuroAisladoConVentana) {
    entorno.fila("ESQ", "MASONRY", 0.1f, 0, 360);
    entorno.fila("AISLADO", "ISOLATED-WALL", 0.5f);
    entorno.fila("MARCO", "WINDOW-FRAME", 0.2f);
    entorno.fila("MARCO2", "WINDOW-FRAME", 0.9f);
    // The window's record comes before its wall's.
    Elemento& ventana = ed.elemento(
        "window", {0, -1}, {Point3(1, 0, 1), Point3(2, 0, 1), Point3(2, 0, 2), Point3(1, 0, 2)});
    Elemento& pared = ed.elemento(kMuro, {1, -1}, muro(0, 0, 4, 0));
    puentes.ejecutar();
    ASSERT_EQ(ed.puentes.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(puente(i).nombreTipo, i < 4 ? "\"MARCO\"" : "\"AISLADO\"");
    // Four 1 m frame edges to the window, the 14 m wall perimeter to the wall.
    ASSERT_EQ(ventana.puentes.size(), 5u);
    EXPECT_FLOAT_EQ(ventana.puentes[2].longitud, 4.0f);
    EXPECT_FLOAT_EQ(ventana.puentes[2].ttl, 0.2f);
    EXPECT_FLOAT_EQ(pared.puentes[1].longitud, 14.0f);
    EXPECT_FLOAT_EQ(pared.puentes[1].ttl, 0.5f);
    EXPECT_EQ(leerFichero(ruta),
              "\n0\t1.000000\t0.000000\t1.000000\t2.000000\t0.000000\t1.000000\t0"
              "\n1\t2.000000\t0.000000\t1.000000\t2.000000\t0.000000\t2.000000\t0"
              "\n2\t2.000000\t0.000000\t2.000000\t1.000000\t0.000000\t2.000000\t0"
              "\n3\t1.000000\t0.000000\t2.000000\t1.000000\t0.000000\t1.000000\t0"
              "\n4\t0.000000\t0.000000\t0.000000\t4.000000\t0.000000\t0.000000\t1"
              "\n5\t4.000000\t0.000000\t0.000000\t4.000000\t0.000000\t3.000000\t1"
              "\n6\t4.000000\t0.000000\t3.000000\t0.000000\t0.000000\t3.000000\t1"
              "\n7\t0.000000\t0.000000\t3.000000\t0.000000\t0.000000\t0.000000\t1");
}

TEST_F(Puentes, EsquinaVerticalConvexaYEntrante) {
    entorno.fila("FRENTE", "SLAB", 0.4f, 170, 190);
    entorno.fila("ESQ-ENT", "MASONRY", 0.3f, 260, 280);
    entorno.fila("ESQ-SAL", "MASONRY", 0.1f, 80, 100);
    // South wall facing -y and east wall facing +x meet at x = 4, y = 0: an outside corner.
    ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0));
    ed.elemento(kMuro, {1, -1}, muro(4, 0, 4, 4));
    puentes.ejecutar();
    const ElementContour* esquina = puenteDe({0, 1});
    ASSERT_NE(esquina, nullptr);
    EXPECT_NEAR(PuentesTermicos::angulo(*ed.registros()[0], *ed.registros()[1], *esquina), 90.0f,
                1e-3);
    EXPECT_EQ(esquina->nombreTipo, "\"ESQ-SAL\"");
    EXPECT_EQ(esquina->cargar, (std::vector<int>{0, 1}));
    // Each wall gets the 3 m corner at half share.
    EXPECT_FLOAT_EQ(ed.registros()[0]->puentes[2].longitud, 3.0f);
    EXPECT_FLOAT_EQ(ed.registros()[1]->puentes[2].longitud, 3.0f);
    // The same walls facing the other way: the corner is re-entrant (270).
    EXPECT_EQ(junta(kMuro, alReves(muro(0, 0, 4, 0)), kMuro, alReves(muro(4, 0, 4, 4))),
              "\"ESQ-ENT\"");
}

TEST_F(Puentes, SinFilasEnLosDefectosTodoEsDefault) {
    Elemento& pared = ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0));
    ed.elemento(kMuro, {1, -1}, muro(4, 0, 4, 4));
    puentes.ejecutar();
    for (const auto& c : ed.puentes)
        EXPECT_TRUE(c->tipo == -1 && c->nombreTipo == "default" && c->ttl == 0 && c->frsi == 1);
    // Only the closing row, which collects every length: 14 m of perimeter.
    ASSERT_EQ(pared.puentes.size(), 1u);
    EXPECT_FLOAT_EQ(pared.puentes[0].longitud, 14.0f);
}

TEST_F(Puentes, AristaCompartidaEnParteSeParte) {
    ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0));
    // A floor south of the wall whose north edge runs from x = 2 to x = 6 along y = 0.
    ed.elemento(kEnterrado, {1, -1}, suelo(2, -4, 6, 0));
    puentes.ejecutar();
    // Wall edges 0 to 3; the floor's west edge is 4. Its north edge 2..6 cuts the wall's bottom
    // edge 0..4: the entry keeps the common piece 2..4 touching both, the wall's rest 0..2 is
    // appended (5), then the floor's rest 4..6 (6), then the floor's last two edges.
    ASSERT_EQ(ed.puentes.size(), 9u);
    struct Pieza {
        int i;
        float a, b;
        std::vector<int> tocan;
    } piezas[] = {{0, 2, 4, {0, 1}}, {5, 0, 2, {0}}, {6, 4, 6, {1}}};
    for (const Pieza& p : piezas) {
        EXPECT_EQ(puente(p.i).tocan, p.tocan) << p.i;
        EXPECT_FLOAT_EQ(puente(p.i).A.x, p.a) << p.i;
        EXPECT_FLOAT_EQ(puente(p.i).B.x, p.b) << p.i;
    }
}

TEST_F(Puentes, FrenteDeForjadoYParticionesEnLaTabla) {
    entorno.fila("FORJADO-NO", "HORIZONTAL-SLAB", 0.7f, 170, 190, "NO");
    entorno.fila("FORJADO", "HORIZONTAL-SLAB", 0.8f, 170, 190, "YES");
    entorno.fila("LOSA", "SLAB", 0.2f, 170, 190);
    int b = ed.espacio("\"B\"", 3.0f);
    // Two stacked walls of A (below) and B (above) and the slab between them.
    ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0, 0, 3));
    ed.elemento(kMuro, {1, -1 - b}, muro(0, 0, 4, 0, 3, 6));
    ed.elemento(kMuro, {-1 - b, -1}, alReves(suelo(0, 0, 4, 4, 3)));
    puentes.ejecutar();
    const ElementContour* frente = puenteDe({0, 1, 2});
    ASSERT_NE(frente, nullptr);
    EXPECT_EQ(frente->nombreTipo, "\"FORJADO\"");
    EXPECT_EQ(frente->cargar, (std::vector<int>{0, 1}));
    EXPECT_EQ(frente->zonas, (std::vector<int>{0, 1}));
    // Without the slab the joint is a plain slab edge without partition.
    EXPECT_EQ(junta(kMuro, muro(0, 0, 4, 0, 0, 3), kMuro, muro(0, 0, 4, 0, 3, 6)), "\"LOSA\"");
}

TEST_F(Puentes, ParticionEnUnaJuntaVertical) {
    // Two coplanar walls (180 degrees) with a partition between A and B on their joint.
    entorno.fila("PILAR-NO", "MASONRY", 0.1f, 170, 190, "NO");
    entorno.fila("PILAR-SI", "MASONRY", 0.3f, 170, 190, "YES");
    int b = ed.espacio("\"B\"", 3.0f);
    ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0));
    ed.elemento(kMuro, {1, -1 - b}, muro(4, 0, 8, 0));
    ed.elemento(kMuro, {-1, -1 - b}, muro(4, 4, 4, 0), "partition").codigo = kParticion;
    puentes.ejecutar();
    const ElementContour* junta = puenteDe({0, 1, 2});
    ASSERT_NE(junta, nullptr);
    EXPECT_EQ(junta->nombreTipo, "\"PILAR-SI\"");
    EXPECT_EQ(junta->cargar, (std::vector<int>{0, 1}));
    EXPECT_EQ(junta->zonas, (std::vector<int>{0, 1}));
    // The partition charges nothing and creates no bridge of its own.
    for (const auto& c : ed.puentes) EXPECT_NE(c->tocan, std::vector<int>{2});
    EXPECT_NE(leerFichero(ruta).find("\t0\t1\t2"), std::string::npos);
}

TEST_F(Puentes, ElementosEnterrados) {
    entorno.fila("SOTANO", "UNDERGROUND", 0.9f, 0, 360);
    entorno.fila("SOLERA", "UNDER-EXT", 0.6f, 90, 90);
    entorno.fila("ESQ", "SLAB", 0.1f, 0, 360);
    // Floor facing down, wall facing -y: an outside right angle, within TOLERANCIA-PTL of 90.
    EXPECT_EQ(junta(kEnterrado, suelo(0, 0, 4, 4), kMuro, muro(0, 0, 4, 0)), "\"SOLERA\"");
    // Two ground elements: only UNDERGROUND rows apply.
    EXPECT_EQ(junta(kEnterrado, suelo(0, 0, 4, 4), kEnterrado, muro(0, 0, 4, 0)), "\"SOTANO\"");
}

TEST_F(Puentes, VariasOpcionesEligeEntreLaPrimeraYLaUltima) {
    entorno.fila("A", "MASONRY", 0.3f, 80, 100);
    entorno.fila("C", "MASONRY", 0.2f, 85, 95);
    entorno.fila("B", "MASONRY", 0.0f, 0, 360);
    ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0));
    ed.elemento(kMuro, {1, -1}, muro(4, 0, 4, 4));
    puentes.construirContornos();
    ElementContour& esquina = *ed.puentes[1];
    ASSERT_EQ(esquina.numTocan(), 2);
    puentes.clasificar(esquina); // off: the first matching row
    EXPECT_EQ(esquina.nombreTipo, "\"A\"");
    // On: first A (0.3) and last B (0.0) are not both above 0: the smaller TTL wins.
    entorno.defectos->variasOpciones = true;
    puentes.clasificar(esquina);
    EXPECT_EQ(esquina.nombreTipo, "\"B\"");
    // Both above 0: the first.
    entorno.defectos->puentes[2].ttl = 0.05f;
    PuentesTermicos(ed, ruta).clasificar(esquina);
    EXPECT_EQ(esquina.nombreTipo, "\"A\"");
}

TEST_F(Puentes, ValoresDeLaFilaSustituidosPorElEdificio) {
    entorno.fila("ESQ-SAL", "MASONRY", 0.1f, 80, 100, "BOTH", 0.7f);
    entorno.fila("AISLADO", "ISOLATED-WALL", 0.5f, 0, 0, "BOTH", 0.6f);
    // Only EFE for the corner; TTL and FRSI (EFE then ignored) for the isolated edges.
    entorno.edificio("\"ESQ-SAL\" = THERMAL-BRIDGE EFE = 0.55 ..\n"
                     "\"AISLADO\" = THERMAL-BRIDGE TTL = 0.33 FRSI = 0.61 EFE = 0.2 ..\n");
    ed.elemento(kMuro, {0, -1}, muro(0, 0, 4, 0));
    ed.elemento(kMuro, {1, -1}, muro(4, 0, 4, 4));
    puentes.ejecutar();
    const ElementContour* esquina = puenteDe({0, 1});
    ASSERT_NE(esquina, nullptr);
    EXPECT_FLOAT_EQ(esquina->ttl, 0.1f);
    EXPECT_FLOAT_EQ(esquina->frsi, 0.55f);
    EXPECT_EQ(puente(0).nombreTipo, "\"AISLADO\"");
    EXPECT_FLOAT_EQ(puente(0).ttl, 0.33f);
    EXPECT_FLOAT_EQ(puente(0).frsi, 0.61f);
}
