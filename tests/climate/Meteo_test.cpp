#include "climate/Meteo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "base/Calendario.h"
#include "comun/Entorno.h"

namespace {

// The shared reference data: beside the source tree, or beside one of its parents (a worktree).
std::string datosCompartidos() {
    for (std::string d = ENVOLVENTE_FUENTES; !d.empty();) {
        if (existe(d + "/../shared/data/NM_Albuquerque_Intl_ArptTMY3.bin"))
            return d + "/../shared/data";
        const std::size_t barra = d.rfind('/');
        d.resize(barra == std::string::npos ? 0 : barra);
    }
    return ENVOLVENTE_DATOS_COMPARTIDOS;
}
const std::string kDatos = datosCompartidos();
const std::string kBinario = kDatos + "/NM_Albuquerque_Intl_ArptTMY3.bin";
const std::string kEpw = kDatos + "/USA_NM_Albuquerque.Intl.AP.723650_TMY3.epw";

// Relative humidity (%) of air at T degC holding w kg/kg at 101325 Pa: vapour pressure
// P w / (0.62198 + w) over the Magnus saturation pressure (610.5 Pa at 0 degC, over water above
// and over ice below), at most 100.
float humedadRelativa(float T, float w) {
    const double psat =
        610.5 * std::exp(T >= 0 ? 17.269 * T / (237.3 + T) : 21.875 * T / (265.5 + T));
    return static_cast<float>(std::min(100.0, 100.0 * 101325.0 * w / (0.62198 + w) / psat));
}

// Month (0-11) of an hour of the year, counted independently of the code under test.
int mesDeHora(int h) {
    int m = 0;
    for (int fin = 31; m < 11 && h / 24 >= fin; ++m) fin += Calendario::kDiasMes[m + 1];
    return m;
}

// A text climate file: title, latitude line, and `horas` hourly lines.
std::string textoClima(int horas, const std::function<std::string(int)>& linea) {
    std::string s = "Titulo\n41.5 2.0 100\n";
    for (int h = 0; h < horas; ++h) s += linea(h) + "\n";
    return s;
}

// month day hour T x Idir Idif w x wind winddir azimuth zenith
std::string lineaSimple(int h, float t, float w) {
    char b[200];
    std::snprintf(b, sizeof b, "%d 1 %d %.2f 0 100 50 %.5f 0 2 90 10 80", mesDeHora(h) + 1,
                  h % 24 + 1, t, w);
    return b;
}

class MeteoTest : public ::testing::Test {
protected:
    DirectorioTemporal dir;
    HubDePrueba hub;
};

} // namespace

TEST_F(MeteoTest, FormatoTextoPorPosicionDeLinea) {
    // Record integers deliberately wrong: the hour is the line's position.
    const std::string txt = textoClima(8760, [](int h) {
        char b[200];
        std::snprintf(b, sizeof b, "12 31 24 %d 55 %d 40.5 0.008 9 3.5 270 -45 60", h % 100 - 20,
                      h % 700);
        return std::string(b);
    });
    Meteo m;
    m.leerClima(dir.escribir("clima.BIN", txt)); // a suffix in capitals is not ".bin"
    EXPECT_EQ(m.horasLeidas, 8760);
    EXPECT_FLOAT_EQ(m.latitud, 41.5f);
    // -20 degC cannot hold 0.008 kg/kg (saturated); 24 degC holds it at 43.15 %, 39 degC at 18.4 %.
    for (int h : {0, 744, 8759}) {
        const float t = static_cast<float>(h % 100 - 20);
        const float esperado[] = {t,     static_cast<float>(h % 700), 40.5f, 60.0f, -45.0f, 3.5f,
                                  270.0f};
        const float leido[] = {m.temperatura[h],    m.radiacionDirecta[h], m.radiacionDifusa[h],
                               m.cenit[h],          m.azimut[h],           m.velocidadViento[h],
                               m.direccionViento[h]};
        for (int k = 0; k < 7; ++k) EXPECT_FLOAT_EQ(leido[k], esperado[k]) << h << " " << k;
        EXPECT_NEAR(m.humedad[h], humedadRelativa(t, 0.008f), 0.01f) << h;
    }
    EXPECT_NEAR(m.humedad[744], 43.15f, 0.01f);
    // The same text under ".bin" is taken as binary: it is far too short for a record.
    Meteo binario;
    binario.leerClima(dir.escribir("texto.bin", txt.substr(0, 5000)));
    EXPECT_EQ(binario.horasLeidas, 0);
}

TEST_F(MeteoTest, MediasMensualesSiguenElCalendario) {
    // Every hour carries its own month number: January is hours 0-743, December 8016-8759,
    // and any misplaced boundary hour shows in the means.
    Meteo m;
    m.leerClima(dir.escribir("meses.dat", textoClima(8760, [](int h) {
                                 return lineaSimple(h, static_cast<float>(mesDeHora(h) + 1),
                                                    0.0001f * (mesDeHora(h) + 1));
                             })));
    m.valoresMensuales();
    double anual = 0.0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_FLOAT_EQ(m.temperaturaMensual[i], static_cast<float>(i + 1)) << i;
        anual += (i + 1) * Calendario::kDiasMes[i] * 24.0;
    }
    EXPECT_NEAR(m.temperaturaAnual, anual / 8760.0, 1e-4);
    EXPECT_NEAR(m.humedadMensual[0], humedadRelativa(1.0f, 0.0001f), 1e-3f); // 2.48 %
}

TEST_F(MeteoTest, LineasMalFormadas) {
    // Lines missing numbers, with words or with non-finite values leave their hour at zero;
    // a very long line is still one hour.
    const std::string lineas[] = {"1 1 1 5 0 0 0", "uno dos tres",
                                  "1 1 3 nan 0 0 0 0.004 0 0 0 0 90",
                                  "1 1 4 1e39 0 0 0 0.004 0 0 0 0 90",
                                  "1 1 5 8 0 0 0 0.004 0 0 0 0 90" + std::string(5000, ' ') + "7"};
    Meteo v;
    v.leerClima(dir.escribir("malo.txt", textoClima(5, [&](int h) { return lineas[h]; })));
    EXPECT_EQ(v.horasLeidas, 1);
    for (int h = 0; h < 4; ++h) EXPECT_EQ(v.temperatura[h], 0.0f) << h;
    EXPECT_FLOAT_EQ(v.temperatura[4], 8.0f);
}

namespace {

// The C library's reading of one hourly line ("%d%d%d" and ten "%f", non-finite values refused):
// the ten reals, or false when the line does not hold them.
bool lineaSegunBibliotecaC(const std::string& linea, float v[10]) {
    const char* p = linea.c_str();
    char* fin;
    for (int i = 0; i < 3; ++i, p = fin)
        if (std::strtol(p, &fin, 10), fin == p) return false;
    for (int i = 0; i < 10; ++i, p = fin)
        if (v[i] = std::strtof(p, &fin), fin == p || !std::isfinite(v[i])) return false;
    return true;
}

// Every stored series of an hour against the C library's reading of its line, bit for bit.
void comprobarComoBibliotecaC(const std::vector<std::string>& lineas, const std::string& ruta) {
    Meteo m;
    m.leerClima(ruta);
    int leidas = 0;
    for (std::size_t h = 0; h < lineas.size(); ++h) {
        float v[10];
        const bool ok = lineaSegunBibliotecaC(lineas[h], v);
        leidas += ok;
        const float esperado[] = {v[0], v[2], v[3], v[6], v[7], v[8], v[9]};
        const float leido[] = {m.temperatura[h],
                               m.radiacionDirecta[h],
                               m.radiacionDifusa[h],
                               m.velocidadViento[h],
                               m.direccionViento[h],
                               m.azimut[h],
                               m.cenit[h]};
        for (int k = 0; k < 7; ++k) {
            const float e = ok ? esperado[k] : 0.0f;
            ASSERT_EQ(std::memcmp(&e, &leido[k], sizeof e), 0)
                << "linea \"" << lineas[h] << "\" campo " << k << ": " << leido[k] << " en vez de "
                << e;
        }
    }
    EXPECT_EQ(m.horasLeidas, leidas);
}

} // namespace

TEST_F(MeteoTest, NumerosLeidosComoLaBibliotecaC) {
    // Texts at the edges of the fast readers: signs, exponents, hexadecimal, rounding at 2^24,
    // many digits, under- and overflow, glued or broken numbers, odd white space.
    const std::vector<std::string> reales = {"+3.5",
                                             "-0",
                                             "-0.0",
                                             "\t\v7",
                                             "0x1p3",
                                             "0X10",
                                             "1e-3",
                                             "1E+2",
                                             "3.",
                                             ".5",
                                             "-.5",
                                             "-.",
                                             ".",
                                             "1e",
                                             "1e+",
                                             "00012.50",
                                             "16777217",
                                             "16777216.5",
                                             "33554433",
                                             "0.1",
                                             "-273.15",
                                             "3.4028235e38",
                                             "3.5e38",
                                             "1e-45",
                                             "1e-50",
                                             "0.00000000001",
                                             "0.0000000001",
                                             "123456789.123",
                                             "2.5abc",
                                             "1..2",
                                             "0.30000001192092896",
                                             "9999999",
                                             "1234.5678",
                                             "inf",
                                             "-nan",
                                             "infinity",
                                             "1,5",
                                             "0.000000000000000000000000000000000000001"};
    const std::vector<std::string> enteros = {"1",   "+1",  "-1", "01",  "1.5",       "99999999999",
                                              "0x1", "1e2", "-",  "\r3", "2147483648"};
    std::vector<std::string> lineas;
    for (const std::string& r : reales)
        lineas.push_back("1 1 1 " + r + " 0 " + r + " 2 0.004 0 " + r + " 1 " + r + " " + r);
    for (const std::string& e : enteros) lineas.push_back(e + " 2 " + e + " 5.5 0 0 0 0 0 0 0 0 0");
    std::string txt = "Titulo\n41.5\n";
    for (const std::string& l : lineas) txt += l + "\n";
    comprobarComoBibliotecaC(lineas, dir.escribir("raros.txt", txt));
}

TEST_F(MeteoTest, NumerosAlAzarComoLaBibliotecaC) {
    // A year of random decimals of 1 to 12 digits, with and without point, sign and exponent.
    unsigned x = 2024u;
    auto azar = [&x](unsigned n) { return (x = x * 1103515245u + 12345u) / 65536u % n; };
    auto numero = [&]() {
        std::string s = azar(4) == 0 ? "-" : "";
        const unsigned cifras = 1 + azar(12), punto = azar(cifras + 2);
        for (unsigned i = 0; i < cifras; ++i) {
            if (i == punto) s += '.';
            s += static_cast<char>('0' + azar(10));
        }
        if (azar(8) == 0) s += "e" + std::to_string(static_cast<int>(azar(40)) - 20);
        return s;
    };
    std::vector<std::string> lineas;
    std::string txt = "Titulo\n41.5\n";
    for (int h = 0; h < 8760; ++h) {
        std::string l = "1 1 1";
        for (int i = 0; i < 10; ++i) l += " " + numero();
        lineas.push_back(l);
        txt += l + "\n";
    }
    comprobarComoBibliotecaC(lineas, dir.escribir("azar.txt", txt));
}

TEST_F(MeteoTest, BinarioDoe2DeAlbuquerqueCoincideConSuEpw) {
    // Skipped where the shared data is not installed; in continuous integration it must be.
    if (!existe(kBinario) || !existe(kEpw)) {
        if (std::getenv("CI"))
            FAIL() << "CI is set and the reference data is missing in " << kDatos;
        GTEST_SKIP() << "no reference data in " << kDatos;
    }
    // EPW: 8 header lines, then one CSV line per hour; dry bulb is field 7, RH field 9.
    std::ifstream f(kEpw);
    std::string linea;
    for (int i = 0; i < 8; ++i) std::getline(f, linea);
    double t[12] = {}, hr[12] = {};
    std::vector<double> horaria;
    while (std::getline(f, linea) && horaria.size() < 8760) {
        std::vector<std::string> c;
        std::stringstream ss(linea);
        for (std::string x; std::getline(ss, x, ',');) c.push_back(x);
        ASSERT_GE(c.size(), 9u);
        const int mes = std::stoi(c[1]) - 1;
        horaria.push_back(std::stod(c[6]));
        t[mes] += horaria.back() / (Calendario::kDiasMes[mes] * 24);
        hr[mes] += std::stod(c[8]) / (Calendario::kDiasMes[mes] * 24);
    }
    ASSERT_EQ(horaria.size(), 8760u);

    Meteo m;
    m.leerClima(kBinario);
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, 8760);
    EXPECT_NEAR(m.latitud, 35.03f, 0.005f);
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(m.temperaturaMensual[i], t[i], 0.05) << "mes " << i + 1;
        EXPECT_NEAR(m.humedadMensual[i], hr[i], 2.5) << "mes " << i + 1;
    }
    // Hour by hour, within the whole-degF resolution of the file: a wrong block, day or hour
    // (or a 29 February) would shift the series.
    for (int h = 0; h < 8760; ++h) ASSERT_NEAR(m.temperatura[h], horaria[h], 0.6) << h;

    // Cut after three whole records and half of the fourth: only the whole ones are read.
    const std::string todo = leerFichero(kBinario);
    Meteo corto;
    corto.leerClima(dir.escribir("corto.bin", todo.substr(0, 3 * 6208 + 3000)));
    EXPECT_EQ(corto.horasLeidas, (31 + 16) * 24);
    EXPECT_FLOAT_EQ(corto.temperatura[46 * 24 + 23], m.temperatura[46 * 24 + 23]);
    EXPECT_EQ(corto.temperatura[47 * 24], 0.0f);
}

TEST_F(MeteoTest, BinarioConBytesArbitrariosDaNumerosFinitos) {
    // Random words decode to absurd but finite values; the block numbers in the headers do not
    // match, so every hour reloads its record.
    std::string basura(24 * 6208, '\0');
    unsigned x = 12345u;
    for (char& c : basura) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    Meteo m;
    m.leerClima(dir.escribir("basura.bin", basura));
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, 8760);
    for (const auto* s : {&m.temperatura, &m.humedad, &m.radiacionDirecta, &m.velocidadViento})
        for (float v : *s) ASSERT_TRUE(std::isfinite(v));
    for (float hr : m.humedadMensual) EXPECT_TRUE(hr >= 0.0f && hr <= 100.0f);
}
