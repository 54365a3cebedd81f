#include "building/Zona.h"

#include <cmath>
#include <unordered_map>

#include "base/ErrorFatal.h"
#include "base/TextoLatin1.h"
#include "base/Valores.h"
#include "building/CondicionesOperacionales.h"
#include "climate/Excitacion.h"
#include "envelope/Elemento.h"
#include "input/Global2.h"
#include "input/LecturaClaves.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

using LecturaClaves::sinComillas;

int lado(const Elemento& e, std::size_t k) {
    return k < e.lados.size() ? e.lados[k] : 0;
}

} // namespace

Zona::Zona(int ref, const std::string& n, const std::string& s, const std::vector<std::string>& l,
           CondicionesOperacionales* c, CondicionesSistemas* si, int p, float h)
    : altura(h), referencia(ref), nombre(n), segundoNombre(s), listaNombres(l), condiciones(c),
      sistema(si), pilares(p) {
    std::unique_ptr<LeerBDL> espacio;
    if (gLeerBDL) espacio = LeerBDL::objeto(*gLeerBDL, "SPACE", nombre);
    comprobar(espacio && espacio->texto() != nullptr, "No se encuentra: " + nombre);

    // Infiltration of the space itself, else that of its operating conditions.
    float v = 0.0f;
    if (espacio->dameReal("INF-FLOW/AREA", v) >= 0) {
        infiltracion = v;
        infiltracionRenovaciones = false;
    } else if (espacio->dameReal("AIR-CHANGES/HR", v) >= 0) {
        infiltracion = v;
        infiltracionRenovaciones = true;
    } else if (condiciones) {
        infiltracion = condiciones->infiltracion;
        infiltracionRenovaciones = condiciones->infiltracionRenovaciones;
    }

    // Unheated spaces of the defaults: the space's own name, or a name and the name of the
    // operating conditions contained in one another. Quotes do not count; an empty entry names
    // nothing.
    if (gDefectos) {
        const std::string propio = sinComillas(nombre);
        const std::string cond = condiciones ? sinComillas(condiciones->nombre) : std::string();
        for (const std::string& entrada : gDefectos->noHabitables) {
            const std::string nh = sinComillas(entrada);
            if (nh.empty()) continue;
            if (nh == propio || (!cond.empty() && (cond.find(nh) != std::string::npos ||
                                                   nh.find(cond) != std::string::npos))) {
                habitable = false;
                break;
            }
        }
    }

    std::string tipo;
    if (espacio->dameCadena(" TYPE ", tipo) >= 0) {
        tipo = sinComillas(tipo);
        if (tipo == "UNHABITED")
            habitable = acondicionado = false;
        else if (tipo == "UNCONDITIONED")
            acondicionado = false;
    }

    int m = 1;
    if (espacio->dameEntero("MULTIPLIER ", m) >= 0) multiplicador = m;

    leerHigrometria(*espacio);
}

Zona::~Zona() = default;

void Zona::leerHigrometria(const LeerBDL& espacio) {
    higrometriaHR = higrometriaG = higrometriaN = claseHigrometria = kNoDado;
    const std::string mensaje = "Error en definici\xF3n de higrometr\xED"
                                "a en la zona: " +
                                nombre;
    float v = 0.0f;
    if (espacio.dameReal("HIGROMETRIA-HR ", v) >= 0) {
        comprobar(v > 0.0f, mensaje);
        if (v < 1.0f) v *= 100.0f; // given as a fraction
        higrometriaHR = v;
        origenHigrometria = "humedad";
        return;
    }
    v = 0.0f;
    if (espacio.dameReal("HIGROMETRIA-G ", v) >= 0) {
        float n = 0.0f;
        comprobar(espacio.dameReal("HIGROMETRIA-n ", n) >= 0, mensaje);
        comprobar(v > 0.0f, mensaje);
        comprobar(n > 0.0f, mensaje);
        higrometriaG = v;
        higrometriaN = n;
        origenHigrometria = "produccion";
        return;
    }
    v = 0.0f;
    if (espacio.dameReal("CLASE-HIGROMETRIA ", v) >= 0) {
        comprobar(v == 3.0f || v == 4.0f || v == 5.0f, mensaje);
        claseHigrometria = v;
        origenHigrometria = "clase";
        return;
    }
    // Nothing stated for the space: the building's hygrometry, else class 5.
    const Global2& g = *gGlobal2;
    origenHigrometria = g.origenHigrometria == "defecto" ? "defecto" : "edificio";
    if (!esNoDado(g.higrometriaHR)) {
        higrometriaHR = g.higrometriaHR;
    } else if (!esNoDado(g.higrometriaG)) {
        higrometriaG = g.higrometriaG;
        higrometriaN = g.higrometriaN;
    } else if (!esNoDado(g.claseHigrometria)) {
        claseHigrometria = g.claseHigrometria;
    } else {
        claseHigrometria = 5.0f;
        origenHigrometria = "defecto";
    }
}

void Zona::enlazarElementos(const std::vector<Elemento*>& registros) {
    elementos.clear();
    for (Elemento* e : registros) {
        if (!e) continue;
        for (int l : e->lados)
            if (l == referencia) {
                elementos.push_back(e);
                break;
            }
    }
    colocarPilares(puentePilar());
}

void Zona::enlazarTodas(const std::vector<Zona*>& zonas, const std::vector<Elemento*>& registros) {
    std::unordered_map<int, Zona*> porReferencia;
    porReferencia.reserve(zonas.size());
    std::vector<Zona*> aparte; // references shared by two records, or not a space code
    for (Zona* z : zonas) {
        if (!z) continue;
        z->elementos.clear();
        if (z->referencia >= 0 || !porReferencia.emplace(z->referencia, z).second)
            aparte.push_back(z);
    }
    for (Elemento* e : registros) {
        if (!e) continue;
        for (std::size_t k = 0; k < e->lados.size(); ++k) {
            const int l = e->lados[k];
            if (l >= 0) continue;
            bool repetido = false;
            for (std::size_t j = 0; j < k; ++j) repetido = repetido || e->lados[j] == l;
            if (repetido) continue;
            auto it = porReferencia.find(l);
            if (it != porReferencia.end()) it->second->elementos.push_back(e);
        }
    }
    for (Zona* z : aparte) {
        z->elementos.clear();
        for (Elemento* e : registros) {
            if (!e) continue;
            for (int l : e->lados)
                if (l == z->referencia) {
                    z->elementos.push_back(e);
                    break;
                }
        }
    }
    const PuentePilar pilar = puentePilar();
    for (Zona* z : zonas)
        if (z) z->colocarPilares(pilar);
}

PuentePilar Zona::puentePilar() {
    PuentePilar p;
    // The type is found by name with the usual name comparison, quotes left aside, so "PILLAR"
    // and "Pillar" name the same row; the first matching row wins.
    if (gDefectos) {
        const auto& tabla = gDefectos->puentes;
        for (std::size_t i = 0; i < tabla.size(); ++i)
            if (compararNombres(sinComillas(tabla[i].nombre), "PILLAR") == 0) {
                p.tipo = static_cast<int>(i);
                p.ttl = tabla[i].ttl;
                p.frsi = tabla[i].frsi;
                break;
            }
    }
    if (gLeerBDL) {
        std::unique_ptr<LeerBDL> pilar = LeerBDL::objeto(*gLeerBDL, "THERMAL-BRIDGE", "\"PILAR\"");
        if (pilar->texto()) {
            float v = p.ttl;
            if (pilar->dameReal("TTL =", v) >= 0) p.ttl = v;
            v = p.frsi;
            if (pilar->dameReal("FRSI =", v) >= 0 || pilar->dameReal("EFE =", v) >= 0) p.frsi = v;
        }
    }
    return p;
}

void Zona::colocarPilares(const PuentePilar& pilar) {
    int cuenta = 0;
    for (const Elemento* e : elementos)
        if (lado(*e, 0) >= 0 || lado(*e, 1) >= 0) ++cuenta;
    if (cuenta == 0) return;
    const float longitud = static_cast<float>(pilares) * altura;
    const float reparto = 1.0f / static_cast<float>(cuenta);
    for (Elemento* e : elementos) {
        if (!(lado(*e, 0) >= 0 || lado(*e, 1) >= 0)) continue;
        if (e->puentes.empty() && gDefectos)
            e->iniciarPuentes(static_cast<int>(gDefectos->puentes.size()));
        e->anadirPuente(pilar.tipo, pilar.ttl, pilar.frsi, longitud, reparto);
    }
}

float Zona::inclinacionGrados(const Vector3& n) {
    const float horizontal = std::sqrt(n.x * n.x + n.y * n.y);
    float t;
    if (std::fabs(n.z) < 0.00001f)
        t = 90.0f;
    else if (horizontal < 0.00001f)
        t = n.z > 0.0f ? 0.0f : 180.0f;
    else {
        t = std::atan(horizontal / n.z) / 0.017453292f;
        if (n.z < 0.0f) t += 180.0f;
    }
    if (t < 0.0f) t += 360.0f;
    return t;
}

bool Zona::nombreEnLista(const std::string& n) const {
    for (const std::string& s : listaNombres)
        if (s == n) return true;
    return false;
}

int Zona::clasificarElemento(int posicion, const Zona* otra) const {
    if (posicion < 0 || posicion >= static_cast<int>(elementos.size())) return 0;
    const Elemento& e = *elementos[posicion];
    const int a = lado(e, 0), b = lado(e, 1);
    int clase;
    if (gExcitacion)
        clase = gExcitacion->esExterior(a, b);
    else
        clase = (a < 0 && b < 0) ? 1 : 0;

    bool marca2 = false, marca3 = false, vecino = false;
    // Names of a space: its ceiling element marks `deSegundo`, its floor elements `deLista`.
    auto probarNombres = [&](const Zona& z, bool& deSegundo, bool& deLista) {
        if (!z.segundoNombre.empty() && e.nombre == z.segundoNombre) deSegundo = true;
        if (z.nombreEnLista(e.nombre)) deLista = true;
    };

    if (clase == 0) {
        probarNombres(*this, marca2, marca3);
        Vector3 normal;
        if (e.poligono) {
            e.poligono->getNormal(normal);
            const float t = inclinacionGrados(normal);
            if (t < 60.0f || t > 300.0f) marca2 = true;
            if (t > 150.0f && t < 210.0f) marca3 = true;
        }
    } else if (clase == 1) {
        if (otra && !otra->habitable) {
            vecino = true;
            probarNombres(*this, marca2, marca3);
            // Seen from the other space, its ceiling is this space's floor and the reverse.
            if (!marca2 && !marca3) probarNombres(*otra, marca3, marca2);
        }
        if (e.tipo == "window" || e.tipo == "puertaOpaca") {
            clase = 4;
            marca2 = marca3 = vecino = false;
        }
    }
    if (e.suelo == 1) marca3 = true;

    if (marca3) return 3;
    if (marca2) return 2;
    if (vecino) return 0;
    return clase;
}
