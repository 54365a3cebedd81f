#pragma once

class Edificio;

// Builds the thermal-bridge contours of the building (after the partitions), classifies them
// with the defaults' table, distributes them to the elements and writes "puentes.dat".
class PuentesTermicos {
public:
    explicit PuentesTermicos(Edificio& edificio) : edificio_(edificio) {}
    void ejecutar();

private:
    Edificio& edificio_;
};
