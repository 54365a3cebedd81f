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
const char* const kClavesLimitePorcentaje[3] = {
    "Porcentaje-maximo-ventanas-1", "Porcentaje-maximo-ventanas-2", "Porcentaje-maximo-ventanas-3"};
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

// A skylight of zones 3 to 7: its U against that of monolithic glazing.
void ResumenZonas::comprobarLucernario(const Elemento& e, float H, float A, float he,
                                       float hi) const {
    const float U = H / A;
    auto r = ResultadoComprobacion::maximo(
        TipoComprobacion::VentanaTechumbre, &e, U, kUMonolitico, 0,
        formatear("Ventana proyecto techumbre U = %1.2f W/m2K U m\xE1ximo permitido = 3.6 W/m2K ",
                  U));
    r.categoriaLimite = "huecos";
    r.H = H;
    r.area = A;
    r.hExterior = he;
    r.hInterior = hi;
    gGlobal2->registrar(std::move(r));
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
                comprobarLucernario(e, H, A, he, hi);
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

ResumenZonas::ListaU ResumenZonas::cerrarLista(const char* palabra, const std::vector<float>& lista,
                                               float maximo, float limite,
                                               const char* claveLimite) const {
    ListaU l;
    l.valores = lista;
    l.maximo = maximo;
    l.limite = limite;
    l.clave = claveLimite;
    l.cumple = maximo <= limite;
    l.texto = std::string("Transmitancia T\xE9rmica de ") + palabra +
              formatear(": %1.2f W/m2K M\xE1xima permitida: %1.2f W/m2K", maximo, limite);
    return l;
}

void ResumenZonas::anotarLinea(std::string linea) {
    gGlobal2->anotar(false, linea);
    resumen_.lineas.push_back(std::move(linea));
}

void ResumenZonas::calcular() {
    areaMuros += 0.5f * areaBloque;
    resumen_.muros = cerrarLista("muros", muros, maximoMuros, tablas_.transmitanciaMaximaMuros,
                                 "Transmitancia-maxima-muros");
    resumen_.techumbres =
        cerrarLista("techumbres", techumbres, maximoTechumbres,
                    tablas_.transmitanciaMaximaCubiertas, "Transmitancia-maxima-techumbres");
    resumen_.pisos = cerrarLista("pisos", pisos, maximoPisos, tablas_.transmitanciaMaximaSuelos,
                                 "Transmitancia-maxima-pisos-ventilados");
    calcularVidrios();
    resumen_.areaMuros = areaMuros;
    resumen_.areaBloque = areaBloque;
    resumen_.areaVentanas = areaVentanas;
    resumen_.areaEnvolvente = areaEnvolvente;
    resumen_.sumaH = sumaH;
}

// Glazing classes against their permitted percentages, and the weighted U: in zones 3 to 7 a
// class out of its limits brings in the weighted rule, which, when the weighted U is within its
// maximum, rates every window as monolithic glazing.
void ResumenZonas::calcularVidrios() {
    ClaseVidrio* v = resumen_.vidrios;
    for (int k = 0; k < 3; ++k) {
        v[k].area = areaClase[k];
        v[k].limite = tablas_.porcentajeMaximoVentanas[k];
        v[k].presente = v[k].area > 0.0f;
        if (!v[k].presente) continue;
        v[k].porcentaje = v[k].area / (areaVentanas + areaMuros) * 100.0f;
        v[k].cuota = v[k].area / (0.01f * areaVentanas);
        v[k].maximo = 0.01f * v[k].cuota * tablas_.porcentajeMaximoVentanas[k];
    }
    resumen_.uPonderada = areaEnvolvente > 0.0f ? sumaH / areaEnvolvente : 0.0f;
    resumen_.uPonderadaMaxima = tablas_.transmitanciaMaximaPonderada;
    for (int k = 0; k < 3; ++k)
        if (v[k].presente && v[k].porcentaje > v[k].maximo) resumen_.dentroDeLimites = false;
    resumen_.aplicada = !(zona_ == "1" || zona_ == "2" || resumen_.dentroDeLimites);
    if (resumen_.aplicada && resumen_.uPonderada <= resumen_.uPonderadaMaxima) {
        // The weighted rule rates every window as monolithic glazing.
        resumen_.reclasificado = true;
        v[kMonolitico].presente = true;
        v[kMonolitico].area = areaVentanas;
        v[kMonolitico].cuota = 100.0f;
        v[kMonolitico].limite = tablas_.porcentajeMaximoPonderado;
        v[kMonolitico].maximo = tablas_.porcentajeMaximoPonderado;
        v[kMonolitico].porcentaje = areaVentanas / (areaVentanas + areaMuros) * 100.0f;
        for (int k : {kHermetico, kBajaEmisividad}) {
            v[k].presente = false;
            v[k].area = 0.0f;
        }
    }
    for (int k = 0; k < 3; ++k) {
        if (!v[k].presente) continue;
        v[k].cumple = v[k].porcentaje <= v[k].maximo;
        v[k].texto = kTextosPorcentaje[k] + formatear("%1.0f%% M\xE1ximo permitido: %1.0f%%",
                                                      v[k].porcentaje, v[k].maximo);
    }
}

void ResumenZonas::escribir() {
    calcular();
    const ListaU* listas[3] = {&resumen_.muros, &resumen_.techumbres, &resumen_.pisos};
    const char* const claves[3] = {"UMUROS", "UTECHUMBRES", "UPISOS"};
    for (int i = 0; i < 3; ++i) {
        const ListaU& l = *listas[i];
        anotarLinea(std::string(claves[i]) + " = " + textoLista(l.valores));
        anotarLinea(std::string(claves[i]) + formatear("-MAXIMA = %1.2f", l.limite));
        ResultadoComprobacion r;
        r.tipo = TipoComprobacion::ResumenTransmitancia;
        r.valor = l.maximo;
        r.limite = l.limite;
        r.redondeo = 2;
        r.cumple = l.cumple;
        r.texto = l.texto;
        r.clave = l.clave;
        gGlobal2->registrar(std::move(r));
    }
    if (resumen_.aplicada) {
        anotarLinea(formatear("UPONDERADA = %1.2f", resumen_.uPonderada));
        anotarLinea(formatear("UPONDERADA-MAXIMA = %1.2f", resumen_.uPonderadaMaxima));
    } else {
        anotarLinea("UPONDERADA = 0");
        anotarLinea("UPONDERADA-MAXIMA = 0");
    }
    for (int k = 0; k < 3; ++k) {
        const std::string clave = kClavesPorcentaje[k];
        const ClaseVidrio& v = resumen_.vidrios[k];
        if (!v.presente) {
            anotarLinea(clave + " = 0");
            anotarLinea(clave + "-MAXIMO = 0");
            continue;
        }
        ResultadoComprobacion r;
        r.tipo = TipoComprobacion::ResumenPorcentaje;
        r.valor = v.porcentaje;
        r.limite = v.maximo;
        r.cumple = v.cumple;
        r.texto = v.texto;
        r.clave = k == kMonolitico && resumen_.reclasificado
                      ? "Porcentaje-maximo-ponderado-ventanas-1"
                      : kClavesLimitePorcentaje[k];
        gGlobal2->registrar(std::move(r));
        anotarLinea(clave + formatear(" = %1.0f", v.porcentaje));
        anotarLinea(clave + formatear("-MAXIMO = %1.0f", v.maximo));
    }
}
