#pragma once
#include <string>
#include <vector>

class PoliArea;

// Solar excitation: the building's exterior surfaces and the element lists registered by the
// building model, the exterior test of an element, and the sky-view computation (computed once
// per run and reused).
class Excitacion {
public:
    Excitacion(const std::string& ficheroClima, int creacion);
    virtual ~Excitacion();

    // Registration by the building model: the exterior surfaces, every surface of the building
    // (the obstructions for the ray casting), the first element list (the windows' element
    // numbers, ascending) and the second (empty in this engine).
    void registrar(const std::vector<PoliArea*>& exteriores, const std::vector<PoliArea*>& todas,
                   const std::vector<int>& lista1, const std::vector<int>& lista2);
    // 1 when both side codes are spaces; else, for the first non-negative code, 4 when it is in
    // the first list, 2 when in the second, 0 otherwise.
    int esExterior(int lado1, int lado2) const;
    // Sky-view computation for the mode keyword ("VERDANIUM"/"verdanium": extended mode).
    void calcularVisionCielo(const std::string& modo);
    int metodoDirecto() const { return metodoDirecto_; }

    std::string ficheroClima;
    int creacion = 1;
    int modo = 0;

private:
    int metodoDirecto_ = 0;
    std::vector<int> lista1_, lista2_;
};
