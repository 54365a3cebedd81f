#include "building/DetectorParticiones.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "building/ModeloEdificio.h"
#include "building/PuentesTermicos.h"
#include "building/Zona.h"
#include "envelope/Muro1D.h"
#include "geometry/ElementContour.h"
#include "geometry/ListaContornos.h"
#include "input/Global2.h"

namespace {

const char* const kMensajeTresZonas =
    "Error Grave de Definici\xF3n Geom\xE9trica. Provoca que: el numero de zonas que separa el "
    "segmento-particion es tres o mas.";

// Tolerance of the horizontal test of the floor elements.
constexpr float kTolHorizontal = 0.005f;
// Tolerance of the vertical-wall test of the removal of explicit interior walls.
constexpr float kTolVertical = 0.001f;

bool esMuroMedianero(const Elemento& e) {
    return e.tipoMuro == "PARTY-WALL";
}

} // namespace

DetectorParticiones::DetectorParticiones(ModeloEdificio& edificio, std::string rutaSalida)
    : edificio_(edificio), ruta_(std::move(rutaSalida)) {}
DetectorParticiones::~DetectorParticiones() = default;

void DetectorParticiones::ejecutar() {
    quitarMurosInteriores();
    recogerCandidatos();
    asignarZonas();
    edificio_.registros().reserve(edificio_.registros().size() +
                                  static_cast<std::size_t>(contarParticiones()));
    crearParticiones();
    reagrupar();
    numerar();
    enlazar();
}

void DetectorParticiones::quitarMurosInteriores() {
    std::vector<Elemento*>& regs = edificio_.registros();
    regs.erase(std::remove_if(regs.begin(), regs.end(),
                              [](const Elemento* e) {
                                  if (!e->entreEspacios()) return false;
                                  if (e->tipo == "onedimensional_wall" && esMuroMedianero(*e))
                                      return false;
                                  return !PuentesTermicos::horizontal(*e, kTolVertical);
                              }),
               regs.end());
}

void DetectorParticiones::recogerCandidatos() {
    const std::vector<Elemento*>& regs = edificio_.registros();
    std::vector<int> suelos;
    std::vector<const PoliArea*> poligonos;
    for (int i = 0; i < static_cast<int>(regs.size()); ++i) {
        const Elemento& e = *regs[i];
        if (!e.poligono || !PuentesTermicos::horizontal(e, kTolHorizontal)) continue;
        const bool haciaAbajo = e.poligono->normal().z < 0.0f;
        bool cuenta = true;
        if (PuentesTermicos::ladoExterior(e) || esMuroMedianero(e)) cuenta = haciaAbajo;
        if (!cuenta) continue;
        suelos.push_back(i);
        poligonos.push_back(e.poligono.get());
    }
    ListaContornos lista(
        PuentesTermicos::capacidad(regs),
        IndiceSegmentos::celdaPara(ListaContornos::longitudMediaAristas(poligonos)));
    for (int i : suelos) lista.fusionarPoligono(*regs[i]->poligono, i);

    // Explicit vertical interior elements that are still in the record array cover the floor
    // edges they stand on; only the add mode lets a covered edge go without a partition.
    if (!edificio_.particionesSobrescribir && edificio_.particionesAnadir) {
        std::vector<std::pair<const Point3*, const Point3*>> aristas;
        std::vector<int> cubiertos;
        for (const Elemento* e : regs) {
            if (!e->poligono || PuentesTermicos::horizontal(*e, kTolHorizontal) ||
                PuentesTermicos::ladoExterior(*e) || esMuroMedianero(*e))
                continue;
            ListaContornos::aristas(*e->poligono, aristas);
            for (const auto& a : aristas) {
                lista.solapados(*a.first, *a.second, cubiertos);
                for (int id : cubiertos) lista.contornos[id]->cubierto = true;
            }
        }
    }
    candidatos_ = std::move(lista.contornos);
}

void DetectorParticiones::asignarZonas() {
    const std::vector<Elemento*>& regs = edificio_.registros();
    const int numEspacios = edificio_.numEspacios();
    for (auto& c : candidatos_) {
        std::vector<int> zonas;
        for (int id : c->tocan) {
            const Elemento& e = *regs[id];
            if (!(e.poligono && e.poligono->normal().z < 0.0f)) continue;
            for (std::size_t k = 0; k < 2 && k < e.lados.size(); ++k) {
                long z = -static_cast<long>(e.lados[k]) - 1;
                if (z >= 0 && z < numEspacios) zonas.push_back(static_cast<int>(z));
            }
        }
        c->ponerZonas(std::move(zonas));
    }
}

bool DetectorParticiones::generaParticion(const ElementContour& c) const {
    comprobar(c.zonas.size() < 3, kMensajeTresZonas);
    if (c.zonas.size() == 1) return true;
    return c.zonas.size() == 2 && c.zonas[0] != c.zonas[1] && !c.cubierto;
}

int DetectorParticiones::contarParticiones() const {
    int n = 0;
    for (const auto& c : candidatos_)
        if (generaParticion(*c)) ++n;
    return n;
}

void DetectorParticiones::crearParticiones() {
    std::string ruta = ruta_.empty() ? Directorios::instancia().rutaTmp("Particio.dat") : ruta_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(ruta.c_str(), "w"), std::fclose);
    auto alturaDe = [this](int z) {
        const Espacio& s = edificio_.espacios[z];
        return s.zona ? s.zona->altura : s.altura;
    };
    std::vector<Elemento*>& regs = edificio_.registros();
    int numero = 0;
    for (const auto& c : candidatos_) {
        if (!generaParticion(*c)) continue;
        const int z1 = c->zonas[0];
        const int z2 = c->zonas.size() == 2 ? c->zonas[1] : z1;
        const float h = c->zonas.size() == 2 ? 0.5f * (alturaDe(z1) + alturaDe(z2)) : alturaDe(z1);
        const Vector3 arriba(0.0f, 0.0f, h);
        const Point3 p1 = c->A, p2 = c->A + arriba, p3 = c->B + arriba, p4 = c->B;

        std::unique_ptr<PoliArea> poligono = PoliArea::desdeNodos({p1, p4, p3, p2});
        std::unique_ptr<PoliArea> poligono2 = PoliArea::desdeNodos({p1, p2, p3, p4});
        std::vector<float> areas{static_cast<float>(poligono2->area()),
                                 static_cast<float>(poligono2->perimetroCerrado())};
        auto muro = std::make_unique<Muro1D>(numero, areas, std::vector<int>{-z1 - 1, -z2 - 1});
        muro->poligono = std::move(poligono);
        muro->poligono2 = std::move(poligono2);
        muro->codigo = kParticion;
        muro->inclinacion = 1.5707963f;
        muro->altura = h;
        muro->anchura = static_cast<float>(c->longitud());
        muro->zBase = std::min(p1.z, p4.z);
        regs.push_back(muro.get());

        if (f) {
            const Espacio& s = edificio_.espacios[z1];
            std::fprintf(f.get(), "%s*%s*%s*%d %d %d ", muro->nombre.c_str(),
                         s.nombrePlanta.c_str(), s.nombre.c_str(), 4, 0, 4);
            for (const Point3* p : {&p1, &p2, &p3, &p4})
                std::fprintf(f.get(), "%f %f %f ", p->x, p->y, p->z);
            std::fprintf(f.get(), "\n");
        }
        edificio_.elementos.push_back(std::move(muro));
        ++numero;
    }
    numParticiones_ = numero;
    if (f) std::fprintf(f.get(), "\n%d", numero);
}

void DetectorParticiones::reagrupar() {
    std::vector<Elemento*>& regs = edificio_.registros();
    const int numEspacios = edificio_.numEspacios();
    // The records of each space, in array order (one entry per record even when both sides
    // name the space).
    std::vector<std::vector<int>> porEspacio(static_cast<std::size_t>(numEspacios));
    for (int i = 0; i < static_cast<int>(regs.size()); ++i) {
        for (int lado : regs[i]->lados) {
            long z = -static_cast<long>(lado) - 1;
            if (z < 0 || z >= numEspacios) continue;
            std::vector<int>& l = porEspacio[z];
            if (l.empty() || l.back() != i) l.push_back(i);
        }
    }
    std::vector<char> tomado(regs.size(), 0);
    std::vector<Elemento*> nuevos;
    nuevos.reserve(regs.size());
    for (int s = 0; s < numEspacios; ++s) {
        if (edificio_.espacios[s].multiplicado) continue;
        for (int pasada = 0; pasada < 2; ++pasada)
            for (int i : porEspacio[s]) {
                const bool subterraneo = regs[i]->tipo == "underground_wall";
                if (tomado[i] || subterraneo != (pasada == 1)) continue;
                tomado[i] = 1;
                nuevos.push_back(regs[i]);
            }
    }
    regs = std::move(nuevos);
}

void DetectorParticiones::numerar() {
    int n = 0;
    for (Elemento* e : edificio_.registros())
        if (e->tipo == "onedimensional_wall" || e->tipo == "underground_wall") e->numerar(++n);
}

void DetectorParticiones::enlazar() {
    // The same as each space record's enlazarElementos, with one pass over the records for all.
    std::vector<Zona*> zonas;
    zonas.reserve(edificio_.espacios.size());
    for (Espacio& s : edificio_.espacios)
        if (s.zona) zonas.push_back(s.zona.get());
    Zona::enlazarTodas(zonas, edificio_.registros());
}
