#include "report/EscritorHtml.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "report/PlantillaInforme.h"

namespace {

const std::string kPlantilla =
    std::string(ENVOLVENTE_FUENTES) + "/src/report/plantilla/informe.html";

// The executable carries the template of the sources, byte for byte, with one placeholder.
TEST(EscritorHtml, PlantillaIncrustadaEsLaDelFuente) {
    const std::string incrustada(kPlantillaInforme, kLongitudPlantillaInforme);
    EXPECT_EQ(incrustada, leerFichero(kPlantilla));
    const std::size_t p = incrustada.find(EscritorHtml::kMarcador);
    ASSERT_NE(p, std::string::npos);
    EXPECT_EQ(incrustada.find(EscritorHtml::kMarcador, p + 1), std::string::npos);
}

// The page is the template with the JSON in place of the placeholder, every "<" escaped: a name
// that holds "</script>" stays inside the data.
TEST(EscritorHtml, PaginaConElJsonEscapado) {
    DirectorioTemporal dir;
    const std::string json = "{\"nombre\":\"</script><!-- x\",\"a\":\"<<\"}";
    ASSERT_TRUE(EscritorHtml::escribir(dir.fichero("p.html"), json));
    const std::string plantilla = leerFichero(kPlantilla);
    std::string esperada = plantilla;
    const std::string escapado =
        "{\"nombre\":\"\\u003c/script>\\u003c!-- x\",\"a\":\"\\u003c\\u003c\"}";
    EXPECT_EQ(EscritorHtml::escapar(json), escapado);
    esperada.replace(plantilla.find(EscritorHtml::kMarcador),
                     std::string(EscritorHtml::kMarcador).size(), escapado);
    EXPECT_EQ(leerFichero(dir.fichero("p.html")), esperada);
    EXPECT_FALSE(EscritorHtml::escribir(dir.fichero("no-existe/p.html"), json));
}

} // namespace
