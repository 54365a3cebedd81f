#include "input/ListasFallos.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What a function writes to a temporary file.
std::string escrito(const std::function<void(std::FILE*)>& escribir) {
    struct Cerrar {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Cerrar> f(std::tmpfile());
    escribir(f.get());
    std::rewind(f.get());
    std::string r;
    for (int c; (c = std::fgetc(f.get())) != EOF;) r += static_cast<char>(c);
    return r;
}

std::pair<std::string, std::string> veredicto(const ListasFallos& l) {
    return {escrito([&](std::FILE* f) { l.escribirVeredicto(f, nullptr); }),
            escrito([&](std::FILE* f) { l.escribirVeredicto(nullptr, f); })};
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
