#include "climate/Meteo.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "base/Calendario.h"
#include "base/Memoria.h"
#include "climate/CorrienteAire.h"
#include "climate/PosicionSolar.h"
#include "input/Global2.h"

namespace {

constexpr float kPresionReferencia = 101325.0f; // Pa, for the humidity of the text format

// DOE-2 packed binary weather file: two fixed records per month.
constexpr long kBytesRegistro = 6208;
constexpr int kBytesCabecera = 60;
constexpr int kPalabras = 1536; // 16 days x 24 hours x 4 words
constexpr int kBytesLeidos = kBytesCabecera + 4 * kPalabras;

std::int32_t entero(const unsigned char* p) {
    std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                      (static_cast<std::uint32_t>(p[2]) << 16) |
                      (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

float real(const unsigned char* p) {
    std::uint32_t u = static_cast<std::uint32_t>(entero(p));
    static_assert(sizeof(float) == sizeof(std::uint32_t), "32-bit float expected");
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

// Reads n bytes at an offset; false when the file does not hold them all.
bool leerEn(std::ifstream& f, long posicion, unsigned char* destino, int n) {
    f.clear();
    f.seekg(posicion, std::ios::beg);
    if (!f) return false;
    f.read(reinterpret_cast<char*>(destino), n);
    return f.gcount() == n;
}

// White space as "%d" and "%f" skip it in the C locale.
bool esBlanco(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool esDigito(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// Powers of ten that a 32-bit float holds exactly.
constexpr float kPotencias10[11] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                    1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

// Sequential scanning of white-space separated numbers from a text line, in the manner of
// "%d" and "%f". Non-finite numbers count as unreadable.
//
// The numbers of a climate file are short decimals without exponent ("-12", "3.25",
// "0.0041081"). One of at most 2^24 as an integer of its digits, with at most ten of them after
// the point, is the exact quotient of two floats, so one float division gives it correctly
// rounded, as strtof does (Clinger's fast path); an integer of at most nine digits is what strtol
// reads. Other plain decimal numbers ("1e-3", "3.14159265") go to std::from_chars, which rounds
// as strtof does too, and anything else (a leading '+', hexadecimal, "inf", "nan", a value out
// of range) to strtof and strtol themselves: the texts accepted and every value read are those
// of the C library, only several times faster.
class Campos {
public:
    explicit Campos(const std::string& texto)
        : p_(texto.c_str()), fin_(texto.c_str() + texto.size()) {}

    bool entero(int& v) {
        const char* q = blancos();
        const bool negativo = q < fin_ && *q == '-';
        const char* c = q + negativo;
        int n = 0;
        const char* r = c;
        for (; r < fin_ && esDigito(*r) && r - c < 9; ++r) n = n * 10 + (*r - '0');
        if (r > c && !(r < fin_ && esDigito(*r))) {
            p_ = r;
            v = negativo ? -n : n;
            return true;
        }
        char* fin;
        errno = 0;
        long x = std::strtol(p_, &fin, 10);
        if (fin == p_) return false;
        p_ = fin;
        if (errno == ERANGE || x > INT_MAX || x < INT_MIN) x = x < 0 ? INT_MIN : INT_MAX;
        v = static_cast<int>(x);
        return true;
    }

    bool real(float& v) {
        const char* q = blancos();
        if (decimalCorto(q, v)) return true;
        if (decimalLlano(q)) {
            float x;
            auto [ptr, ec] = std::from_chars(q, fin_, x);
            if (ec == std::errc() && std::isfinite(x)) {
                p_ = ptr;
                v = x;
                return true;
            }
        }
        char* fin;
        float x = std::strtof(p_, &fin);
        if (fin == p_) return false;
        p_ = fin;
        if (!std::isfinite(x)) return false;
        v = x;
        return true;
    }

private:
    // The scans of the fast path stop at the line's terminating NUL (a std::string's c_str()),
    // which is neither blank nor digit, so they need no bound checks.
    const char* blancos() const {
        const char* q = p_;
        while (esBlanco(*q)) ++q;
        return q;
    }

    // [-]digits[.digits] with the limits above, not followed by an exponent or a hexadecimal
    // 'x'; its value in v and the scan past it.
    bool decimalCorto(const char* q, float& v) {
        const bool negativo = *q == '-';
        const char* r = q + negativo;
        std::uint32_t n = 0;
        int cifras = 0;
        if (!digitos(r, n, cifras)) return false;
        int decimales = 0;
        if (*r == '.') {
            const int enteras = cifras;
            ++r;
            if (!digitos(r, n, cifras)) return false;
            decimales = cifras - enteras;
        }
        if (cifras == 0 || decimales > 10 || n > (1u << 24)) return false;
        if (*r == 'e' || *r == 'E' || *r == 'x' || *r == 'X') return false;
        const float x = static_cast<float>(n) / kPotencias10[decimales];
        v = negativo ? -x : x;
        p_ = r;
        return true;
    }

    // Accumulates the digits at r into n (at most nine digits in all, so that n cannot
    // overflow; more give false and the number goes to the general readers).
    static bool digitos(const char*& r, std::uint32_t& n, int& cifras) {
        for (;; ++r) {
            const unsigned d = static_cast<unsigned char>(*r) - static_cast<unsigned>('0');
            if (d > 9) return true;
            if (++cifras > 9) return false;
            n = n * 10 + d;
        }
    }

    // A decimal number that std::from_chars reads as strtof does: an optional '-', then a digit
    // or a point and a digit, and not hexadecimal.
    bool decimalLlano(const char* q) const {
        const char* c = q < fin_ && *q == '-' ? q + 1 : q;
        if (c == fin_) return false;
        if (esDigito(*c)) return !(*c == '0' && c + 1 < fin_ && (c[1] == 'x' || c[1] == 'X'));
        return *c == '.' && c + 1 < fin_ && esDigito(c[1]);
    }
    const char* p_;
    const char* fin_;
};

// The lines of a file, as std::getline gives them: split at each line feed, the last piece a
// line only when it is not empty. The file is read in blocks into one small buffer that is
// reused, so that reading touches little fresh memory.
class Lineas {
public:
    explicit Lineas(const std::string& ruta) : f_(std::fopen(ruta.c_str(), "rb")) {
        bloque_.resize(kBloque);
    }
    ~Lineas() {
        if (f_) std::fclose(f_);
    }
    Lineas(const Lineas&) = delete;
    Lineas& operator=(const Lineas&) = delete;
    bool abierto() const { return f_ != nullptr; }

    bool siguiente(std::string& linea) {
        linea.clear();
        for (;;) {
            if (p_ == fin_ && !rellenar()) return !linea.empty();
            const char* lf = static_cast<const char*>(std::memchr(p_, '\n', fin_ - p_));
            if (lf) {
                linea.append(p_, lf);
                p_ = lf + 1;
                return true;
            }
            linea.append(p_, fin_);
            p_ = fin_;
        }
    }

private:
    static constexpr std::size_t kBloque = 1 << 16;
    bool rellenar() {
        if (!f_) return false;
        const std::size_t n = std::fread(&bloque_[0], 1, bloque_.size(), f_);
        p_ = bloque_.data();
        fin_ = p_ + n;
        return n > 0;
    }

    std::FILE* f_;
    std::string bloque_;
    const char* p_ = nullptr;
    const char* fin_ = nullptr;
};

} // namespace

Meteo::Meteo() {
    std::vector<float>* series[8] = {&temperatura, &humedad, &radiacionDirecta, &radiacionDifusa,
                                     &cenit,       &azimut,  &velocidadViento,  &direccionViento};
    for (auto* s : series) {
        if (gGlobal2)
            *s = reservarReales(kHoras);
        else
            s->assign(kHoras, 0.0f);
    }
}

Meteo::~Meteo() = default;

void Meteo::leerClima(const std::string& fichero) {
    std::string::size_type punto = fichero.rfind('.');
    if (punto != std::string::npos && fichero.compare(punto, std::string::npos, ".bin") == 0)
        leerBinario(fichero);
    else
        leerTexto(fichero);
}

// Text format: a title line, a line whose first number is the latitude, then one line per hour
// in hour order: month day hour T x Idir Idif w x wind winddir azimuth zenith. The hour is the
// line's position; the relative humidity comes from T and w at the reference pressure.
void Meteo::leerTexto(const std::string& fichero) {
    Lineas lineas(fichero);
    if (!lineas.abierto()) return;
    std::string linea;
    if (lineas.siguiente(linea) && lineas.siguiente(linea)) {
        float lat;
        if (Campos(linea).real(lat)) latitud = lat;
        CorrienteAire aire;
        for (int h = 0; h < kHoras && lineas.siguiente(linea); ++h) {
            Campos c(linea);
            int mes, dia, hora;
            float v[10];
            bool completa = c.entero(mes) && c.entero(dia) && c.entero(hora);
            for (int i = 0; completa && i < 10; ++i) completa = c.real(v[i]);
            if (!completa) continue;
            mesRegistro = mes;
            diaRegistro = dia;
            horaRegistro = hora;
            temperatura[h] = v[0];
            radiacionDirecta[h] = v[2];
            radiacionDifusa[h] = v[3];
            velocidadViento[h] = v[6];
            direccionViento[h] = v[7];
            azimut[h] = v[8];
            cenit[h] = v[9];
            aire.ponTwP(v[0], v[4], kPresionReferencia);
            humedad[h] = aire.dame("hr");
            ++horasLeidas;
        }
    }
}

// DOE-2 packed binary format: 24 records of 6208 bytes (two per month, days 1-16 and 17-end),
// each a 60-byte header and 16 x 24 hours of four packed words.
void Meteo::leerBinario(const std::string& fichero) {
    std::ifstream f(fichero, std::ios::in | std::ios::binary);
    if (!f.is_open()) return;
    unsigned char cabecera[kBytesCabecera];

    // Site data from the headers of the first record of each month; the last one read counts.
    bool hayCabecera = false;
    float lat = 0.0f, lon = 0.0f;
    std::int32_t zona = 0;
    for (int mes = 1; mes <= 12; ++mes) {
        if (!leerEn(f, 2L * (mes - 1) * kBytesRegistro, cabecera, kBytesCabecera)) continue;
        lat = real(cabecera + 28);
        lon = real(cabecera + 32);
        zona = entero(cabecera + 36);
        hayCabecera = true;
    }
    if (hayCabecera) {
        latitud = lat;
        longitud = -lon;
        zonaHoraria = static_cast<float>(zona);
    }

    std::vector<unsigned char> registro(kBytesLeidos);
    bool hayBloque = false;
    std::int32_t bloqueCargado = 0;
    CorrienteAire aire;
    PosicionSolar sol;
    const double irradiancia = 1055.05585262 / 334.450944; // Btu/(h ft2) to W/m2
    int h = 0;
    for (int mes = 1; mes <= 12; ++mes) {
        for (int dia = 1; dia <= Calendario::kDiasMes[mes - 1]; ++dia) {
            int bloque = 2 * mes + (dia - 1) / 16 - 1;
            int j = (dia - 1) % 16 + 1;
            for (int hora = 1; hora <= 24; ++hora, ++h) {
                if (!hayBloque || bloque != bloqueCargado) {
                    hayBloque =
                        leerEn(f, (bloque - 1) * kBytesRegistro, registro.data(), kBytesLeidos);
                    if (!hayBloque) continue; // the file ends before this hour
                    bloqueCargado = entero(registro.data() + 40);
                }
                const unsigned char* p =
                    registro.data() + kBytesCabecera + 4 * ((j - 1) * 96 + (hora - 1) * 4);
                std::int32_t w1 = entero(p), w2 = entero(p + 4), w4 = entero(p + 12);

                float bulboHumedo = static_cast<float>((w1 % 65536) / 256 - 99);
                float bulboSeco = static_cast<float>(w1 % 256 - 99);
                float presion = static_cast<float>(15.0 + 0.1 * (w1 / 65536));
                float sector = static_cast<float>(w2 % 16);
                float global = static_cast<float>(w2 / 1048576);
                float directaNormal = static_cast<float>((w2 % 1048576) / 1024);
                float nudos = static_cast<float>(w4 % 128);

                bulboSeco = (bulboSeco - 32.0f) * 5.0f / 9.0f;
                bulboHumedo = (bulboHumedo - 32.0f) * 5.0f / 9.0f;
                presion = static_cast<float>(presion * 3386.38815789);
                aire.ponTthP(bulboSeco, bulboHumedo, presion);
                temperatura[h] = bulboSeco;
                humedad[h] = aire.dame("hr");

                float az, alt, cen;
                sol.calcular(latitud, mes, dia, static_cast<float>(hora), az, alt, cen);
                cenit[h] = cen;
                azimut[h] = az;

                float directa = static_cast<float>(directaNormal * irradiancia);
                global = static_cast<float>(global * irradiancia);
                radiacionDirecta[h] = static_cast<float>(directa * std::cos(cen * 3.14159 / 180.0));
                radiacionDifusa[h] = global - radiacionDirecta[h];

                velocidadViento[h] = static_cast<float>(nudos * 0.51444);
                direccionViento[h] = sector * 22.5f;
                ++horasLeidas;
            }
        }
    }
}

void Meteo::valoresMensuales() {
    float sumaT[12] = {}, sumaHR[12] = {};
    float sumaAnual = 0.0f;
    int mes = 0;
    for (int h = 0; h < kHoras; ++h) {
        int d = h / 24;
        while (Calendario::kDiasAcumulados[mes] <= d)
            ++mes; // hours come in order: months only advance
        sumaT[mes] += temperatura[h];
        sumaAnual += temperatura[h];
        sumaHR[mes] += humedad[h];
    }
    for (int m = 0; m < 12; ++m) {
        temperaturaMensual[m] = sumaT[m] / static_cast<float>(Calendario::kDiasMes[m] * 24);
        humedadMensual[m] = sumaHR[m] / static_cast<float>(Calendario::kDiasMes[m] * 24);
    }
    temperaturaAnual = sumaAnual * (1.0f / static_cast<float>(kHoras));
}
