#pragma once
#include <cstdarg>
#include <cstdio>
#include <string>

// printf-style formatting into a std::string (C locale number formats, as the messages of the
// checks expect: "%1.2f" for U-values and limits, "%1.0f" for percentages).
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
inline std::string
formatear(const char* formato, ...) {
    va_list args;
    va_start(args, formato);
    va_list copia;
    va_copy(copia, args);
    int n = std::vsnprintf(nullptr, 0, formato, copia);
    va_end(copia);
    std::string r;
    if (n > 0) {
        r.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(&r[0], r.size(), formato, args);
        r.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return r;
}
