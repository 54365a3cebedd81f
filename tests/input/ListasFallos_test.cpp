#include "input/ListasFallos.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

// The verdict word of the error log and the text of the results file.
std::pair<std::string, std::string> veredicto(const ListasFallos& l) {
    return {l.veredicto(), l.textoResultados()};
}

TEST(ListasFallos, CumpleSinFallos) {
    ListasFallos l;
    l.registrarFallo(true, "nada", 0);
    EXPECT_FALSE(l.fallido());
    EXPECT_EQ(veredicto(l), std::make_pair(std::string("CUMPLE"), std::string("CUMPLE")));
}

TEST(ListasFallos, UnaLineaPorMensajeYListaEnOrdenDeListas) {
    ListasFallos l;
    l.registrarFallo(false, "\"V1\": Permeabilidad = 50.00", 3);
    l.registrarFallo(false, "\"M1\": U = 0.80W/m2K", 0);
    l.registrarFallo(false, "\"m1\": u = 0.80w/m2k", 0); // equal by the name comparison
    l.registrarFallo(false, "\"M1\": U = 0.80W/m2K", 2);
    EXPECT_EQ(l.fallos(0).size(), 1u);
    EXPECT_EQ(veredicto(l).first, "NO CUMPLE");
    EXPECT_EQ(veredicto(l).second, "\"M1\": U = 0.80W/m2K, \"REQUERIMIENTOS M\xCDNIMOS\"\n"
                                   "\"M1\": U = 0.80W/m2K, \"CONDENSACIONES INTERSTICIALES\"\n"
                                   "\"V1\": Permeabilidad = 50.00, \"PERMEABILIDAD\"\n"
                                   "NO CUMPLE");
    // A list out of range only marks the failure.
    ListasFallos otra;
    otra.registrarFallo(false, "x", 5);
    EXPECT_EQ(veredicto(otra), std::make_pair(std::string("NO CUMPLE"), std::string("NO CUMPLE")));
}

} // namespace
