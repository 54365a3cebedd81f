#pragma once
// A building model assembled by hand for the tests of partition detection and thermal bridges:
// spaces with their space records, and elements given directly by kind, side codes and polygon.
#include <memory>
#include <string>
#include <vector>

#include "building/CondicionesOperacionales.h"
#include "building/CondicionesSistemas.h"
#include "building/ModeloEdificio.h"
#include "building/Zona.h"
#include "comun/Entorno.h"
#include "envelope/Elemento.h"
#include "geometry/PoliArea.h"
#include "input/LeerBDL.h"
#include "input/ValoresPorDefecto.h"

class EdificioDePrueba : public ModeloEdificio {
public:
    // Adds a space (with its Zona) and returns its index.
    int espacio(const std::string& nombre, float altura) {
        int i = numEspacios();
        Espacio e;
        e.nombre = nombre;
        e.nombrePlanta = "\"P1\"";
        e.altura = altura;
        e.zona = std::make_unique<Zona>(-1 - i, nombre, "", std::vector<std::string>{}, nullptr,
                                        nullptr, 0, altura);
        espacios.push_back(std::move(e));
        return i;
    }

    // Adds an element record: kind text ("onedimensional_wall", "underground_wall", "window"),
    // side codes and the polygon nodes (outward normal by the right-hand rule).
    Elemento& elemento(const std::string& tipo, std::vector<int> lados,
                       const std::vector<Point3>& nodos, const std::string& tipoMuro = "none") {
        auto e = std::make_unique<Elemento>();
        e->nombre = "\"E" + std::to_string(elementos.size()) + "\"";
        e->tipo = tipo;
        e->tipoMuro = tipoMuro;
        e->lados = std::move(lados);
        e->poligono = PoliArea::desdeNodos(nodos);
        e->areasLados = {static_cast<float>(e->poligono->area()),
                         static_cast<float>(e->poligono->perimeter())};
        registros_.push_back(e.get());
        elementos.push_back(std::move(e));
        return *elementos.back();
    }

    int indice(const Elemento& e) const {
        for (std::size_t i = 0; i < registros_.size(); ++i)
            if (registros_[i] == &e) return static_cast<int>(i);
        return -1;
    }
};

// The run globals for one test: hub, a temporary directory, defaults (with no thermal-bridge
// rows until the test adds them) and a building reader that knows the spaces "A", "B" and "C".
class EntornoPuentes {
public:
    EntornoPuentes() : lectorPrevio_(gLeerBDL) {
        std::string ruta = dir.escribir("defectos.inp", "$ d\nNO-HABITABLES = ( \"GARAJE\" )\n");
        hub.ponerDefectos(std::make_unique<ValoresPorDefecto>(ruta));
        defectos = gDefectos;
        defectos->puentes.clear();
        defectos->variasOpciones = false;
        defectos->toleranciaPtl = 0.001f;
        defectos->tolHorFrenteForjado = 30.0f;
        defectos->multiplicadorContornos = 4;
        edificio();
    }
    ~EntornoPuentes() { gLeerBDL = lectorPrevio_; }

    // Publishes a building text: the three spaces followed by `extra`.
    void edificio(const std::string& extra = "") {
        lector_ = LeerBDL::desdeTexto("$ e\n\"A\" = SPACE HEIGHT = 3.0 ..\n\"B\" = SPACE HEIGHT = "
                                      "3.0 ..\n\"C\" = SPACE HEIGHT = 3.0 ..\n" +
                                      extra);
        gLeerBDL = lector_.get();
    }
    void fila(const std::string& nombre, const std::string& tipo, float ttl, float aMin = 0,
              float aMax = 0, const std::string& particion = "BOTH", float frsi = 0.75f) {
        defectos->puentes.push_back({"\"" + nombre + "\"", ttl, frsi, aMin, aMax, tipo, particion});
    }

    DirectorioTemporal dir;
    HubDePrueba hub;
    ValoresPorDefecto* defectos = nullptr;

private:
    LeerBDL* lectorPrevio_;
    std::unique_ptr<LeerBDL> lector_;
};
