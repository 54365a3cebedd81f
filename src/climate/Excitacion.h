#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class PoliArea;
struct Vector3;

// Solar excitation: the building's exterior surfaces and the element lists registered by the
// building model, the exterior test of an element, and the sky-view computation (computed once
// per run and reused).
class Excitacion {
public:
    // The sky is divided into 7 altitude rows (0 to 90 degrees every 15) by 11 azimuth columns
    // (0 to 360 degrees every 36, the last repeating the first).
    static constexpr int kFilasCielo = 7;
    static constexpr int kColumnasCielo = 11;
    static constexpr int kParches = kFilasCielo * kColumnasCielo;
    static constexpr double kGradosARadianes = 0.0174532925199433;

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
    // Solar position for a latitude (degrees), month (1-12), day of the month and hour (1-24,
    // solar time): azimuth (0 south, positive west), altitude and zenith in degrees.
    static void posicionSolar(float latitud, int mes, int dia, float hora, float& azimut,
                              float& altitud, float& cenit);
    // The engine never sets the flag (it stays 0: detected partitions are allowed); a caller
    // that wants the per-patch data sets it to 1 before the sky-view computation.
    void ponerMetodoDirecto(int valor);

    // --- results of the sky-view computation, per registered exterior surface ---
    int numSuperficies() const { return static_cast<int>(exteriores_.size()); }
    // Sky-view factor per surface (computed in the extended mode, and in the plain mode when
    // the direct-method flag is 1; 0 otherwise).
    const std::vector<float>& factoresVisionCielo() const { return factoresCielo_; }
    // Visibility of the sky patches: kParches values per surface, patch index = column × 7 + row.
    const std::vector<float>& visibilidades() const { return visibilidad_; }
    // Extended mode: the inverse of the inter-reflection matrix (n × n, row-major).
    const std::vector<float>& matrizInterreflexion() const { return matriz_; }
    // Extended mode with the direct-method flag: per surface 3 × kParches values (direct sky
    // share of each patch, the share after inter-reflections, and the reflected part) and the
    // total after inter-reflections.
    const std::vector<float>& contribucionesParche() const { return contribuciones_; }
    const std::vector<float>& totalesParche() const { return totales_; }
    // Reflectance of the building's surfaces used in the inter-reflections.
    float reflectancia() const { return valorSuelo_; }
    // Sky-view factor of a surface of that unit normal from the visibility of its kParches sky
    // patches (the plain mode's sum).
    static float factorVisionCielo(const float* visibilidad, const Vector3& normal);
    // The registered exterior surfaces, in the order of the per-surface results.
    const std::vector<PoliArea*>& superficiesExteriores() const { return exteriores_; }
    // Number of sky-view computations actually carried out (later calls reuse the result).
    int calculosRealizados() const { return calculos_; }

    std::string ficheroClima;
    int creacion = 1;
    int modo = 0;

private:
    // The ascending-search semantics of an element list: an identifier is found when it occurs
    // before the first entry greater than it. Answered in O(log n) whatever the list's order.
    struct ListaElementos {
        std::vector<int> maximoPrefijo;                // running maximum of the entries
        std::unordered_map<int, int> primeraAparicion; // entry -> first position
        void asignar(const std::vector<int>& lista);
        bool contiene(int id) const;
    };

    void calcularVisibilidades();
    void calcularModoExtendido();

    int metodoDirecto_ = 0;
    float valorSuelo_ = 0.2f;
    std::vector<PoliArea*> exteriores_, todas_;
    ListaElementos lista1_, lista2_;

    bool calculado_ = false;
    std::string modoCalculado_;
    int metodoCalculado_ = 0;
    int calculos_ = 0;
    std::vector<float> factoresCielo_;
    std::vector<float> visibilidad_;
    std::vector<float> matriz_;
    std::vector<float> contribuciones_;
    std::vector<float> totales_;
};

// The solar excitation of the current run, set by the run driver.
extern Excitacion* gExcitacion;
