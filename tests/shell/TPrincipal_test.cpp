// The run driver's review (option --revisar) and the place of a fatal error, run in process on
// small variants of one building: each trap of the input with the warning, or the line that
// points the fatal error into the input, that it must give, with its file and line.
#include "shell/TPrincipal.h"

#include <gtest/gtest.h>

#include "base/ErrorFatal.h"
#include "comun/EdificioDePrueba.h"
#include "comun/Entorno.h"

namespace {

// A run folder for the building of each case.
struct Revision : ::testing::Test {
    DirectorioTemporal dir;
    void SetUp() override { prepararCarpetaDeEjecucion(dir); }
    void preparar(TPrincipal& p, const std::string& edificio, bool revisar) {
        p.ocultarProgreso();
        p.ponerRevision(revisar);
        p.PonerArgumentos(dir.escribir("edificio.bdl", edificio), dir.fichero("clima.txt"), "D3",
                          dir.fichero("resultados.txt"), dir.fichero("limites.lim"),
                          "defectos.inp");
    }
    // The warnings of a review, also when it ends with a fatal error.
    std::vector<Aviso> revisar(const std::string& edificio) {
        TPrincipal p("envolvente");
        preparar(p, edificio, true);
        try {
            p.Calcular();
        } catch (const ErrorFatal& e) {
            p.liberar(e.mensaje());
        }
        return p.avisos();
    }
    // The line that points the fatal error of a normal run into the input.
    std::string segundaLinea(const std::string& edificio) {
        TPrincipal p("envolvente");
        preparar(p, edificio, false);
        try {
            p.Calcular();
        } catch (const ErrorFatal& e) {
            p.liberar(e.mensaje());
            return PilaObjetos::explicar(e, p.marcosDelFallo());
        }
        return "(sin error)";
    }
};

struct Trampa {
    const char* caso;
    std::vector<Cambio> cambios;
    std::string defectosAntes; // text put before the defaults file
    Aviso::Clase clase;
    const char* fichero; // "edificio.bdl" or "defectos.inp"
    int linea;
    const char* objeto;
};

using C = Aviso::Clase;

TEST_F(Revision, CadaTrampaDaSuAvisoConFicheroYLinea) {
    const std::string compliance = "\"CUMPLIMIENTO\" = COMPLIANCE\nC-BUILDING-TYPE = 32\n..\n";
    const std::string tabique = "\"TABIQUE\" = INTERIOR-WALL\nLOCATION = SPACE-V2\n"
                                "NEXT-TO = \"S1\"\nCONSTRUCTION = \"MURO\"\n..\n";
    // clang-format off
    const std::vector<Trampa> trampas = {
        {"clave dentro de otra", {{"", compliance}}, "", C::ClaveDentro, "edificio.bdl", 43,
         "\"CUMPLIMIENTO\""},
        {"tipo de edificio", {{"", compliance}}, "", C::SinVeredicto, "edificio.bdl", 43, ""},
        {"clave dentro de un nombre", {{"\"V-1\" = WINDOW", "\"V-EXTRA\" = WINDOW"}}, "",
         C::ClaveDentro, "edificio.bdl", 35, "\"V-EXTRA\""},
        {"clave de defectos dentro de otra", {}, "\nGROUND-RO = 2000.0\n", C::ClaveDentro,
         "defectos.inp", 2, ""},
        {"clave repetida", {{"HEIGHT = 3\nSPACE", "HEIGHT = 3\nHEIGHT = 4\nSPACE"}}, "",
         C::ClaveRepetida, "edificio.bdl", 28, "\"S1\""},
        {"tipo no leido", {{"", "\"P-1\" = DOOR\nWIDTH = 1\n..\n"}}, "", C::TipoNoLeido,
         "edificio.bdl", 42, "\"P-1\""},
        {"nombre sin comillas", {{"\"V-1\" = WINDOW", "V-1 = WINDOW"}}, "",
         C::NombreSinComillas, "edificio.bdl", 35, ""},
        {"objeto sin cerrar", {{"CONSTRUCTION = \"MURO\"\n..\n", "CONSTRUCTION = \"MURO\"\n"}},
         "", C::SinCierre, "edificio.bdl", 31, "\"M-SUR\""},
        {"poligono inexistente", {{"\"P-A\"\nHEIGHT", "\"P-X\"\nHEIGHT"}}, "",
         C::ReferenciaInexistente, "edificio.bdl", 26, "\"S1\""},
        {"construccion inexistente", {{"= \"MURO\"", "= \"MURO-X\""}}, "",
         C::ReferenciaInexistente, "edificio.bdl", 33, "\"M-SUR\""},
        {"vidrio inexistente", {{"= \"VIDRIO\"", "= \"VIDRIO-X\""}}, "",
         C::ReferenciaInexistente, "edificio.bdl", 40, "\"V-1\""},
        {"espacio vecino inexistente", {{"SPACE-V1\n", "SPACE-V1\nNEXT-TO = \"S9\"\n"}}, "",
         C::ReferenciaInexistente, "edificio.bdl", 33, "\"M-SUR\""},
        {"material inexistente", {{"", "\"L\" = LAYERS\nMATERIAL = ( \"M-X\" )\n..\n"}}, "",
         C::ReferenciaInexistente, "edificio.bdl", 43, "\"L\""},
        {"ventanas mayores que el muro", {{"WIDTH = 2\nHEIGHT = 1.5", "WIDTH = 12\nHEIGHT = 4"}},
         "", C::VentanasReducidas, "edificio.bdl", 31, "\"M-SUR\""},
        // The wall gives its area up to its windows: nothing is left of it to check.
        {"muro sin area", {{"WIDTH = 2\nHEIGHT = 1.5", "WIDTH = 12\nHEIGHT = 4"}}, "",
         C::AreaNula, "edificio.bdl", 31, "\"M-SUR\""},
        {"muro interior quitado", {{"", tabique}}, "", C::MuroInteriorQuitado, "edificio.bdl", 42,
         "\"TABIQUE\""},
    };
    // clang-format on
    for (const Trampa& t : trampas) {
        escribirDefectos(dir, t.defectosAntes);
        const std::vector<Aviso> avisos = revisar(editar(kEdificioUnaSala, t.cambios));
        bool hallado = false;
        std::string vistos;
        for (const Aviso& a : avisos) {
            vistos += "\n  " + a.linea();
            hallado = hallado || (a.clase == t.clase && a.lugar.fichero == dir.fichero(t.fichero) &&
                                  a.lugar.linea == t.linea && a.objeto == t.objeto);
        }
        EXPECT_TRUE(hallado) << t.caso << ": " << Aviso::nombreClase(t.clase) << " en " << t.fichero
                             << ":" << t.linea << "; hay:" << vistos;
    }
    // The building as it is gives no warning at all.
    escribirDefectos(dir, "");
    EXPECT_TRUE(revisar(kEdificioUnaSala).empty());
}

struct Fallo {
    const char* caso;
    std::vector<Cambio> cambios;
    std::string segunda; // '@' stands for the run folder
};

TEST_F(Revision, ElErrorFatalSenalaSuLugar) {
    // clang-format off
    const std::vector<Fallo> fallos = {
        {"poligono inexistente", {{"\"P-A\"\nHEIGHT", "\"P-X\"\nHEIGHT"}},
         "@/edificio.bdl:26: en el objeto \"S1\" (SPACE): se buscaba el pol\xEDgono \"P-X\" "
         "(POLYGON)"},
        {"construccion inexistente", {{"= \"MURO\"", "= \"MURO-X\""}},
         "@/edificio.bdl:33: en el objeto \"M-SUR\" (EXTERIOR-WALL), al construir \"S1\" (SPACE): "
         "se buscaba la construcci\xF3n \"MURO-X\" (CONSTRUCTION)"},
        {"codigo de vidrio inexistente",
         {{"TYPE = SHADING-COEF\nSHADING-COEF = 0.8", "TYPE = GLASS-TYPE-CODE\n"
                                                       "GLASS-TYPE-CODE = 2203"}},
         "@/edificio.bdl:18: en el objeto \"VIDRIO\" (GLASS-TYPE), al construir \"V-1\" (WINDOW): "
         "se buscaba el c\xF3" "digo de vidrio 2203 (GLASS-TYPE-CODE) en @/BDLLIB.DAT"},
        {"ventana sin anchura", {{"WIDTH = 2\n", ""}},
         "@/edificio.bdl:35: en el objeto \"V-1\" (WINDOW), al construir \"M-SUR\" "
         "(EXTERIOR-WALL)"},
        {"espacio muy lejos", {{"HEIGHT = 3\nSPACE", "HEIGHT = 3\nX = 1e38\nSPACE"}},
         "@/edificio.bdl:25: en el objeto \"S1\" (SPACE)"},
        {"nodo repetido", {{"V3 = ( 10, 5 )", "V3 = ( 10, 0 )"}},
         "@/edificio.bdl:25: en el objeto \"S1\" (SPACE)"},
    };
    // clang-format on
    for (const Fallo& f : fallos) {
        std::string esperada = f.segunda;
        for (std::size_t p; (p = esperada.find('@')) != std::string::npos;)
            esperada.replace(p, 1, dir.ruta());
        EXPECT_EQ(segundaLinea(editar(kEdificioUnaSala, f.cambios)), esperada) << f.caso;
    }
}

} // namespace
