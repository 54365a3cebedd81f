#include "shell/Manifiesto.h"

#include <gtest/gtest.h>

#include <set>

#include "base/ErrorFatal.h"

namespace {

const char* kCabecera = "id,edificio,clima,zona,limites,defectos\n";

std::string mensajeDeError(const std::string& texto) {
    try {
        Manifiesto::leer(texto, "m.csv", "/base");
    } catch (const ErrorFatal& e) {
        EXPECT_EQ(e.codigo(), 3);
        return e.mensaje();
    }
    return "";
}

TEST(Manifiesto, CamposCsvConComillas) {
    const std::string texto = "\xEF\xBB\xBF"
                              "a,\"b,c\",\"d \"\"e\"\"\"\r\n"
                              "\n"
                              "  f  , \"g\nh\" ,\"\"\n"
                              "\"\",ij,k";
    const auto r = Manifiesto::registrosCsv(texto, "m.csv");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].campos, (std::vector<std::string>{"a", "b,c", "d \"e\""}));
    EXPECT_EQ(r[1].campos, (std::vector<std::string>{"f", "g\nh", ""}));
    EXPECT_EQ(r[2].campos, (std::vector<std::string>{"", "ij", "k"}));
    EXPECT_EQ(r[0].linea, 1);
    EXPECT_EQ(r[1].linea, 3); // after a blank line
    EXPECT_EQ(r[2].linea, 5); // after a line end inside quotes
}

TEST(Manifiesto, DisenosConRutasDesdeLaCarpetaDelManifiesto) {
    const std::string texto = std::string("zona,id,limites,clima,edificio,extra\n") +
                              "D3,casa-1,lib/limites.lim,/abs/D3.txt,edificios/1.bdl,x\n" +
                              "\"E1\",\"casa 2\",../l.lim,c.txt,\"b con, nada\"\"\",y\n";
    // The comma inside quotes is still a comma of the run's argument string: refused.
    EXPECT_EQ(mensajeDeError(texto), "m.csv:3: la columna edificio no puede llevar comas");

    const auto d =
        Manifiesto::leer(std::string("zona,id,limites,clima,edificio,extra\n") +
                             "D3,casa-1,lib/limites.lim,/abs/D3.txt,edificios/1.bdl,x\n" +
                             "\"E1\",\"casa 2\",../l.lim,c.txt,\"b \"\"x\"\"\",y\n",
                         "m.csv", "/base");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].id, "casa-1");
    EXPECT_EQ(d[0].edificio, "/base/edificios/1.bdl");
    EXPECT_EQ(d[0].clima, "/abs/D3.txt");
    EXPECT_EQ(d[0].zona, "D3");
    EXPECT_EQ(d[0].limites, "/base/lib/limites.lim");
    EXPECT_EQ(d[0].defectos, "defectos.inp"); // no column: the default name
    EXPECT_EQ(d[0].linea, 2);
    EXPECT_EQ(d[1].id, "casa 2");
    EXPECT_EQ(d[1].edificio, "/base/b \"x\"");
    EXPECT_EQ(d[1].limites, "/base/../l.lim");

    const auto e = Manifiesto::leer(std::string(kCabecera) + "a,e.bdl,c.txt,D3,l.lim,\n" +
                                        "b,e.bdl,c.txt,D3,l.lim,otros.inp\n",
                                    "m.csv", "/base");
    EXPECT_EQ(e[0].defectos, "defectos.inp"); // empty: the default name
    EXPECT_EQ(e[1].defectos, "otros.inp");    // a name in the library folder, not resolved
}

TEST(Manifiesto, ErroresConFicheroYLinea) {
    const std::string fila = "a,e.bdl,c.txt,D3,l.lim,\n";
    const std::pair<std::string, std::string> casos[] = {
        {"", "m.csv:1: manifiesto vacío, sin cabecera"},
        {"id,edificio,clima,zona\n",
         "m.csv:1: falta la columna limites (cabecera: id,edificio,clima,zona,limites,defectos)"},
        {"id,id,edificio,clima,zona,limites\n", "m.csv:1: columna repetida: id"},
        {kCabecera + fila + "b,e.bdl,c.txt\n", "m.csv:3: 3 campos donde la cabecera tiene 6"},
        {kCabecera + fila + fila, "m.csv:3: identificador repetido: a"},
        {kCabecera + std::string("x/y,e.bdl,c.txt,D3,l.lim,\n"),
         "m.csv:2: identificador no válido: «x/y»"},
        {kCabecera + std::string("..,e.bdl,c.txt,D3,l.lim,\n"),
         "m.csv:2: identificador no válido: «..»"},
        {kCabecera + std::string(",e.bdl,c.txt,D3,l.lim,\n"),
         "m.csv:2: identificador no válido: «»"},
        {kCabecera + std::string("a,e.bdl,,D3,l.lim,\n"), "m.csv:2: la columna clima está vacía"},
        {kCabecera + std::string("a,e.bdl,c.txt,D3,l.lim,\"x,y\"\n"),
         "m.csv:2: la columna defectos no puede llevar comas"},
        {kCabecera + std::string("a,\"e.bdl,c.txt,D3,l.lim,\n"),
         "m.csv:2: faltan las comillas que cierran el campo"},
        {kCabecera + std::string("a,\"e.bdl\"x,c.txt,D3,l.lim,\n"),
         "m.csv:2: texto tras las comillas que cierran el campo"},
        {kCabecera + std::string("a,e\"bdl,c.txt,D3,l.lim,\n"),
         "m.csv:2: comilla dentro de un campo sin comillas"},
        {kCabecera + std::string("a,e.bdl,c.txt,D3,l") + std::string(1, '\0') + ",\n",
         "m.csv:2: la columna limites lleva un carácter nulo"},
    };
    for (const auto& [texto, mensaje] : casos) EXPECT_EQ(mensajeDeError(texto), mensaje);
}

TEST(Manifiesto, PartesEstablesQueCubrenElManifiestoUnaVez) {
    for (int total : {0, 1, 7, 200, 1001}) {
        std::vector<Diseno> d(static_cast<std::size_t>(total));
        for (int i = 0; i < total; ++i) d[static_cast<std::size_t>(i)].id = std::to_string(i);
        for (int n : {1, 2, 3, 4, 16}) {
            std::vector<std::string> unidas;
            std::size_t menor = d.size(), mayor = 0;
            for (int k = 1; k <= n; ++k) {
                const auto p = Manifiesto::parte(d, k, n);
                EXPECT_EQ(Manifiesto::parte(d, k, n).size(), p.size()); // the same every time
                menor = std::min(menor, p.size());
                mayor = std::max(mayor, p.size());
                for (const Diseno& x : p) unidas.push_back(x.id);
            }
            // Shards 1..n in turn are the manifest in its order; their sizes differ by one at
            // most.
            std::vector<std::string> todas;
            for (const Diseno& x : d) todas.push_back(x.id);
            EXPECT_EQ(unidas, todas) << total << " en " << n;
            EXPECT_LE(mayor - menor, 1u) << total << " en " << n;
        }
    }
}

} // namespace
