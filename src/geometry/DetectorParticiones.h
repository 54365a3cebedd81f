#pragma once

class Edificio;

// Infers the vertical interior partitions along the edges of the space floors, appends them to
// the building's element-record array, writes "Particio.dat", regroups the records by space and
// hands them to every space record (Zona).
class DetectorParticiones {
public:
    explicit DetectorParticiones(Edificio& edificio) : edificio_(edificio) {}
    void ejecutar();

private:
    Edificio& edificio_;
};
