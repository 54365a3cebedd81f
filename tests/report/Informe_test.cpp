#include "report/Informe.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "report/EscritorHtml.h"

namespace {

const std::string kEjemplos = std::string(ENVOLVENTE_FUENTES) + "/examples";

// A report of a run that stopped before it read anything: the error, the arguments and empty
// parts; no verdict, no log.
TEST(Informe, ErrorAntesDeLeerNada) {
    Global2 g("/nonexistent/Error.log");
    FuentesInforme f;
    f.argumentos = "a.bdl,b.txt,D3";
    f.parametros = {"a.bdl", "b.txt", "D3", "", "", "defectos.inp"};
    f.codigoSalida = 3;
    f.conError = true;
    f.mensajeError = "El fichero a.bdl no existe";
    f.etapaError = "lectura";
    f.global = &g;
    const Json j = Informe::construir(f);
    EXPECT_EQ(j["version"], 1);
    EXPECT_EQ(j["error"]["textoError"], "Se ha producido un error: El fichero a.bdl no existe");
    EXPECT_EQ(j["error"]["etapa"], "lectura");
    EXPECT_EQ(j["ejecucion"]["codigoSalida"], 3);
    EXPECT_EQ(j["ejecucion"]["regimen"], nullptr);
    EXPECT_EQ(j["ejecucion"]["parametros"]["zona"], "D3");
    for (const char* nulo :
         {"edificio", "limites", "clima", "resumenZonas", "veredicto", "registro"})
        EXPECT_TRUE(j[nulo].is_null()) << nulo;
    for (const char* vacio : {"plantas", "espacios", "elementos", "particiones", "puentesTermicos",
                              "comprobacionesPuentes"})
        EXPECT_EQ(j[vacio], Json::array()) << vacio;
}

// After the verdict: its lines are those of the results file, each failure pointing to no
// element when the failure belongs to none.
TEST(Informe, VeredictoDesdeLasListasDeFallos) {
    DirectorioTemporal dir;
    HubDePrueba hub(dir.fichero("Error.log"));
    Global2& g = hub.global();
    g.resultados().activar();
    g.copiarLog();
    g.leerParametros(*LeerBDL::desdeTexto("\nLONGITUD-DE-REFERENCIA = 70\nNUM-HORAS = 10\n"),
                     nullptr, dir.fichero("res.txt"));
    g.registrarFallo(false, "Transmitancia T\xE9rmica de muros: 1.99 W/m2K", 0);
    g.escribirVeredicto();
    FuentesInforme f;
    f.global = &g;
    const Json j = Informe::construir(f);
    EXPECT_EQ(j["ejecucion"]["regimen"], "numeroZona");
    const Json& v = j["veredicto"];
    EXPECT_EQ(v["texto"], "NO CUMPLE");
    EXPECT_EQ(v["lineas"], Json::array({"Transmitancia T\xC3\xA9rmica de muros: 1.99 W/m2K, "
                                        "\"REQUERIMIENTOS M\xC3\x8DNIMOS\"",
                                        "NO CUMPLE"}));
    EXPECT_EQ(v["fallos"][0]["elemento"], nullptr);
    EXPECT_EQ(v["fallos"][0]["linea"], 0);
    EXPECT_EQ(j["registro"][0], "$");
    EXPECT_EQ(j["registro"][1], "NO CUMPLE");
}

struct Corrida {
    ResultadoEjecucion r;
    std::string resultados, log, particio, puentes;
};

// The sample building run in a fresh folder, with the options given.
Corrida correr(const DirectorioTemporal& dir, std::vector<std::string> opciones) {
    const std::string cadena = kEjemplos + "/edificio.bdl," + kEjemplos + "/clima/D3.txt,D3," +
                               dir.fichero("resultados.txt") + "," + kEjemplos +
                               "/lib/limites.lim,defectos.inp";
    Corrida c;
    c.r = ejecutarMotor(opciones, cadena, dir.ruta());
    c.resultados = leerFichero(dir.fichero("resultados.txt"));
    c.log = leerFichero(dir.fichero("Error.log"));
    c.particio = leerFichero(dir.fichero("Particio.dat"));
    c.puentes = leerFichero(dir.fichero("puentes.dat"));
    return c;
}

// The option adds its two files and changes nothing else; the page carries the same JSON.
TEST(InformeMotor, LaOpcionSoloAnadeSusFicheros) {
    DirectorioTemporal sin, con;
    const Corrida a = correr(sin, {});
    const Corrida b = correr(con, {"--informe", con.fichero("informe")});
    EXPECT_EQ(std::make_pair(a.r.codigo, b.r.codigo), std::make_pair(0, 0)) << b.r.salidaError;
    EXPECT_EQ(b.r.salidaError, "");
    EXPECT_EQ(a.resultados, b.resultados);
    EXPECT_EQ(a.particio, b.particio);
    EXPECT_EQ(a.puentes, b.puentes);
    // The time stamp line of the log is the same: nothing in the engine adds stamps.
    EXPECT_EQ(a.log, b.log);
    EXPECT_FALSE(existe(sin.fichero("informe")));

    const std::string json = leerFichero(con.fichero("informe/informe.json"));
    const Json j = Json::parse(json);
    EXPECT_EQ(j["veredicto"]["texto"], "NO CUMPLE");
    EXPECT_EQ(j["elementos"].size(), 68u); // 52 objects of the file and 16 partitions
    const std::string pagina = leerFichero(con.fichero("informe/informe.html"));
    EXPECT_NE(pagina.find(EscritorHtml::escapar(json.substr(0, json.size() - 1))),
              std::string::npos);
}

// A folder that cannot be made: the run is as ever, and standard error says why there is no
// report.
TEST(InformeMotor, CarpetaImposibleNoCambiaLaEjecucion) {
    DirectorioTemporal dir;
    dir.escribir("fichero", "x");
    const Corrida c = correr(dir, {"-o", dir.fichero("fichero/informe")});
    EXPECT_EQ(c.r.codigo, 0);
    EXPECT_NE(c.r.salidaError.find("envolvente: informe: no se puede escribir"), std::string::npos)
        << c.r.salidaError;
    EXPECT_NE(c.resultados.find("NO CUMPLE"), std::string::npos);
}

// In a batch the option names a folder inside each design's folder.
TEST(InformeMotor, LoteConInformePorDiseno) {
    DirectorioTemporal dir;
    dir.escribir("manifiesto.csv", "id,edificio,clima,zona,limites,defectos\ncasa," + kEjemplos +
                                       "/edificio.bdl," + kEjemplos + "/clima/D3.txt,D3," +
                                       kEjemplos + "/lib/limites.lim,\n");
    ResultadoEjecucion r = ejecutarMotor(
        {"-q", "--lote", dir.fichero("manifiesto.csv"), "-d", dir.fichero("lote"), "-o", "informe"},
        "", dir.ruta());
    EXPECT_EQ(r.codigo, 0) << r.salidaError;
    const Json j = Json::parse(leerFichero(dir.fichero("lote/casa/informe/informe.json")));
    EXPECT_EQ(j["veredicto"]["lineas"].size(), 3u);
    EXPECT_TRUE(existe(dir.fichero("lote/casa/informe/informe.html")));
}

} // namespace
