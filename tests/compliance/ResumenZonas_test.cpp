#include "compliance/ResumenZonas.h"

#include <gtest/gtest.h>

#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/Edificio.h"
#include "building/Zona.h"
#include "compliance/FactorReduccion.h"
#include "compliance/Tablas.h"
#include "comun/Entorno.h"
#include "envelope/Elemento1D.h"
#include "geometry/ElementContour.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

// An element whose H/A is set by hand.
struct ElementoPrueba : Elemento1D {
    ElementoPrueba(const std::string& n, const std::string& t, float u, float area) : u(u) {
        nombre = n;
        tipo = t;
        areasLados = {area, 0.0f};
    }
    void calcularH(float& H, float, float) const override { H = u * area(); }
    float u;
};

class EdificioVacio : public Edificio {};

class ResumenZonasTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto d = std::make_unique<ValoresPorDefecto>(
            dir.escribir("defectos.inp", "\nNO-HABITABLES = ( \"NINGUNO\" )\n"));
        d->numHoras = {24, true};
        hub.ponerDefectos(std::move(d));
        hub.global().leerParametros(LeerBDL(), gDefectos, dir.fichero("res.txt"));
        // Zone 5 of the zone-number limits.
        tablas.transmitanciaMaximaMuros = 1.6f;
        tablas.transmitanciaMaximaCubiertas = 0.33f;
        tablas.transmitanciaMaximaSuelos = 0.50f;
        tablas.porcentajeMaximoVentanas[0] = 18.0f;
        tablas.porcentajeMaximoVentanas[2] = 70.0f;
    }
    std::string log() {
        hub.global().cerrarSinVeredicto("");
        return leerFichero(dir.fichero("Error.log"));
    }
    const std::vector<std::string>& fallos() { return hub.global().fallos(0); }
    // One element of a habitable space, without a neighbour unless given.
    void agregar(ResumenZonas& r, const Elemento& e, int categoria, float inclinacion,
                 int vecino = -1, bool bloque = false) {
        r.agregar(e, categoria, inclinacion, vecino, false, bloque, 25.0f, 7.7f, factor);
    }

    DirectorioTemporal dir;
    HubDePrueba hub{dir.fichero("Error.log")};
    Tablas tablas;
    EdificioVacio edificio;
    FactorReduccion factor{edificio, 25.0f, 7.7f};
};

} // namespace

TEST(ResumenZonasListas, ValoresDistintosRedondeadosYSuMaximo) {
    std::vector<float> l;
    float max = 0.0f;
    for (float x : {0.745f, 0.7449f, 0.5f, 0.1251f}) // 74.5 as a float: half toward zero
        ResumenZonas::agregarValorDistinto(l, max, x);
    EXPECT_FLOAT_EQ(max, 0.74f);
    EXPECT_EQ(ResumenZonas::textoLista(l), "( 0.74 , 0.50 , 0.13 )");
    EXPECT_EQ(ResumenZonas::textoLista({}), "( 0.00 )");
}

TEST_F(ResumenZonasTest, UPonderadaPorEncimaDeSuMaximoDejaLasClasesComoEstan) {
    tablas.transmitanciaMaximaPonderada = 1.5f;
    ResumenZonas r(tablas, "5");
    const std::string muro = "onedimensional_wall";
    ElementoPrueba m1("\"M1\"", muro, 0.5f, 80.0f), m2("\"M2\"", muro, 1.7f, 20.0f);
    ElementoPrueba c("\"C\"", muro, 0.3f, 50.0f), v1("\"V1\"", "window", 5.0f, 20.0f);
    ElementoPrueba v2("\"V2\"", "window", 2.0f, 10.0f);
    agregar(r, m1, 0, 90.0f);
    agregar(r, m2, 0, 90.0f);
    agregar(r, c, 2, 0.0f);
    agregar(r, v1, 4, 90.0f);
    agregar(r, v2, 4, 90.0f);
    // The 2.0 window enters the weighted U as 3.6: sum UA = 40 + 34 + 100 + 36 = 210 W/K over
    // 130 m2 -> 1.62 > 1.50.
    EXPECT_FLOAT_EQ(r.sumaH, 210.0f);
    r.escribir();
    // Monolithic 20 / (30 + 100) = 15.4 % against 0.01 * (20 / 0.3) * 18 = 12 %; low-emissivity
    // 10 / 130 = 7.7 % against 0.01 * (10 / 0.3) * 70 = 23 %. The weighted U itself is not a
    // failure.
    EXPECT_EQ(log(), "UMUROS = ( 0.50 , 1.70 )\n"
                     "UMUROS-MAXIMA = 1.60\n"
                     "UTECHUMBRES = ( 0.30 )\n"
                     "UTECHUMBRES-MAXIMA = 0.33\n"
                     "UPISOS = ( 0.00 )\n"
                     "UPISOS-MAXIMA = 0.50\n"
                     "UPONDERADA = 1.62\n"
                     "UPONDERADA-MAXIMA = 1.50\n"
                     "PORCENTAJE-MONOLITICO = 15\n"
                     "PORCENTAJE-MONOLITICO-MAXIMO = 12\n"
                     "PORCENTAJE-HERMETICO = 0\n"
                     "PORCENTAJE-HERMETICO-MAXIMO = 0\n"
                     "PORCENTAJE-HERMETICO-BE = 8\n"
                     "PORCENTAJE-HERMETICO-BE-MAXIMO = 23\n");
    EXPECT_EQ(fallos(), (std::vector<std::string>{
                            "Transmitancia T\xE9rmica de muros: 1.70 W/m2K M\xE1xima permitida: "
                            "1.60 W/m2K",
                            "Porcentaje de ventanas proyecto vidrio monol\xEDtico: 15% M\xE1ximo "
                            "permitido: 12%"}));
    // What the report shows is what was written: the lines, the failing classes with their
    // texts, the weighted rule applied but not re-rating the windows.
    const ResumenZonas::Resumen& s = r.resumen();
    std::string lineas;
    for (const std::string& l : s.lineas) lineas += l + "\n";
    EXPECT_EQ(lineas, log());
    EXPECT_EQ(s.muros.texto, fallos()[0]);
    EXPECT_EQ(s.vidrios[0].texto, fallos()[1]);
    EXPECT_FALSE(s.vidrios[0].cumple);
    EXPECT_TRUE(s.vidrios[2].cumple);
    EXPECT_FALSE(s.vidrios[1].presente);
    EXPECT_TRUE(s.aplicada && !s.reclasificado && !s.dentroDeLimites);
    EXPECT_FLOAT_EQ(s.areaEnvolvente, 130.0f);
}

TEST_F(ResumenZonasTest, LucernariosPuertasYHuecosHaciaAbajo) {
    ElementoPrueba lucernario("\"L\"", "window", 3.7f, 2.0f);
    ElementoPrueba puerta("\"P\"", "puertaOpaca", 2.0f, 2.0f);
    ElementoPrueba abajo("\"B\"", "window", 2.0f, 2.0f);
    ResumenZonas tres(tablas, "3"), uno(tablas, "1");
    agregar(tres, lucernario, 4, 0.0f);
    EXPECT_EQ(fallos(), std::vector<std::string>{"Ventana proyecto techumbre U = 3.70 W/m2K U "
                                                 "m\xE1ximo permitido = 3.6 W/m2K "});
    EXPECT_FLOAT_EQ(tres.sumaH, 7.4f); // a skylight enters with its own U
    // Zone 1: not checked; a door and a downward opening never count.
    agregar(uno, lucernario, 4, 0.0f);
    agregar(uno, puerta, 4, 90.0f);
    agregar(uno, abajo, 4, 180.0f);
    EXPECT_TRUE(fallos().size() == 1u && uno.areaVentanas == 2.0f);
}

TEST_F(ResumenZonasTest, ParticionesVerticalesMedianerasYBloque) {
    ElementoPrueba medianera("\"MED\"", "onedimensional_wall", 1.0f, 12.0f);
    medianera.tipoMuro = "PARTY-WALL";
    ElementoPrueba entreViviendas("\"PV\"", "onedimensional_wall", 1.5f, 8.0f);
    ResumenZonas bloque(tablas, "5"), casa(tablas, "5");
    agregar(bloque, medianera, 1, 90.0f, 0, true);
    agregar(bloque, entreViviendas, 1, 90.0f, 1, true);
    agregar(bloque, entreViviendas, 1, 90.0f, 0, true); // seen from both sides
    agregar(casa, entreViviendas, 1, 90.0f, 1, false);
    EXPECT_FLOAT_EQ(bloque.sumaH, 12.0f);
    EXPECT_FLOAT_EQ(casa.areaBloque, 0.0f); // a house does not count them at all
    bloque.escribir();
    // The party wall and half the block partitions; partitions never enter the wall list.
    EXPECT_TRUE(bloque.areaMuros == 20.0f && bloque.muros.empty());
}
