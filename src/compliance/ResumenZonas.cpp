#include "compliance/ResumenZonas.h"

#include <cmath>

#include "base/Formato.h"
#include "base/Redondeo.h"
#include "compliance/FactorReduccion.h"
#include "compliance/InclinacionElemento.h"
#include "compliance/Tablas.h"
#include "envelope/Elemento.h"
#include "input/Global2.h"

namespace {

bool esVertical(float inclinacion) {
    return inclinacion <= 150.0f || inclinacion >= 210.0f;
}

const char* const kClavesPorcentaje[3] = {"PORCENTAJE-MONOLITICO", "PORCENTAJE-HERMETICO",
                                          "PORCENTAJE-HERMETICO-BE"};
const char* const kTextosPorcentaje[3] = {
    "Porcentaje de ventanas proyecto vidrio monol\xEDtico: ",
    "Porcentaje de ventanas proyecto doble vidriado herm\xE9tico: ",
    "Porcentaje de ventanas proyecto doble vidriado herm\xE9tico baja emisividad: "};

} // namespace

ResumenZonas::ResumenZonas(const Tablas& tablas, const std::string& zonaClimatica)
    : tablas_(tablas), zona_(zonaClimatica) {}

void ResumenZonas::agregarValorDistinto(std::vector<float>& lista, float& maximo, float x) {
    float v = redondearDecimales(x, 2);
    for (float w : lista)
        if (std::fabs(w - v) < 0.001f) return;
    lista.push_back(v);
    if (v > maximo) maximo = v;
}

std::string ResumenZonas::textoLista(const std::vector<float>& lista) {
    std::string t = formatear("( %1.2f", lista.empty() ? 0.0 : static_cast<double>(lista[0]));
    for (std::size_t i = 1; i < lista.size(); ++i) t += formatear(" , %1.2f", lista[i]);
    return t + " )";
}

void ResumenZonas::agregar(const Elemento& e, int categoria, float inclinacion, int vecino,
                           bool vecinoNoHabitable, bool bloque, float he, float hi,
                           FactorReduccion& factorReduccion) {
    const float A = e.area();
    if (!(A > 0.0f)) return;
    float H = 0.0f;
    switch (categoria) {
    case 0:
        areaMuros += A;
        areaEnvolvente += A;
        e.calcularH(H, he, hi);
        sumaH += H;
        agregarValorDistinto(muros, maximoMuros, H / A);
        break;
    case 1: {
        e.calcularH(H, hi, hi);
        float U = H / A;
        if (miraArriba(inclinacion)) {
            if (vecinoNoHabitable) {
                U *= factorReduccion(vecino);
                agregarValorDistinto(techumbres, maximoTechumbres, U);
            }
        } else if (esVertical(inclinacion)) {
            if (e.tipoMuro == "PARTY-WALL" || vecinoNoHabitable) {
                areaMuros += A;
                areaEnvolvente += A;
                sumaH += H;
            } else if (bloque) {
                areaBloque += A;
            }
        } else if (vecinoNoHabitable) {
            U *= factorReduccion(vecino);
            agregarValorDistinto(pisos, maximoPisos, U);
        }
        break;
    }
    case 2:
        e.calcularH(H, he, hi);
        agregarValorDistinto(techumbres, maximoTechumbres, H / A);
        break;
    case 3:
        if (e.tipo == "underground_wall") break;
        e.calcularH(H, he, hi);
        agregarValorDistinto(pisos, maximoPisos, H / A);
        break;
    case 4: {
        if (e.tipo == "puertaOpaca") break;
        e.calcularH(H, he, hi);
        float U = H / A;
        if (miraArriba(inclinacion)) {
            areaVentanas += A;
            areaEnvolvente += A;
            sumaH += H;
            if (zona_ == "3" || zona_ == "4" || zona_ == "5" || zona_ == "6" || zona_ == "7")
                gGlobal2->registrarFallo(
                    U <= kUMonolitico,
                    formatear("Ventana proyecto techumbre U = %1.2f W/m2K U m\xE1ximo permitido = "
                              "3.6 W/m2K ",
                              U),
                    0);
        } else if (esVertical(inclinacion)) {
            areaVentanas += A;
            areaEnvolvente += A;
            if (U > kUMonolitico) {
                areaClase[kMonolitico] += A;
                sumaH += U * A;
            } else {
                areaClase[U > kUHermetico ? kHermetico : kBajaEmisividad] += A;
                sumaH += kUMonolitico * A; // better glazing enters the weighted U as 3.6
            }
        }
        break;
    }
    default:
        break;
    }
}

void ResumenZonas::escribirLista(const char* clave, const char* palabra,
                                 const std::vector<float>& lista, float maximo, float limite) {
    gGlobal2->anotar(false, std::string(clave) + " = " + textoLista(lista));
    gGlobal2->anotar(false, std::string(clave) + formatear("-MAXIMA = %1.2f", limite));
    gGlobal2->registrarFallo(
        maximo <= limite,
        std::string("Transmitancia T\xE9rmica de ") + palabra +
            formatear(": %1.2f W/m2K M\xE1xima permitida: %1.2f W/m2K", maximo, limite),
        0);
}

void ResumenZonas::escribir() {
    areaMuros += 0.5f * areaBloque;
    float area[3], proyecto[3] = {0, 0, 0}, maximo[3] = {0, 0, 0};
    bool presente[3];
    for (int k = 0; k < 3; ++k) {
        area[k] = areaClase[k];
        presente[k] = area[k] > 0.0f;
        if (!presente[k]) continue;
        proyecto[k] = area[k] / (areaVentanas + areaMuros) * 100.0f;
        float cuota = area[k] / (0.01f * areaVentanas);
        maximo[k] = 0.01f * cuota * tablas_.porcentajeMaximoVentanas[k];
    }
    float uPonderada = areaEnvolvente > 0.0f ? sumaH / areaEnvolvente : 0.0f;

    escribirLista("UMUROS", "muros", muros, maximoMuros, tablas_.transmitanciaMaximaMuros);
    escribirLista("UTECHUMBRES", "techumbres", techumbres, maximoTechumbres,
                  tablas_.transmitanciaMaximaCubiertas);
    escribirLista("UPISOS", "pisos", pisos, maximoPisos, tablas_.transmitanciaMaximaSuelos);

    bool dentroDeLimites = true;
    for (int k = 0; k < 3; ++k)
        if (presente[k] && proyecto[k] > maximo[k]) dentroDeLimites = false;
    if (zona_ == "1" || zona_ == "2" || dentroDeLimites) {
        gGlobal2->anotar(false, "UPONDERADA = 0");
        gGlobal2->anotar(false, "UPONDERADA-MAXIMA = 0");
    } else {
        const float limite = tablas_.transmitanciaMaximaPonderada;
        gGlobal2->anotar(false, formatear("UPONDERADA = %1.2f", uPonderada));
        gGlobal2->anotar(false, formatear("UPONDERADA-MAXIMA = %1.2f", limite));
        if (uPonderada <= limite) {
            // The weighted rule rates every window as monolithic glazing.
            presente[kMonolitico] = true;
            presente[kHermetico] = presente[kBajaEmisividad] = false;
            maximo[kMonolitico] = tablas_.porcentajeMaximoPonderado;
            proyecto[kMonolitico] = areaVentanas / (areaVentanas + areaMuros) * 100.0f;
        }
    }

    for (int k = 0; k < 3; ++k) {
        const std::string clave = kClavesPorcentaje[k];
        if (!presente[k]) {
            gGlobal2->anotar(false, clave + " = 0");
            gGlobal2->anotar(false, clave + "-MAXIMO = 0");
            continue;
        }
        gGlobal2->registrarFallo(
            proyecto[k] <= maximo[k],
            kTextosPorcentaje[k] +
                formatear("%1.0f%% M\xE1ximo permitido: %1.0f%%", proyecto[k], maximo[k]),
            0);
        gGlobal2->anotar(false, clave + formatear(" = %1.0f", proyecto[k]));
        gGlobal2->anotar(false, clave + formatear("-MAXIMO = %1.0f", maximo[k]));
    }
}
