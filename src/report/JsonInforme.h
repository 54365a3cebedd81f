#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "report/MontonJson.h"

// The JSON of the report keeps its members in the order they are written, its numbers are the
// engine's 32-bit floats (the library prints each one as the shortest decimal that reads back as
// that same float) and its values take their memory from the report's heap.
using TextoJson = std::basic_string<char, std::char_traits<char>, AsignadorJson<char>>;
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, TextoJson, bool, std::int64_t,
                                  std::uint64_t, float, AsignadorJson>;

// Value conversions of the report: texts from the engine's Windows-1252 bytes to UTF-8, and
// numbers as 32-bit floats (NaN and infinities as null).
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
    // A point [x, y, z] (or [x, y]), and a list of positions.
    static Json punto(float x, float y, float z);
    static Json punto(float x, float y);
    static Json indices(const std::vector<int>& v);
    // The value printf's "%1.2f" prints, read back.
    static Json dosDecimales(float v);

    // An empty object with room for n members, and a member appended at its end. The report
    // writes each member once, so nothing is looked up. The room must be enough: a member past
    // it makes the object copy (not move) the members it holds, whose keys are constant.
    static Json objeto(std::size_t n);
    static void anadir(Json& objeto, const char* clave, Json valor) {
        objeto.get_ref<Json::object_t&>().emplace_back(clave, std::move(valor));
    }
};
