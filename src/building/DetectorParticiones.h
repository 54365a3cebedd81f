#pragma once
#include <memory>
#include <string>
#include <vector>

class ModeloEdificio;
class ElementContour;

// Infers the vertical interior partitions along the edges of the space floors, appends them to
// the building's element-record array, writes "Particio.dat", regroups the records by space and
// hands them to every space record (Zona).
class DetectorParticiones {
public:
    // rutaSalida: where the partitions are written; empty for "Particio.dat" in the temporary
    // directory of the run.
    explicit DetectorParticiones(ModeloEdificio& edificio, std::string rutaSalida = "");
    ~DetectorParticiones();
    void ejecutar();

    // --- the steps of ejecutar, in their order ---
    // Takes the vertical walls between two spaces (but party walls) out of the record array.
    void quitarMurosInteriores();
    // Merges the outer edges of the floor elements into the candidate list, then marks the
    // candidates that surviving vertical interior elements cover (add mode only).
    void recogerCandidatos();
    // The spaces whose floor has each candidate edge.
    void asignarZonas();
    // How many candidates become partitions (stops the run on three or more spaces).
    int contarParticiones() const;
    // Creates the partitions and writes their file.
    void crearParticiones();
    // Rebuilds the record array space by space.
    void reagrupar();
    // Numbers the walls and ground elements 1, 2, 3 ... in array order.
    void numerar();
    // Gives the record array to every space record.
    void enlazar();

    const std::vector<std::unique_ptr<ElementContour>>& candidatos() const { return candidatos_; }
    int numParticiones() const { return numParticiones_; }

private:
    bool generaParticion(const ElementContour& c) const;

    ModeloEdificio& edificio_;
    std::string ruta_;
    std::vector<std::unique_ptr<ElementContour>> candidatos_;
    int numParticiones_ = 0;
};
