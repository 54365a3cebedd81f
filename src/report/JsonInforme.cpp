#include "report/JsonInforme.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "base/Formato.h"
#include "base/TextoLatin1.h"
#include "base/Valores.h"

Json JsonInforme::texto(const std::string& latin1) {
    return Json(aUtf8(latin1));
}

Json JsonInforme::numero(float v) {
    if (!std::isfinite(v)) return Json(nullptr);
    // The shortest text that reads back as this float, read as a double: the JSON writer then
    // prints those same digits.
    char texto[32];
    const std::to_chars_result r = std::to_chars(texto, texto + sizeof texto, v);
    double d = 0.0;
    std::from_chars(texto, r.ptr, d);
    return Json(d);
}

Json JsonInforme::numero(double v) {
    return numero(static_cast<float>(v));
}

Json JsonInforme::numeroODado(float v) {
    return esNoDado(v) ? Json(nullptr) : numero(v);
}

Json JsonInforme::numeros(const float* v, int n) {
    Json a = Json::array();
    for (int i = 0; i < n; ++i) a.push_back(numero(v[i]));
    return a;
}

Json JsonInforme::numeros(const std::vector<float>& v) {
    return numeros(v.data(), static_cast<int>(v.size()));
}

Json JsonInforme::numeros(const std::vector<double>& v) {
    Json a = Json::array();
    for (double x : v) a.push_back(numero(x));
    return a;
}

Json JsonInforme::dosDecimales(float v) {
    if (!std::isfinite(v)) return Json(nullptr);
    return numero(std::strtod(formatear("%1.2f", static_cast<double>(v)).c_str(), nullptr));
}
