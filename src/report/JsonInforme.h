#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// The JSON of the report keeps its members in the order they are written.
using Json = nlohmann::ordered_json;

// Value conversions of the report: texts from the engine's Windows-1252 bytes to UTF-8, and
// numbers as the shortest decimal that reads back as the same 32-bit float (NaN and infinities
// as null).
class JsonInforme {
public:
    static Json texto(const std::string& latin1);
    static Json numero(float v);
    // A double is printed as the 32-bit float nearest to it.
    static Json numero(double v);
    // A value the engine holds as kNoDado (anything below -1e8) is null.
    static Json numeroODado(float v);
    static Json numeros(const float* v, int n);
    static Json numeros(const std::vector<float>& v);
    static Json numeros(const std::vector<double>& v);
    static Json indiceONulo(int i) { return i >= 0 ? Json(i) : Json(nullptr); }
    // The value printf's "%1.2f" prints, read back.
    static Json dosDecimales(float v);
};
