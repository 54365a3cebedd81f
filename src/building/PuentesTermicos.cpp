#include "building/PuentesTermicos.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

#include "building/ModeloEdificio.h"
#include "envelope/Elemento.h"
#include "geometry/ElementContour.h"
#include "geometry/ListaContornos.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

namespace {

constexpr float kTolGeo = 0.005f;

// Unit vector from a towards the first node of the element's outer contour that is more than
// the tolerance away from a and not on the ray from a along d; zero when there is none.
Vector3 direccionInterior(const Elemento& e, const Point3& a, const Vector3& d) {
    if (!e.poligono || e.poligono->numContornos() < 1 || !e.poligono->contornos[0])
        return Vector3();
    const PLinea& c = *e.poligono->contornos[0];
    for (int k = 0; k < c.numNodos(); ++k) {
        const Point3* p = c.nodo(k);
        if (!p) continue;
        Vector3 v = *p - a;
        double l = v.norma();
        if (!(l > kTolGeo)) continue;
        Vector3 w(static_cast<float>(v.x / l), static_cast<float>(v.y / l),
                  static_cast<float>(v.z / l));
        if (std::fabs(w.punto(d) - 1.0) >= kTolGeo) return w;
    }
    return Vector3();
}

Vector3 normalDe(const Elemento& e) {
    return e.poligono ? e.poligono->normal() : Vector3();
}

} // namespace

PuentesTermicos::PuentesTermicos(ModeloEdificio& edificio, std::string rutaSalida)
    : edificio_(edificio), ruta_(std::move(rutaSalida)) {}

bool PuentesTermicos::ladoExterior(const Elemento& e) {
    return (!e.lados.empty() && e.lados[0] >= 0) || (e.lados.size() > 1 && e.lados[1] >= 0);
}

bool PuentesTermicos::horizontal(const Elemento& e, float tolerancia) {
    Vector3 n = normalDe(e);
    return std::fabs(n.x) < tolerancia && std::fabs(n.y) < tolerancia;
}

long PuentesTermicos::capacidad(const std::vector<Elemento*>& registros) {
    long nodos = 0;
    for (const Elemento* e : registros) {
        if (!ladoExterior(*e) || !e->poligono) continue;
        for (const auto& c : e->poligono->contornos)
            if (c) nodos += c->numNodos();
    }
    return static_cast<long>(gDefectos->multiplicadorContornos) * nodos;
}

void PuentesTermicos::ejecutar() {
    construirContornos();
    for (auto& c : edificio_.puentes) {
        clasificar(*c);
        zonasAdyacentes(*c);
    }
    repartir();
    escribir();
}

void PuentesTermicos::construirContornos() {
    const std::vector<Elemento*>& regs = edificio_.registros();
    std::vector<const PoliArea*> exteriores;
    for (const Elemento* e : regs)
        if (ladoExterior(*e) && e->poligono) exteriores.push_back(e->poligono.get());
    ListaContornos lista(capacidad(regs), IndiceSegmentos::celdaPara(
                                              ListaContornos::longitudMediaAristas(exteriores)));

    for (int i = 0; i < static_cast<int>(regs.size()); ++i)
        if (ladoExterior(*regs[i]) && regs[i]->poligono)
            lista.fusionarPoligono(*regs[i]->poligono, i);

    std::vector<std::pair<const Point3*, const Point3*>> aristas;
    std::vector<int> tocados;
    for (int i = 0; i < static_cast<int>(regs.size()); ++i) {
        if (ladoExterior(*regs[i]) || !regs[i]->poligono) continue;
        ListaContornos::aristas(*regs[i]->poligono, aristas);
        for (const auto& a : aristas) {
            lista.solapados(*a.first, *a.second, tocados);
            for (int id : tocados) lista.contornos[id]->anadirTocante(i);
        }
    }
    edificio_.puentes = std::move(lista.contornos);
}

void PuentesTermicos::prepararFilas() {
    if (filasPreparadas_) return;
    filasPreparadas_ = true;
    filas_.clear();
    for (const TipoPuenteTermico& t : gDefectos->puentes) {
        Fila f{t.ttl, t.frsi};
        if (gLeerBDL) {
            std::unique_ptr<LeerBDL> o = LeerBDL::objeto(*gLeerBDL, "THERMAL-BRIDGE", t.nombre);
            if (o && o->texto()) {
                o->dameReal("TTL =", f.ttl);
                if (o->dameReal("FRSI =", f.frsi) == -1) o->dameReal("EFE =", f.frsi);
            }
        }
        filas_.push_back(f);
    }
}

float PuentesTermicos::angulo(const Elemento& e1, const Elemento& e2, const ElementContour& c) {
    Vector3 n1 = normalDe(e1), n2 = normalDe(e2);
    float coseno = n1.x * n2.x + n1.y * n2.y + n1.z * n2.z;
    float entreNormales;
    if (std::fabs(coseno) > 1.0f)
        entreNormales = coseno >= 0.0f ? 0.0f : 180.0f;
    else
        entreNormales = static_cast<float>(std::acos(coseno) * 180.0 * 0.3183099524);
    float theta = 180.0f - entreNormales;

    Vector3 d;
    Vector3 ab = c.B - c.A;
    double l = ab.norma();
    if (l > 0.0)
        d = Vector3(static_cast<float>(ab.x / l), static_cast<float>(ab.y / l),
                    static_cast<float>(ab.z / l));
    Vector3 m = direccionInterior(e1, c.A, d) + direccionInterior(e2, c.A, d);
    double lm = m.norma();
    if (lm > 0.0)
        m = Vector3(static_cast<float>(m.x / lm), static_cast<float>(m.y / lm),
                    static_cast<float>(m.z / lm));
    double t1 = m.punto(n1), t2 = m.punto(n2);
    double prueba = std::fabs(t1) > kTolGeo ? t1 : (std::fabs(t2) > kTolGeo ? t2 : 0.0);
    if (prueba > 0.0) theta = 360.0f - theta;
    return theta;
}

int PuentesTermicos::elegirFila(const ElementContour& c, std::vector<int>& cargar) const {
    const std::vector<Elemento*>& regs = edificio_.registros();
    const std::vector<TipoPuenteTermico>& tabla = gDefectos->puentes;
    const int numFilas = static_cast<int>(tabla.size());
    cargar.clear();

    if (c.numTocan() == 1) {
        const Elemento& e = *regs[c.tocan[0]];
        cargar.push_back(c.tocan[0]);
        const char* buscado =
            (e.tipo == "window" || e.tipo == "puertaOpaca") ? "WINDOW-FRAME" : "ISOLATED-WALL";
        for (int r = 0; r < numFilas; ++r)
            if (tabla[r].tipo == buscado) return r;
        return -1;
    }

    int nU = 0;
    bool H = false;
    const float cosHor =
        static_cast<float>(std::cos(gDefectos->tolHorFrenteForjado * 3.141592 / 180.0)) + kTolGeo;
    for (int id : c.tocan) {
        const Elemento& e = *regs[id];
        if (ladoExterior(e)) cargar.push_back(id);
        if (e.tipo == "underground_wall") ++nU;
        if (e.entreEspacios() && std::fabs(normalDe(e).z) >= cosHor) H = true;
    }
    const bool U = nU > 0;
    Vector3 d;
    c.direccion(d);
    const bool V = std::fabs(d.x) < kTolGeo && std::fabs(d.y) < kTolGeo;
    const bool P = c.numTocan() > static_cast<int>(cargar.size());
    // With fewer than two elements to charge there is no corner: taken as a flat joint.
    const float theta = cargar.size() >= 2 ? angulo(*regs[cargar[0]], *regs[cargar[1]], c) : 180.0f;
    const float tol = gDefectos->toleranciaPtl;

    auto coincide = [&](const TipoPuenteTermico& t) {
        const bool enRango = t.anguloMin - tol <= theta && theta <= t.anguloMax + tol;
        if (U && nU == 1) return t.tipo == "UNDER-EXT" && enRango;
        if (nU > 1) return t.tipo == "UNDERGROUND" && t.anguloMin <= theta && theta <= t.anguloMax;
        const bool tipoVale = (t.tipo == "SLAB" && !V) || (t.tipo == "MASONRY" && V) ||
                              (t.tipo == "HORIZONTAL-SLAB" && !V && H);
        const bool particionVale =
            t.particion == "BOTH" || (t.particion == "YES" && P) || (t.particion == "NO" && !P);
        return tipoVale && enRango && particionVale;
    };

    if (!gDefectos->variasOpciones) {
        for (int r = 0; r < numFilas; ++r)
            if (coincide(tabla[r])) return r;
        return -1;
    }
    int primera = -1, ultima = -1;
    for (int r = 0; r < numFilas; ++r)
        if (coincide(tabla[r])) {
            if (primera < 0) primera = r;
            ultima = r;
        }
    if (primera < 0) return -1;
    if (tabla[primera].ttl > 0.0f && tabla[ultima].ttl > 0.0f) return primera;
    return tabla[ultima].ttl < tabla[primera].ttl ? ultima : primera;
}

void PuentesTermicos::clasificar(ElementContour& c) {
    prepararFilas();
    std::vector<int> cargar;
    int fila = elegirFila(c, cargar);
    c.ponerCargar(std::move(cargar));
    if (fila < 0)
        c.ponerTipo(-1, 0.0f, 1.0f, "default");
    else
        c.ponerTipo(fila, filas_[fila].ttl, filas_[fila].frsi, gDefectos->puentes[fila].nombre);
}

void PuentesTermicos::zonasAdyacentes(ElementContour& c) const {
    const std::vector<Elemento*>& regs = edificio_.registros();
    std::vector<int> zonas;
    for (int id : c.tocan) {
        const Elemento& e = *regs[id];
        for (std::size_t k = 0; k < 2 && k < e.lados.size(); ++k) {
            if (e.lados[k] >= 0) continue;
            int z = static_cast<int>(-static_cast<long>(e.lados[k]) - 1);
            bool visto = false;
            for (int y : zonas) visto = visto || y == z;
            if (!visto) zonas.push_back(z);
        }
    }
    c.ponerZonas(std::move(zonas));
}

void PuentesTermicos::repartir() {
    const std::vector<Elemento*>& regs = edificio_.registros();
    const int numTipos = static_cast<int>(gDefectos->puentes.size());
    for (Elemento* e : regs)
        if (e->puentes.empty()) e->iniciarPuentes(numTipos);
    for (const auto& c : edificio_.puentes) {
        if (c->cargar.empty()) continue;
        const float L = static_cast<float>(c->longitud());
        const float reparto = 1.0f / static_cast<float>(c->cargar.size());
        for (int id : c->cargar) regs[id]->anadirPuente(c->tipo, c->ttl, c->frsi, L, reparto);
    }
}

void PuentesTermicos::anadirReal(std::string& salida, float v) {
    // to_chars with a precision converts exactly as printf does in the C locale ("%f").
    char texto[64];
    std::to_chars_result r = std::to_chars(texto, texto + sizeof texto, static_cast<double>(v),
                                           std::chars_format::fixed, 6);
    if (r.ec == std::errc()) {
        salida.append(texto, r.ptr);
    } else {
        int n = std::snprintf(texto, sizeof texto, "%f", static_cast<double>(v));
        if (n > 0)
            salida.append(texto,
                          std::min<std::size_t>(static_cast<std::size_t>(n), sizeof texto - 1));
    }
}

void PuentesTermicos::escribir() const {
    std::FILE* f = std::fopen(ruta_.c_str(), "w");
    if (!f) return;
    // Record i: "\n%d", then "\t%f" for A and B, then "\t%d" for each touching element.
    std::string texto;
    texto.reserve(edificio_.puentes.size() * 80);
    char entero[16];
    auto anadirEntero = [&texto, &entero](int n) {
        std::to_chars_result r = std::to_chars(entero, entero + sizeof entero, n);
        texto.append(entero, r.ptr);
    };
    int i = 0;
    for (const auto& c : edificio_.puentes) {
        texto += '\n';
        anadirEntero(i++);
        for (float v : {c->A.x, c->A.y, c->A.z, c->B.x, c->B.y, c->B.z}) {
            texto += '\t';
            anadirReal(texto, v);
        }
        for (int t : c->tocan) {
            texto += '\t';
            anadirEntero(t);
        }
    }
    std::fwrite(texto.data(), 1, texto.size(), f);
    std::fclose(f);
}
