#include "building/DetectorParticiones.h"

#include <gtest/gtest.h>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "building/EdificioDePrueba.h"
#include "geometry/ElementContour.h"

namespace {

// Floor rectangle x0..x1 by y0..y1 at height z, nodes clockwise seen from above (normal down).
std::vector<Point3> suelo(float x0, float y0, float x1, float y1, float z = 0.0f) {
    return {Point3(x0, y0, z), Point3(x0, y1, z), Point3(x1, y1, z), Point3(x1, y0, z)};
}
// The vertical wall on x = 4 between the two rooms, 3 m high.
const std::vector<Point3> kMuroComun = {Point3(4, 0, 0), Point3(4, 4, 0), Point3(4, 4, 3),
                                        Point3(4, 0, 3)};

// Two rooms side by side, described by their ground floors only: A = 0..4 x 0..4 (height 3),
// B = 4..8 x 0..4 (height 2.5).
struct DosHabitaciones : ::testing::Test {
    EntornoPuentes entorno;
    EdificioDePrueba ed;
    int a = ed.espacio("\"A\"", 3.0f);
    int b = ed.espacio("\"B\"", 2.5f);
    Elemento* sueloA = &ed.elemento("underground_wall", {0, -1}, suelo(0, 0, 4, 4));
    Elemento* sueloB = &ed.elemento("underground_wall", {1, -2}, suelo(4, 0, 8, 4));

    std::string particio() const { return entorno.dir.fichero("Particio.dat"); }
    // A detector with the interior walls removed and the candidate edges and zones found.
    std::unique_ptr<DetectorParticiones> preparado() {
        auto d = std::make_unique<DetectorParticiones>(ed, particio());
        d->quitarMurosInteriores();
        d->recogerCandidatos();
        d->asignarZonas();
        return d;
    }
    // The detected partitions, in creation order.
    std::vector<Elemento*> particiones() const {
        std::vector<Elemento*> r;
        for (const auto& e : ed.elementos)
            if (e->codigo == kParticion) r.push_back(e.get());
        return r;
    }
};

} // namespace

TEST_F(DosHabitaciones, ParticionesYParticioDatByteAByte) {
    DetectorParticiones(ed, particio()).ejecutar();
    // Candidate edges in merge order (A's four, then B's three new ones); the shared edge
    // (4, 4) -> (4, 0) is 0.5 (3 + 2.5) = 2.75 high; each record names the first zone's storey and
    // space. An empty line and the count close the file, without a final line break.
    EXPECT_EQ(leerFichero(particio()),
              "PARTICION-000-E000-E000*\"P1\"*\"A\"*4 0 4 0.000000 0.000000 0.000000 0.000000 "
              "0.000000 3.000000 0.000000 4.000000 3.000000 0.000000 4.000000 0.000000 \n"
              "PARTICION-001-E000-E000*\"P1\"*\"A\"*4 0 4 0.000000 4.000000 0.000000 0.000000 "
              "4.000000 3.000000 4.000000 4.000000 3.000000 4.000000 4.000000 0.000000 \n"
              "PARTICION-002-E000-E001*\"P1\"*\"A\"*4 0 4 4.000000 4.000000 0.000000 4.000000 "
              "4.000000 2.750000 4.000000 0.000000 2.750000 4.000000 0.000000 0.000000 \n"
              "PARTICION-003-E000-E000*\"P1\"*\"A\"*4 0 4 4.000000 0.000000 0.000000 4.000000 "
              "0.000000 3.000000 0.000000 0.000000 3.000000 0.000000 0.000000 0.000000 \n"
              "PARTICION-004-E001-E001*\"P1\"*\"B\"*4 0 4 4.000000 4.000000 0.000000 4.000000 "
              "4.000000 2.500000 8.000000 4.000000 2.500000 8.000000 4.000000 0.000000 \n"
              "PARTICION-005-E001-E001*\"P1\"*\"B\"*4 0 4 8.000000 4.000000 0.000000 8.000000 "
              "4.000000 2.500000 8.000000 0.000000 2.500000 8.000000 0.000000 0.000000 \n"
              "PARTICION-006-E001-E001*\"P1\"*\"B\"*4 0 4 8.000000 0.000000 0.000000 8.000000 "
              "0.000000 2.500000 4.000000 0.000000 2.500000 4.000000 0.000000 0.000000 \n"
              "\n7");
    // The shared edge separates A and B; a perimeter edge has its room on both sides.
    std::vector<Elemento*> p = particiones();
    ASSERT_EQ(p.size(), 7u);
    const Elemento& comun = *p[2];
    EXPECT_EQ(comun.lados, (std::vector<int>{-1, -2}));
    EXPECT_EQ(p[6]->lados, (std::vector<int>{-2, -2}));
    // 2.75 high over 4 m: area 11, perimeter 2 x (2.75 + 4) with the closing side. The two
    // polygons face opposite ways.
    EXPECT_FLOAT_EQ(comun.areasLados[0], 11.0f);
    EXPECT_FLOAT_EQ(comun.areasLados[1], 13.5f);
    EXPECT_FLOAT_EQ(comun.poligono->normal().x, -comun.poligono2->normal().x);
    EXPECT_FLOAT_EQ(std::fabs(comun.poligono->normal().x), 1.0f);
    // Records regrouped by space: A's partitions (0 to 3) then its floor; B's (the shared one
    // already taken) then its floor. Numbered from 1; each zone gets its own.
    EXPECT_EQ(ed.registros(),
              (std::vector<Elemento*>{p[0], p[1], p[2], p[3], sueloA, p[4], p[5], p[6], sueloB}));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(ed.registros()[i]->dameNumero(), i + 1);
    EXPECT_EQ(ed.espacios[a].zona->elementos.size(), 5u);
    EXPECT_EQ(ed.espacios[b].zona->elementos.size(), 5u);
    EXPECT_EQ(ed.espacios[b].zona->elementos[0], p[2]);
}

TEST_F(DosHabitaciones, MuroInteriorExplicitoSaleDeLosRegistrosYLaParticionSigue) {
    // A vertical interior wall of A next to B on x = 4 leaves the array; a horizontal interior
    // element and a party wall stay.
    Elemento& muro = ed.elemento("onedimensional_wall", {-2, -1}, kMuroComun);
    Elemento& losa = ed.elemento("onedimensional_wall", {-2, -1}, suelo(0, 0, 4, 4, 3.0f));
    Elemento& medianera = ed.elemento(
        "onedimensional_wall", {-2, -1},
        {Point3(0, 0, 0), Point3(0, 0, 3), Point3(0, 4, 3), Point3(0, 4, 0)}, "PARTY-WALL");
    ed.particionesAnadir = true;
    ed.particionesDirecto = false;
    auto d = preparado();
    EXPECT_EQ(ed.indice(muro), -1);
    EXPECT_NE(ed.indice(losa), -1);
    EXPECT_NE(ed.indice(medianera), -1);
    d->crearParticiones();
    bool entreAyB = false;
    for (Elemento* e : particiones()) entreAyB = entreAyB || e->lados == std::vector<int>{-1, -2};
    EXPECT_TRUE(entreAyB);
}

TEST_F(DosHabitaciones, ModoAnadirNoCreaLaParticionCubierta) {
    // A vertical interior element that survives the removal (one side only) on the shared edge.
    ed.elemento("onedimensional_wall", {-1}, kMuroComun);
    ed.particionesAnadir = true;
    ed.particionesDirecto = false;
    auto d = preparado();
    ASSERT_EQ(d->candidatos().size(), 7u);
    EXPECT_TRUE(d->candidatos()[2]->cubierto);
    // Covered, two different spaces: no partition; the rest still yield one each.
    EXPECT_EQ(d->contarParticiones(), 6);
    // Direct mode never marks; overwrite mode never compares.
    for (bool sobrescribir : {false, true}) {
        ed.particionesAnadir = false;
        ed.particionesSobrescribir = sobrescribir;
        auto otro = preparado();
        EXPECT_FALSE(otro->candidatos()[2]->cubierto);
        EXPECT_EQ(otro->contarParticiones(), 7);
    }
}

TEST_F(DosHabitaciones, TresSuelosEnUnaAristaParanLaEjecucion) {
    int c = ed.espacio("\"C\"", 3.0f);
    ed.elemento("underground_wall", {2, -1 - c}, suelo(4, 0, 6, 4)); // under B, on x = 4
    auto d = preparado();
    EXPECT_EQ(mensajeFatal([&] { d->contarParticiones(); }),
              "Error Grave de Definici\xF3n Geom\xE9trica. Provoca que: el numero de "
              "zonas que separa el segmento-particion es tres o mas.");
}

TEST(DetectorParticiones, SinParticionesElFicheroLlevaLineaVaciaYCero) {
    EntornoPuentes entorno;
    EdificioDePrueba ed;
    ed.espacio("\"A\"", 3.0f);
    ed.elemento("onedimensional_wall", {0, -1}, kMuroComun); // a wall: no floor edge
    // The default place is the run's temporary directory.
    Directorios::instancia().registrar("Tmp", entorno.dir.ruta() + "/");
    DetectorParticiones(ed).ejecutar();
    EXPECT_EQ(leerFichero(entorno.dir.fichero("Particio.dat")), "\n0");
    EXPECT_EQ(ed.registros().size(), 1u);
}

TEST(DetectorParticiones, QueElementosHorizontalesDanAristasCandidatas) {
    EntornoPuentes entorno;
    EdificioDePrueba ed;
    ed.espacio("\"A\"", 3.0f);
    ed.espacio("\"B\"", 3.0f);
    // Each element on its own square so that no edges are shared: x = 10 k.
    auto cuadrado = [](float x, float z, bool abajo) {
        std::vector<Point3> v = suelo(x, 0, x + 2, 2, z);
        return abajo ? v : std::vector<Point3>(v.rbegin(), v.rend());
    };
    ed.elemento("onedimensional_wall", {0, -1}, cuadrado(0, 3, false)); // roof: no
    ed.elemento("underground_wall", {1, -1}, cuadrado(10, 0, true));    // ground floor: yes
    ed.elemento("onedimensional_wall", {-2, -1}, cuadrado(20, 3, false), "PARTY-WALL"); // no
    ed.elemento("onedimensional_wall", {-2, -1}, cuadrado(30, 3, true), "PARTY-WALL");  // yes
    ed.elemento("onedimensional_wall", {-2, -1}, cuadrado(40, 3, false)); // interior slab: yes
    DetectorParticiones d(ed, entorno.dir.fichero("Particio.dat"));
    d.recogerCandidatos();
    const int fuente[] = {1, 3, 4}; // four edges from each
    ASSERT_EQ(d.candidatos().size(), 12u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(d.candidatos()[i]->tocan, std::vector<int>{fuente[i / 4]});
    // Zones come only from elements facing down, one per space side: the ground floor gives A,
    // the party wall facing down both of its spaces, the slab facing up none.
    d.asignarZonas();
    EXPECT_EQ(d.candidatos()[0]->zonas, std::vector<int>{0});
    EXPECT_EQ(d.candidatos()[4]->zonas, (std::vector<int>{1, 0}));
    EXPECT_TRUE(d.candidatos()[8]->zonas.empty());
}
