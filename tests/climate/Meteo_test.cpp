#include "climate/Meteo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "climate/CorrienteAire.h"
#include "climate/PosicionSolar.h"
#include "comun/Entorno.h"

namespace {

const std::string kDatos = ENVOLVENTE_DATOS_COMPARTIDOS;
const std::string kBinario = kDatos + "/NM_Albuquerque_Intl_ArptTMY3.bin";
const std::string kEpw = kDatos + "/USA_NM_Albuquerque.Intl.AP.723650_TMY3.epw";

// Month (0-11) of an hour of the year, counted independently of the code under test.
int mesDeHora(int h) {
    int dia = h / 24, m = 0;
    for (int fin = 31; m < 11; ++m) {
        if (dia < fin) break;
        fin += Meteo::kDiasMes[m + 1];
    }
    return m;
}

// A text climate file: title, latitude line, and the given hourly lines (count may differ from
// 8760 to make short files).
std::string textoClima(int horas, const std::function<std::string(int)>& linea,
                       const std::string& latitud = "41.5 2.0 100") {
    std::ostringstream s;
    s << "Titulo\n" << latitud << "\n";
    for (int h = 0; h < horas; ++h) s << linea(h) << "\n";
    return s.str();
}

std::string lineaSimple(int h, float t, float w) {
    char b[200];
    std::snprintf(b, sizeof b, "%d %d %d %.2f 0 100 50 %.5f 0 2 90 10 80", mesDeHora(h) + 1, 1,
                  h % 24 + 1, t, w);
    return b;
}

struct MediasEpw {
    double t[12] = {}, hr[12] = {};
    int horas = 0;
    std::vector<double> horaria;
};

// EPW: 8 header lines, then one CSV line per hour; dry bulb is field 7, RH field 9 (1-based).
bool leerEpw(const std::string& ruta, MediasEpw& r) {
    std::ifstream f(ruta);
    if (!f) return false;
    std::string linea;
    for (int i = 0; i < 8; ++i) std::getline(f, linea);
    int n[12] = {};
    while (std::getline(f, linea) && r.horas < Meteo::kHoras) {
        std::vector<std::string> campos;
        std::stringstream ss(linea);
        std::string c;
        while (std::getline(ss, c, ',')) campos.push_back(c);
        if (campos.size() < 9) return false;
        int m = std::stoi(campos[1]) - 1;
        double t = std::stod(campos[6]);
        r.t[m] += t;
        r.hr[m] += std::stod(campos[8]);
        ++n[m];
        r.horaria.push_back(t);
        ++r.horas;
    }
    for (int m = 0; m < 12; ++m) {
        if (n[m] == 0) return false;
        r.t[m] /= n[m];
        r.hr[m] /= n[m];
    }
    return r.horas == Meteo::kHoras;
}

bool hayDatosAlbuquerque() {
    return existe(kBinario) && existe(kEpw);
}

class MeteoTest : public ::testing::Test {
protected:
    DirectorioTemporal dir;
    HubDePrueba hub;
};

} // namespace

TEST_F(MeteoTest, LasSeriesEmpiezanACeroYUnFicheroAusenteNoLasToca) {
    Meteo m;
    for (const auto* s : {&m.temperatura, &m.humedad, &m.radiacionDirecta, &m.radiacionDifusa,
                          &m.cenit, &m.azimut, &m.velocidadViento, &m.direccionViento}) {
        ASSERT_EQ(s->size(), 8760u);
        for (float v : *s) ASSERT_EQ(v, 0.0f);
    }
    m.leerClima(dir.fichero("no_existe.txt"));
    m.leerClima(dir.fichero("no_existe.bin"));
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, 0);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(m.temperaturaMensual[i], 0.0f);
        EXPECT_EQ(m.humedadMensual[i], 0.0f);
    }
    EXPECT_EQ(m.temperaturaAnual, 0.0f);
}

TEST_F(MeteoTest, FormatoTextoColocaCadaCampoEnSuSerie) {
    // Record integers deliberately wrong: the hour is the line's position.
    std::string txt = textoClima(8760, [](int h) {
        char b[200];
        std::snprintf(b, sizeof b, "12 31 24 %.1f 55 %d 40.5 0.008 9 3.5 270 -45 60",
                      static_cast<float>(h % 100) - 20.0f, h % 700);
        return std::string(b);
    });
    Meteo m;
    m.leerClima(dir.escribir("clima.txt", txt));
    EXPECT_EQ(m.horasLeidas, 8760);
    EXPECT_FLOAT_EQ(m.latitud, 41.5f);
    EXPECT_EQ(m.mesRegistro, 12);
    EXPECT_EQ(m.horaRegistro, 24);
    CorrienteAire aire;
    for (int h : {0, 1, 743, 744, 5000, 8759}) {
        float t = static_cast<float>(h % 100) - 20.0f;
        EXPECT_FLOAT_EQ(m.temperatura[h], t) << h;
        EXPECT_FLOAT_EQ(m.radiacionDirecta[h], static_cast<float>(h % 700)) << h;
        EXPECT_FLOAT_EQ(m.radiacionDifusa[h], 40.5f);
        EXPECT_FLOAT_EQ(m.velocidadViento[h], 3.5f);
        EXPECT_FLOAT_EQ(m.direccionViento[h], 270.0f);
        EXPECT_FLOAT_EQ(m.azimut[h], -45.0f);
        EXPECT_FLOAT_EQ(m.cenit[h], 60.0f);
        aire.ponTwP(t, 0.008f, 101325.0f);
        EXPECT_FLOAT_EQ(m.humedad[h], aire.dame("hr")) << h;
    }
    // At -20 degC, 0.008 kg/kg is far above saturation: 100 %.
    EXPECT_NEAR(m.humedad[0], 100.0f, 1e-3f);
    EXPECT_LT(m.humedad[70], 100.0f); // 50 degC
}

TEST_F(MeteoTest, MediasMensualesSiguenElCalendario) {
    // Every hour carries its own month number: any misplaced boundary hour shows in the means.
    std::string txt = textoClima(8760, [](int h) {
        return lineaSimple(h, static_cast<float>(mesDeHora(h) + 1), 0.0001f * (mesDeHora(h) + 1));
    });
    Meteo m;
    m.leerClima(dir.escribir("meses.dat", txt));
    m.valoresMensuales();
    double anual = 0.0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_FLOAT_EQ(m.temperaturaMensual[i], static_cast<float>(i + 1)) << i;
        anual += (i + 1) * Meteo::kDiasMes[i] * 24.0;
    }
    EXPECT_NEAR(m.temperaturaAnual, anual / 8760.0, 1e-4);
    // January is hours 0-743; December hours 8016-8759 (checked through the series).
    EXPECT_EQ(mesDeHora(743), 0);
    EXPECT_EQ(mesDeHora(744), 1);
    EXPECT_EQ(mesDeHora(8016), 11);
    EXPECT_FLOAT_EQ(m.temperatura[743], 1.0f);
    EXPECT_FLOAT_EQ(m.temperatura[744], 2.0f);
    EXPECT_FLOAT_EQ(m.temperatura[8015], 11.0f);
    EXPECT_FLOAT_EQ(m.temperatura[8016], 12.0f);
    // Humidity: January at 1 degC with w = 0.0001.
    CorrienteAire aire;
    aire.ponTwP(1.0f, 0.0001f, 101325.0f);
    EXPECT_NEAR(m.humedadMensual[0], aire.dame("hr"), 1e-4f);
}

TEST_F(MeteoTest, SoloElSufijoBinExactoEligeElFormatoBinario) {
    std::string txt = textoClima(8760, [](int h) { return lineaSimple(h, 7.0f, 0.004f); });
    for (const char* nombre : {"clima.BIN", "clima.Bin", "clima", "clima.bin.txt", "clima.binx"}) {
        Meteo m;
        m.leerClima(dir.escribir(nombre, txt));
        EXPECT_EQ(m.horasLeidas, 8760) << nombre;
        EXPECT_FLOAT_EQ(m.temperatura[100], 7.0f) << nombre;
    }
    // A dot in a directory name is not a suffix.
    ASSERT_EQ(::system(("mkdir -p '" + dir.fichero("d.bin") + "'").c_str()), 0);
    {
        Meteo m;
        m.leerClima(dir.escribir("d.bin/clima", txt));
        EXPECT_EQ(m.horasLeidas, 8760);
    }
    // The same text under ".bin" is taken as binary: it is far too short for a record.
    Meteo m;
    m.leerClima(dir.escribir("texto.bin", txt.substr(0, 5000)));
    EXPECT_EQ(m.horasLeidas, 0);
    EXPECT_EQ(m.temperatura[100], 0.0f);
}

TEST_F(MeteoTest, FicheroDeTextoCortoOMalFormado) {
    // 100 hours, then the file ends: the rest stay at zero.
    std::string txt = textoClima(100, [](int h) { return lineaSimple(h, 15.0f, 0.005f); });
    Meteo m;
    m.leerClima(dir.escribir("corto.txt", txt));
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, 100);
    EXPECT_FLOAT_EQ(m.temperatura[99], 15.0f);
    EXPECT_EQ(m.temperatura[100], 0.0f);
    EXPECT_NEAR(m.temperaturaMensual[0], 15.0f * 100 / 744, 1e-4f);
    EXPECT_EQ(m.temperaturaMensual[1], 0.0f);

    // Only a title; an empty file; a latitude line that is not a number.
    for (const std::string& c : {std::string("Titulo\n"), std::string(),
                                 std::string("T\nnorte\n1 1 1 5 0 0 0 0.004 0 0 0 0 90\n")}) {
        Meteo v;
        v.leerClima(dir.escribir("raro.txt", c));
        v.valoresMensuales();
        EXPECT_EQ(v.latitud, 0.0f);
        EXPECT_TRUE(std::isfinite(v.temperaturaMensual[0]));
    }

    // Lines missing numbers, with garbage or with non-finite values leave their hour at zero;
    // a very long line is still one hour.
    std::string malo = textoClima(6, [](int h) {
        switch (h) {
        case 0:
            return std::string("1 1 1 5 0 0 0");
        case 1:
            return std::string("uno dos tres");
        case 2:
            return std::string("1 1 3 nan 0 0 0 0.004 0 0 0 0 90");
        case 3:
            return std::string("1 1 4 1e39 0 0 0 0.004 0 0 0 0 90");
        case 4:
            return "1 1 5 8 0 0 0 0.004 0 0 0 0 90" + std::string(5000, ' ') + "77";
        default:
            return std::string("1 1 6 9 0 0 0 0.004 0 0 0 0 90");
        }
    });
    Meteo v;
    v.leerClima(dir.escribir("malo.txt", malo));
    EXPECT_EQ(v.horasLeidas, 2);
    for (int h = 0; h < 4; ++h) EXPECT_EQ(v.temperatura[h], 0.0f) << h;
    EXPECT_FLOAT_EQ(v.temperatura[4], 8.0f);
    EXPECT_FLOAT_EQ(v.temperatura[5], 9.0f);
}

TEST_F(MeteoTest, ClimasDeEjemploReproducenLasNormales) {
    struct Caso {
        const char* zona;
        float latitud;
        float t[12];
        float hr[12];
    };
    // AEMET monthly normals 1981-2010 from which the sample files were generated.
    const Caso casos[] = {
        {"D3",
         40.412f,
         {6.3f, 7.9f, 11.2f, 12.9f, 16.7f, 22.2f, 25.6f, 25.1f, 20.9f, 15.1f, 9.9f, 6.9f},
         {71, 65, 56, 57, 53, 45, 39, 41, 50, 62, 70, 74}},
        {"E1",
         42.356f,
         {3.1f, 4.1f, 7.0f, 8.6f, 12.2f, 16.5f, 19.5f, 19.5f, 16.1f, 11.5f, 6.6f, 3.9f},
         {86, 80, 72, 70, 68, 62, 57, 58, 64, 75, 83, 87}},
        {"B4",
         37.417f,
         {10.9f, 12.5f, 15.6f, 17.3f, 20.7f, 25.1f, 28.2f, 27.9f, 25.0f, 20.2f, 15.1f, 12.0f},
         {71, 67, 59, 57, 52, 48, 43, 46, 53, 62, 70, 74}},
        {"C2",
         41.293f,
         {9.1f, 9.9f, 11.8f, 13.7f, 16.9f, 20.9f, 23.9f, 24.4f, 21.7f, 17.8f, 13.0f, 10.0f},
         {69, 68, 69, 70, 72, 71, 71, 72, 72, 72, 70, 68}},
        {"C1",
         43.298f,
         {9.3f, 9.7f, 11.5f, 12.6f, 15.7f, 18.4f, 20.4f, 20.9f, 19.2f, 16.4f, 12.4f, 9.9f},
         {73, 70, 69, 71, 71, 73, 74, 74, 74, 73, 74, 74}},
    };
    for (const Caso& c : casos) {
        std::string ruta = std::string(ENVOLVENTE_FUENTES) + "/examples/clima/" + c.zona + ".txt";
        ASSERT_TRUE(existe(ruta)) << ruta;
        Meteo m;
        m.leerClima(ruta);
        m.valoresMensuales();
        EXPECT_EQ(m.horasLeidas, 8760) << c.zona;
        EXPECT_NEAR(m.latitud, c.latitud, 1e-3f) << c.zona;
        for (int i = 0; i < 12; ++i) {
            EXPECT_NEAR(m.temperaturaMensual[i], c.t[i], 0.1f) << c.zona << " mes " << i + 1;
            EXPECT_NEAR(m.humedadMensual[i], c.hr[i], 0.5f) << c.zona << " mes " << i + 1;
        }
        // Daylight only when the sun is up, and the sun positions are the engine's own.
        PosicionSolar sol;
        float az, alt, cen;
        sol.calcular(c.latitud, 6, 21, 12.5f, az, alt, cen);
        int h = (171 * 24) + 12; // 21 June, 12:00-13:00
        EXPECT_NEAR(m.cenit[h], cen, 0.01f) << c.zona;
        EXPECT_NEAR(m.azimut[h], az, 0.01f) << c.zona;
        EXPECT_GT(m.radiacionDirecta[h], 600.0f) << c.zona;
        EXPECT_EQ(m.radiacionDirecta[171 * 24], 0.0f) << c.zona; // midnight
    }
}

TEST_F(MeteoTest, BinarioDoe2DeAlbuquerqueCoincideConSuEpw) {
    if (!hayDatosAlbuquerque()) GTEST_SKIP() << "no reference weather data in " << kDatos;
    MediasEpw epw;
    ASSERT_TRUE(leerEpw(kEpw, epw));
    Meteo m;
    m.leerClima(kBinario);
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, 8760);
    EXPECT_NEAR(m.latitud, 35.03f, 0.005f);
    EXPECT_NEAR(m.longitud, -106.62f, 0.005f); // the header's west longitude, negated
    EXPECT_FLOAT_EQ(m.zonaHoraria, 7.0f);
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(m.temperaturaMensual[i], epw.t[i], 0.05) << "mes " << i + 1;
        EXPECT_NEAR(m.humedadMensual[i], epw.hr[i], 2.5) << "mes " << i + 1;
    }
    EXPECT_NEAR(m.temperaturaMensual[0], 2.60f, 0.01f);
    EXPECT_NEAR(m.temperaturaMensual[6], 25.63f, 0.01f);
    EXPECT_NEAR(m.temperaturaMensual[11], 2.07f, 0.01f);
    // Hour by hour, within the whole-degF resolution of the binary file: a wrong block, day or
    // hour (or a 29 February) would shift the series.
    int lejos = 0;
    for (int h = 0; h < 8760; ++h)
        if (std::fabs(m.temperatura[h] - epw.horaria[h]) > 0.6) ++lejos;
    EXPECT_EQ(lejos, 0);

    // Solar series from the solar-position routine at the hour (solar time).
    PosicionSolar sol;
    float az, alt, cen;
    sol.calcular(m.latitud, 3, 1, 10.0f, az, alt, cen);
    int h = 59 * 24 + 9; // 1 March, hour 10
    EXPECT_FLOAT_EQ(m.cenit[h], cen);
    EXPECT_FLOAT_EQ(m.azimut[h], az);
    double maxDirecta = 0.0;
    for (int k = 0; k < 8760; ++k) {
        EXPECT_GE(m.radiacionDirecta[k], -0.01f);
        EXPECT_GE(m.humedad[k], 0.0f);
        EXPECT_LE(m.humedad[k], 100.0f);
        maxDirecta = std::max(maxDirecta, static_cast<double>(m.radiacionDirecta[k]));
    }
    EXPECT_GT(maxDirecta, 700.0);
    EXPECT_LT(maxDirecta, 1100.0);
}

TEST_F(MeteoTest, BinarioCortadoLeeSoloLosRegistrosCompletos) {
    if (!hayDatosAlbuquerque()) GTEST_SKIP() << "no reference weather data in " << kDatos;
    std::string todo = leerFichero(kBinario);
    ASSERT_EQ(todo.size(), 24u * 6208u);
    Meteo completo;
    completo.leerClima(kBinario);
    // Three whole records (January, 1-16 February) and half of the fourth.
    Meteo m;
    m.leerClima(dir.escribir("corto.bin", todo.substr(0, 3 * 6208 + 3000)));
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, (31 + 16) * 24);
    EXPECT_FLOAT_EQ(m.latitud, completo.latitud); // from the January header
    EXPECT_FLOAT_EQ(m.temperatura[46 * 24 + 23], completo.temperatura[46 * 24 + 23]);
    EXPECT_EQ(m.temperatura[47 * 24], 0.0f);
    EXPECT_EQ(m.cenit[47 * 24 + 12], 0.0f);
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(std::isfinite(m.temperaturaMensual[i]));
    // A file that stops inside the first header.
    Meteo n;
    n.leerClima(dir.escribir("cabecera.bin", todo.substr(0, 30)));
    EXPECT_EQ(n.horasLeidas, 0);
    EXPECT_EQ(n.latitud, 0.0f);
}

TEST_F(MeteoTest, BinarioConBytesArbitrariosDaNumerosFinitos) {
    // Random words decode to absurd but finite values; the block numbers in the headers do not
    // match, so every hour reloads its record.
    std::string basura(24 * 6208, '\0');
    unsigned x = 12345u;
    for (char& c : basura) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    Meteo m;
    m.leerClima(dir.escribir("basura.bin", basura));
    m.valoresMensuales();
    EXPECT_EQ(m.horasLeidas, 8760);
    for (const auto* s : {&m.temperatura, &m.humedad, &m.radiacionDirecta, &m.radiacionDifusa,
                          &m.cenit, &m.azimut, &m.velocidadViento, &m.direccionViento})
        for (float v : *s) ASSERT_TRUE(std::isfinite(v));
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(std::isfinite(m.humedadMensual[i]));
        EXPECT_GE(m.humedadMensual[i], 0.0f);
        EXPECT_LE(m.humedadMensual[i], 100.0f);
    }
}
