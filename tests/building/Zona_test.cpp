#include "building/Zona.h"

#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "base/Valores.h"
#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/Edificio.h"
#include "climate/Excitacion.h"
#include "comun/Entorno.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// A building reader and defaults (thermal-bridge rows "FRENTE" and "PILLAR") published as the
// run globals.
class ZonaTest : public ::testing::Test {
protected:
    ZonaTest() : previo_(gLeerBDL) {
        hub_.ponerDefectos(std::make_unique<ValoresPorDefecto>(dir_.escribir(
            "defectos.inp", "\nNUM-HORAS = 24\nHCINT = 3.0\nHRINT = 4.7\n"
                            "\"FRENTE\" = THERMAL-BRIDGE TTL = 0.5 FRSI = 0.8 ..\n"
                            "\"PILLAR\" = THERMAL-BRIDGE TTL = 0.9 FRSI = 0.7 ..\n"
                            "NO-HABITABLES = ( \"GARAJE\", \"ZONA-COMUN-NOCHE\" )\n")));
    }
    ~ZonaTest() override {
        gLeerBDL = previo_;
        gExcitacion = nullptr;
    }

    void edificio(const std::string& texto) {
        bdl_ = LeerBDL::desdeTexto("\n" + texto + "\n");
        gLeerBDL = bdl_.get();
        if (!leidos_)
            hub_.global().leerParametros(*bdl_, gDefectos, dir_.fichero("resultados.txt"));
        leidos_ = true;
    }

    // A space whose ceiling is "TECHO" and whose floors are "SUELO1" and "SUELO2".
    std::unique_ptr<Zona> zona(const std::string& nombre, CondicionesOperacionales* c = nullptr,
                               int ref = -1, int pilares = 0) {
        return std::make_unique<Zona>(ref, nombre, "\"TECHO\"",
                                      std::vector<std::string>{"\"SUELO1\"", "\"SUELO2\""}, c,
                                      nullptr, pilares, 3.0f);
    }

    // The fatal message that the construction of a space reports.
    std::string fatal(const std::string& nombre) {
        return mensajeFatal([&] { zona(nombre); });
    }

    DirectorioTemporal dir_;
    HubDePrueba hub_;
    std::unique_ptr<LeerBDL> bdl_;
    LeerBDL* previo_;
    bool leidos_ = false;
};

TEST_F(ZonaTest, Higrometria) {
    edificio("\"F\" = SPACE HIGROMETRIA-HR = 0.55 ..\n\"C4\" = SPACE CLASE-HIGROMETRIA = 4 ..\n"
             "\"P\" = SPACE HIGROMETRIA-HR = 55 HIGROMETRIA-G = 3 ..\n"
             "\"G\" = SPACE HIGROMETRIA-G = 2.5 HIGROMETRIA-n = 0.5 ..\n"
             "\"HR0\" = SPACE HIGROMETRIA-HR = 0 ..\n\"SIN-N\" = SPACE HIGROMETRIA-G = 2.5 ..\n"
             "\"G0\" = SPACE HIGROMETRIA-G = 0 HIGROMETRIA-n = 0.5 ..\n"
             "\"N0\" = SPACE HIGROMETRIA-G = 2.5 HIGROMETRIA-n = 0 ..\n"
             "\"C2\" = SPACE CLASE-HIGROMETRIA = 2 ..\n");
    EXPECT_FLOAT_EQ(zona("\"F\"")->higrometriaHR, 55.0f); // a fraction
    auto p = zona("\"P\""), g = zona("\"G\"");
    EXPECT_TRUE(p->higrometriaHR == 55.0f && esNoDado(p->higrometriaG)); // only one way survives
    EXPECT_TRUE(g->higrometriaN == 0.5f && esNoDado(g->higrometriaHR));
    EXPECT_FLOAT_EQ(zona("\"C4\"")->claseHigrometria, 4.0f);
    for (const char* mal : {"\"HR0\"", "\"SIN-N\"", "\"G0\"", "\"N0\"", "\"C2\""})
        EXPECT_EQ(fatal(mal), std::string("Error en definici\xF3n de higrometr\xED"
                                          "a en la zona: ") +
                                  mal);
}

TEST_F(ZonaTest, HigrometriaHeredadaDelEdificioEnOrden) {
    edificio("\"A\" = SPACE HEIGHT = 3 ..\n");
    Global2& g = hub_.global();
    EXPECT_FLOAT_EQ(zona("\"A\"")->claseHigrometria, 5.0f); // nothing anywhere
    g.claseHigrometria = 4.0f;
    EXPECT_FLOAT_EQ(zona("\"A\"")->claseHigrometria, 4.0f);
    g.higrometriaG = 2.0f;
    g.higrometriaN = 0.6f;
    auto conG = zona("\"A\"");
    EXPECT_TRUE(conG->higrometriaN == 0.6f && esNoDado(conG->claseHigrometria));
    g.higrometriaHR = 60.0f;
    auto conHR = zona("\"A\"");
    EXPECT_TRUE(conHR->higrometriaHR == 60.0f && esNoDado(conHR->higrometriaG));
}

TEST_F(ZonaTest, HabitableAcondicionadoEInfiltracion) {
    edificio("\"GARAJE\" = SPACE MULTIPLIER = 3 INF-FLOW/AREA = 0.8 ..\n"
             "\"GARAJE-2\" = SPACE AIR-CHANGES/HR = 1.5 TYPE = UNCONDITIONED ..\n"
             "\"NH\" = SPACE TYPE = UNHABITED ..\n\"SALON\" = SPACE ZONE-TYPE = UNHABITED ..\n"
             "\"COND\" = SPACE-CONDITIONS AIR-CHANGES/HR = 0.7 ..\n");
    EXPECT_EQ(fatal("\"NADA\""), "No se encuentra: \"NADA\"");
    // A NO-HABITABLES entry equal to the space's name; "GARAJE-2" only contains one.
    auto garaje = zona("\"GARAJE\""), garaje2 = zona("\"GARAJE-2\""), nh = zona("\"NH\"");
    EXPECT_TRUE(!garaje->habitable && garaje->acondicionado && garaje->multiplicador == 3);
    EXPECT_FLOAT_EQ(garaje->infiltracion, 0.8f);
    EXPECT_FALSE(garaje->infiltracionRenovaciones);
    EXPECT_TRUE(garaje2->habitable && !garaje2->acondicionado && garaje2->infiltracionRenovaciones);
    EXPECT_FALSE(nh->habitable || nh->acondicionado);
    // The key is the whole word TYPE; nothing on the space: the conditions' infiltration.
    auto cond = LeerBDL::objeto(*bdl_, "SPACE-CONDITIONS", "\"COND\"");
    CondicionesOperacionales c(*cond, "\"COND\"");
    auto salon = zona("\"SALON\"", &c);
    EXPECT_TRUE(salon->habitable && salon->acondicionado && salon->infiltracionRenovaciones);
    EXPECT_FLOAT_EQ(salon->infiltracion, 0.7f);
    // Conditions whose name holds an entry, or is held by one, quotes aside.
    const std::pair<const char*, bool> usos[] = {
        {"\"USO-GARAJE-PRIVADO\"", false}, {"COMUN", false}, {"\"RESIDENCIAL\"", true}};
    for (const auto& u : usos) {
        CondicionesOperacionales uso(*cond, u.first);
        EXPECT_EQ(zona("\"SALON\"", &uso)->habitable, u.second) << u.first;
    }
}

std::unique_ptr<Elemento> elemento(const std::string& nombre, int lado1, int lado2,
                                   const std::string& tipo = "onedimensional_wall") {
    auto e = std::make_unique<Elemento>();
    e->nombre = nombre;
    e->tipo = tipo;
    e->lados = {lado1, lado2};
    return e;
}

TEST_F(ZonaTest, EnlazaElementosYRepartePilares) {
    edificio("\"A\" = SPACE ..\n\"B\" = SPACE ..\n\"PILAR\" = THERMAL-BRIDGE EFE = 0.61 ..\n");
    auto m1 = elemento("\"M1\"", 0, -1), m2 = elemento("\"M2\"", 1, -1);
    auto p = elemento("\"P\"", -2, -1), ajeno = elemento("\"M3\"", 2, -2);
    std::vector<Elemento*> registros{m1.get(), ajeno.get(), p.get(), m2.get()};
    auto a = zona("\"A\"", nullptr, -1, 2), b = zona("\"B\"", nullptr, -2);
    Zona::enlazarTodas({a.get(), nullptr, b.get()}, registros);
    EXPECT_EQ(a->elementos, (std::vector<Elemento*>{m1.get(), p.get(), m2.get()}));
    EXPECT_EQ(b->elementos, (std::vector<Elemento*>{ajeno.get(), p.get()}));
    // 2 pillars x 3 m shared by the two exterior walls of A: each gets the whole length with
    // the share 1/2 in the "PILLAR" row, TTL = 0.9 x 0.5; FRSI from the building's "PILAR".
    for (Elemento* e : {m1.get(), m2.get()}) {
        ASSERT_EQ(e->puentes.size(), 3u);
        EXPECT_FLOAT_EQ(e->puentes[1].longitud, 6.0f);
        EXPECT_FLOAT_EQ(e->puentes[1].ttl, 0.45f);
        EXPECT_FLOAT_EQ(e->puentes[1].frsi, 0.61f);
    }
    EXPECT_FLOAT_EQ(p->puentes[1].longitud, 0.0f); // no exterior side
    // FRSI before EFE; without a "PILAR" object the defaults' row.
    edificio("\"PILAR\" = THERMAL-BRIDGE TTL = 1.2 FRSI = 0.55 EFE = 0.3 ..\n");
    EXPECT_FLOAT_EQ(Zona::puentePilar().frsi, 0.55f);
    edificio("\"OTRO\" = THERMAL-BRIDGE TTL = 1.2 ..\n");
    EXPECT_FLOAT_EQ(Zona::puentePilar().ttl, 0.9f);
}

// Spaces A and B habitable, T not; element numbers 5 and 6 are windows.
class ClasificacionTest : public ZonaTest {
protected:
    ClasificacionTest() : excitacion_("", 1) {
        edificio("\"A\" = SPACE ..\n\"B\" = SPACE ..\n\"T\" = SPACE TYPE = UNHABITED ..\n");
        excitacion_.registrar({}, {}, {5, 6}, {});
        gExcitacion = &excitacion_;
        modelo_.espacios.resize(3);
        for (int i = 0; i < 3; ++i)
            modelo_.espacios[i].zona = zona(std::string("\"") + "ABT"[i] + "\"", nullptr, -1 - i);
    }

    // The class of an element of space A, facing the given way.
    int clase(const std::string& nombre, int lado1, int lado2, const std::string& tipo,
              Vector3 n = Vector3(0, -1, 0)) {
        auto e = elemento(nombre, lado1, lado2, tipo);
        e->suelo = forzado_;
        Vector3 u = std::fabs(n.z) > 0.9f ? Vector3(1, 0, 0) : Vector3(0, 0, 1);
        Vector3 v = n.cruz(u);
        u = v.cruz(n);
        e->poligono =
            PoliArea::desdeNodos({Point3(), Point3() + u, Point3() + u + v, Point3() + v});
        Zona& a = *modelo_.espacios[0].zona;
        a.elementos = {e.get()};
        return a.clasificarElemento(0, modelo_.zonaVecina(a, *e));
    }

    struct Modelo : ModeloEdificio {};
    Excitacion excitacion_;
    Modelo modelo_;
    int forzado_ = 0;
};

TEST_F(ClasificacionTest, Exteriores) {
    const std::string muro = "onedimensional_wall";
    EXPECT_EQ(clase("\"X\"", 0, -1, muro, Vector3(0, 0, 1)), 2);  // facing up
    EXPECT_EQ(clase("\"X\"", 0, -1, muro, Vector3(0, 0, -1)), 3); // facing down
    EXPECT_EQ(clase("\"X\"", 0, -1, muro), 0);                    // vertical
    EXPECT_EQ(clase("\"TECHO\"", 0, -1, muro), 2);                // named as the space's ceiling
    EXPECT_EQ(clase("\"SUELO2\"", 0, -1, muro), 3);               // or as one of its floors
    EXPECT_EQ(clase("\"V\"", 5, -1, "window", Vector3(0, 0, 1)), 4);
    forzado_ = 1;
    EXPECT_EQ(clase("\"X\"", 0, -1, muro, Vector3(0, 0, 1)), 3);
    EXPECT_NEAR(Zona::inclinacionGrados(Vector3(0, 0.7071068f, -0.7071068f)), 135.0f, 1e-3);
}

TEST_F(ClasificacionTest, EntreEspacios) {
    const std::string muro = "onedimensional_wall";
    EXPECT_EQ(clase("\"P\"", -2, -1, muro, Vector3(0, 0, 1)), 1); // tilt does not count
    EXPECT_EQ(clase("\"P\"", -2, -1, "window"), 4);
    EXPECT_EQ(clase("\"P\"", -1, -2, "puertaOpaca"), 4);
    // Next to the unhabitable space T.
    EXPECT_EQ(clase("\"P\"", -3, -1, muro), 0);
    EXPECT_EQ(clase("\"P\"", -3, -1, "window"), 4);
    EXPECT_EQ(clase("\"P\"", -3, -1, "puertaOpaca"), 4);
    EXPECT_EQ(clase("\"TECHO\"", -3, -1, muro), 2);
    EXPECT_EQ(clase("\"SUELO1\"", -3, -1, muro), 3);
    // Named by T only: T's ceiling is a floor of A, T's floor a roof of A.
    Zona& t = *modelo_.espacios[2].zona;
    t.segundoNombre = "\"FORJADO-T\"";
    t.listaNombres = {"\"SOLERA-T\""};
    EXPECT_EQ(clase("\"FORJADO-T\"", -3, -1, muro), 3);
    EXPECT_EQ(clase("\"SOLERA-T\"", -3, -1, muro), 2);
}

} // namespace
