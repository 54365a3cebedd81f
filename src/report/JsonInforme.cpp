#include "report/JsonInforme.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Formato.h"
#include "base/TextoLatin1.h"
#include "base/Valores.h"

Json JsonInforme::texto(const std::string& latin1) {
    // Most names are plain ASCII, which is UTF-8 as it stands.
    for (unsigned char c : latin1)
        if (c >= 0x80) return Json(aUtf8(latin1));
    return Json(latin1);
}

Json JsonInforme::numero(float v) {
    if (!std::isfinite(v)) return Json(nullptr);
    // A whole number goes out as an integer, which is as short and cheaper to print.
    if (v == std::trunc(v) && std::fabs(v) < 1e7f && !(v == 0.0f && std::signbit(v)))
        return Json(static_cast<std::int64_t>(v));
    return Json(v);
}

Json JsonInforme::numero(double v) {
    return numero(static_cast<float>(v));
}

Json JsonInforme::numeroODado(float v) {
    return esNoDado(v) ? Json(nullptr) : numero(v);
}

Json JsonInforme::numeros(const float* v, int n) {
    Json a = Json::array();
    a.get_ref<Json::array_t&>().reserve(static_cast<std::size_t>(n > 0 ? n : 0));
    for (int i = 0; i < n; ++i) a.push_back(numero(v[i]));
    return a;
}

Json JsonInforme::numeros(const std::vector<float>& v) {
    return numeros(v.data(), static_cast<int>(v.size()));
}

Json JsonInforme::numeros(const std::vector<double>& v) {
    Json a = Json::array();
    a.get_ref<Json::array_t&>().reserve(v.size());
    for (double x : v) a.push_back(numero(x));
    return a;
}

Json JsonInforme::dosDecimales(float v) {
    if (!std::isfinite(v)) return Json(nullptr);
    return numero(std::strtod(formatear("%1.2f", static_cast<double>(v)).c_str(), nullptr));
}

Json JsonInforme::objeto(std::size_t n) {
    Json j = Json::object();
    j.get_ref<Json::object_t&>().reserve(n);
    return j;
}

Json JsonInforme::punto(float x, float y, float z) {
    const float v[3] = {x, y, z};
    return numeros(v, 3);
}

Json JsonInforme::punto(float x, float y) {
    const float v[2] = {x, y};
    return numeros(v, 2);
}

Json JsonInforme::indices(const std::vector<int>& v) {
    Json a = Json::array();
    Json::array_t& l = a.get_ref<Json::array_t&>();
    l.reserve(v.size());
    for (int i : v) l.emplace_back(i);
    return a;
}
