#include "report/JsonInforme.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Each 32-bit float is printed with the fewest digits that read back as that same float (a whole
// number as an integer), and a value that is not finite is null.
TEST(JsonInforme, NumerosCortosQueVuelvenAlMismoFloat) {
    const std::pair<float, const char*> casos[] = {
        {0.1f, "0.1"},     {1.13f, "1.13"},      {20.0f, "20"},
        {-0.27f, "-0.27"}, {-0.0f, "-0.0"},      {2.6372695f, "2.6372695"},
        {1e-7f, "1e-07"},  {3.4e38f, "3.4e+38"}, {0.0f, "0"}};
    for (const auto& c : casos) {
        const auto texto = JsonInforme::numero(c.first).dump();
        EXPECT_EQ(texto, c.second);
        EXPECT_EQ(std::strtof(texto.c_str(), nullptr), c.first) << texto;
    }
    EXPECT_EQ(JsonInforme::numero(std::numeric_limits<float>::quiet_NaN()).dump(), "null");
    EXPECT_EQ(JsonInforme::numero(std::numeric_limits<float>::infinity()).dump(), "null");
    // A double goes out as its nearest float; kNoDado (-1e10) as null where it means "not given".
    EXPECT_EQ(JsonInforme::numero(0.1).dump(), "0.1");
    EXPECT_EQ(JsonInforme::numeroODado(-1e10f).dump(), "null");
    EXPECT_EQ(JsonInforme::numeroODado(-99.0f).dump(), "-99");
}

TEST(JsonInforme, DosDecimalesComoLosImprimeElTexto) {
    // The value of the message: printf rounds 2.6372695 to "2.64".
    EXPECT_EQ(JsonInforme::dosDecimales(2.6372695f).dump(), "2.64");
    EXPECT_EQ(JsonInforme::dosDecimales(1.13f).dump(), "1.13");
    EXPECT_EQ(JsonInforme::dosDecimales(0.125f).dump(), "0.12");
}

// Windows-1252 bytes become UTF-8, the bytes the code page leaves undefined the replacement
// character, so that writing the document never fails.
TEST(JsonInforme, TextosLatin1AUtf8) {
    Json j =
        Json::array({JsonInforme::texto("\"REQUERIMIENTOS M\xCDNIMOS\""),
                     JsonInforme::texto("c\xE1lculo \x80"), JsonInforme::texto("\x81\x9D\xFF")});
    EXPECT_EQ(j.dump(), "[\"\\\"REQUERIMIENTOS M\xC3\x8DNIMOS\\\"\",\"c\xC3\xA1lculo "
                        "\xE2\x82\xAC\",\"\xEF\xBF\xBD\xEF\xBF\xBD\xC3\xBF\"]");
}

} // namespace
