#pragma once
#include <string>
#include <vector>

class Elemento;
class FactorReduccion;
class Tablas;

// Building-level summary of the zone-number regime: the distinct U-values of walls, roofs
// ("techumbres") and floors ("pisos") against their maxima, the shares of the three glazing
// classes in the window area against their permitted percentages, and the area-weighted U
// ("UPONDERADA"). The aggregation runs element by element before the element checks; the
// summary writes its result lines to the error log and records its failures in list 0.
class ResumenZonas {
public:
    // Glazing classes by window U: monolithic (U > 3.6), double hermetic (2.4 < U <= 3.6),
    // low-emissivity double hermetic (U <= 2.4).
    enum Clase { kMonolitico = 0, kHermetico = 1, kBajaEmisividad = 2 };
    static constexpr float kUMonolitico = 3.6f;
    static constexpr float kUHermetico = 2.4f;

    ResumenZonas(const Tablas& tablas, const std::string& zonaClimatica);

    // Rounds x to two decimals and appends it unless the list already holds a value within
    // 0.001 of it; raises the maximum to it.
    static void agregarValorDistinto(std::vector<float>& lista, float& maximo, float x);
    // "( v0 , v1 , ... )" with "%1.2f" values; an empty list reads "( 0.00 )".
    static std::string textoLista(const std::vector<float>& lista);

    // One element of a habitable space. categoria: the check's category (0 wall, 1 partition,
    // 2 roof, 3 floor, 4 opening); vecino: the space on the other side of a partition (-1 when
    // there is none); vecinoNoHabitable: whether that space is not habitable; bloque: whether
    // the building's TYPE-BUILD is "Bloque".
    void agregar(const Elemento& e, int categoria, float inclinacion, int vecino,
                 bool vecinoNoHabitable, bool bloque, float he, float hi,
                 FactorReduccion& factorReduccion);

    // Closes the aggregation and writes the summary.
    void escribir();

    // One list of distinct U-values against its maximum.
    struct ListaU {
        std::vector<float> valores;
        float maximo = 0.0f, limite = 0.0f;
        const char* clave = ""; // key of the limit-values file
        bool cumple = true;
        std::string texto; // the failure text, recorded or not
    };
    // One glazing class: its area, project percentage, share of the window area and permitted
    // percentage against its limit (after the weighted rule, when it applied).
    struct ClaseVidrio {
        bool presente = false;
        float area = 0.0f, porcentaje = 0.0f, cuota = 0.0f, maximo = 0.0f, limite = 0.0f;
        bool cumple = true;
        std::string texto;
    };
    // What the summary found and wrote, complete once escribir has run.
    struct Resumen {
        ListaU muros, techumbres, pisos;
        // Am (with half of Ab), Ab, Av, At and the sum of U A of the weighted U.
        float areaMuros = 0.0f, areaBloque = 0.0f, areaVentanas = 0.0f, areaEnvolvente = 0.0f,
              sumaH = 0.0f;
        float uPonderada = 0.0f, uPonderadaMaxima = 0.0f;
        bool dentroDeLimites = true, aplicada = false, reclasificado = false;
        ClaseVidrio vidrios[3];
        std::vector<std::string> lineas; // the result lines of the error log, Latin-1
    };
    const Resumen& resumen() const { return resumen_; }

    // --- aggregates (m2, W/K) ---
    std::vector<float> muros, techumbres, pisos;
    float maximoMuros = 0.0f, maximoTechumbres = 0.0f, maximoPisos = 0.0f;
    float areaMuros = 0.0f;      // Am
    float areaBloque = 0.0f;     // Ab, partitions between dwellings of a block
    float areaVentanas = 0.0f;   // Av
    float areaEnvolvente = 0.0f; // At
    float sumaH = 0.0f;          // sum of U A entering the weighted U
    float areaClase[3] = {0.0f, 0.0f, 0.0f};

private:
    void comprobarLucernario(const Elemento& e, float H, float A, float he, float hi) const;
    // The summary from the aggregates: lists, weighted U, glazing classes and their lines.
    void calcular();
    void calcularVidrios();
    ListaU cerrarLista(const char* palabra, const std::vector<float>& lista, float maximo,
                       float limite, const char* claveLimite) const;
    void anotarLinea(std::string linea);

    Resumen resumen_;

    const Tablas& tablas_;
    std::string zona_;
};
