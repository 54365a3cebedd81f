#include "climate/CorrienteAire.h"

#include <cmath>
#include <cstring>

#include "base/ErrorFatal.h"
#include "base/Redondeo.h"
#include "input/Global2.h"

namespace {

const char* const kMensajeCodigo = "** cod no valido: float CorrienteAire::dame(char* cod)";

// One-dimensional root finder for the wet-bulb iteration: a growth step first, then secant
// steps, and a parabola through the last three points when it fits them well. It remembers the
// last two points it was given.
class BuscadorRaiz {
public:
    // Takes the current point (x, f) of step k; answers true (and x) when it has converged,
    // otherwise false and the next value to try.
    bool paso(float x, float f, int k, float& siguiente) {
        double ancho = std::fabs(x) < 0.01f ? kTolerancia * 0.01 : kTolerancia * std::fabs(x);
        if ((k > 0 && std::fabs(x - x1_) < ancho) || f == 0.0f) {
            siguiente = x;
            return true;
        }
        if (k == 0) {
            siguiente = crecer(x);
            desplazar(x, f);
            return false;
        }
        if (k == 1) {
            siguiente = secante(x, f);
            desplazar(x, f);
            return false;
        }
        // Three-point step.
        if (x == x1_) {
            x1_ = x2_;
            f1_ = f2_;
            siguiente = secante(x, f);
            desplazar(x, f);
            return false;
        }
        if (x == x2_) {
            siguiente = secante(x, f);
            desplazar(x, f);
            return false;
        }
        double raiz;
        if (parabola(x, f, raiz)) {
            siguiente = static_cast<float>(raiz);
            bool mismoQue2 = static_cast<double>(f2_) * f > 0.0;
            bool mismoQue1 = static_cast<double>(f1_) * f > 0.0;
            if ((!mismoQue1 && mismoQue2) ||
                (mismoQue1 && mismoQue2 && std::fabs(f1_) < std::fabs(f2_))) {
                x2_ = x1_;
                f2_ = f1_;
            }
            x1_ = x;
            f1_ = f;
            return false;
        }
        siguiente = secante(x, f);
        desplazar(x, f);
        return false;
    }

private:
    static constexpr double kTolerancia = 1e-5;

    static float crecer(float x) { return std::fabs(x) <= 0.01f ? 0.1f : 1.1f * x; }

    float secante(float x, float f) const {
        // A zero slope (or coincident points) falls back on the growth step.
        if (x1_ == x) return crecer(x);
        double s = (static_cast<double>(f1_) - f) / (static_cast<double>(x1_) - x);
        if (s == 0.0 || !std::isfinite(s)) return crecer(x);
        return static_cast<float>(x - f / s);
    }

    // After a growth or secant step the older point is dropped.
    void desplazar(float x, float f) {
        x2_ = x1_;
        f2_ = f1_;
        x1_ = x;
        f1_ = f;
    }

    // Fits f = a x^2 + b x + c through the three points and, when the fit is trusted, gives the
    // root nearer to x.
    bool parabola(float x, float f, double& raiz) const {
        double X = x, F = f, X1 = x1_, F1 = f1_, X2 = x2_, F2 = f2_;
        if (X2 == X1) return false;
        double a = ((F2 - F) / (X2 - X) - (F1 - F) / (X1 - X)) / (X2 - X1);
        double b = (F1 - F) / (X1 - X) - (X1 + X) * a;
        double c = F - (a * X + b) * X;
        if (!(std::fabs(a) <= 1e-10)) return false;
        double fallo = std::fabs((a * X1 + b) * X1 + c - F1) / F1;
        if (!(fallo <= 1e-4)) return false;
        double D = b * b - 4.0 * a * c;
        if (D < 0.0) return false;
        if (D == 0.0) {
            raiz = a == 0.0 ? -b * 0.5 : -b / a * 0.5;
        } else {
            double r1 = a == 0.0 ? (-b + std::sqrt(D)) * 0.5 : (-b + std::sqrt(D)) / a * 0.5;
            double r2 = a == 0.0 ? -r1 - b : -r1 - b / a;
            raiz = std::fabs(r1 - X) <= std::fabs(r2 - X) ? r1 : r2;
        }
        return std::isfinite(raiz);
    }

    float x1_ = 0.0f, f1_ = 0.0f, x2_ = 0.0f, f2_ = 0.0f;
};

} // namespace

CorrienteAire::CorrienteAire() {
    masa = 15.0f;
    ponThrP(25.0f, 50.0f, 101325.0f);
}

float CorrienteAire::presionSaturacion(float T) {
    double t = T;
    if (t >= 0.0) return static_cast<float>(kPsat0 * std::exp(17.269 * t / (237.3 + t)));
    return static_cast<float>(kPsat0 * std::exp(21.875 * t / (265.5 + t)));
}

float CorrienteAire::temperaturaSaturacion(float pv) {
    if (!(pv > 0.0f)) return -265.5f; // the limit of the ice formula as pv tends to 0
    double lx = std::log(pv / kPsat0);
    if (pv < kPsat0) return static_cast<float>(265.5 * lx / (21.875 - lx));
    return static_cast<float>(237.3 * lx / (17.269 - lx));
}

float CorrienteAire::humedadSaturacion(float t, float p) {
    double ps = presionSaturacion(t);
    double d = static_cast<double>(p) - ps;
    if (d > 0.0) return static_cast<float>(kRelacionMolar * ps / d);
    return 0.0f;
}

void CorrienteAire::acotarTP(float& t, float& p) {
    acotar(t, -100.0f, 99.0f);
    acotar(p, 0.0014f, 1555070.0f);
}

double CorrienteAire::humedadPsicrometrica(float t, float th, float p) {
    double ws = humedadSaturacion(th, p);
    double den = kCalorLatente + kCpVapor * t - kCpAgua * th;
    if (!(den > 0.0)) return 0.0;
    return ((kCalorLatente - (kCpAgua - kCpVapor) * th) * ws - kCpAire * (t - th)) / den;
}

void CorrienteAire::ponTwP(float t, float humedad, float p) {
    acotarTP(t, p);
    acotar(humedad, 0.0f, humedadSaturacion(t, p));
    T = t;
    w = humedad;
    P = p;
}

void CorrienteAire::ponThrP(float t, float hr, float p) {
    acotarTP(t, p);
    acotar(hr, 0.0f, 100.0f);
    double ps = presionSaturacion(t);
    double pv = ps > 0.0 ? 0.01 * hr * ps : 0.0;
    double d = static_cast<double>(p) - pv;
    float humedad = d > 0.0 ? static_cast<float>(kRelacionMolar * pv / d) : 0.0f;
    if (humedad < 0.0001f) humedad = 0.0001f;
    float wsat = humedadSaturacion(t, p);
    if (humedad > wsat) humedad = wsat;
    T = t;
    w = humedad;
    P = p;
}

void CorrienteAire::ponTthP(float t, float th, float p) {
    acotarTP(t, p);
    acotar(th, -100.0f, t);
    float humedad = static_cast<float>(humedadPsicrometrica(t, th, p));
    if (humedad < 0.0001f) humedad = 0.0001f;
    float wsat = humedadSaturacion(t, p);
    if (humedad > wsat) humedad = wsat;
    T = t;
    w = humedad;
    P = p;
}

float CorrienteAire::vapor() const {
    double d = kRelacionMolar + w;
    if (!(d > 0.0)) return 0.0f;
    return static_cast<float>(static_cast<double>(P) * w / d);
}

float CorrienteAire::puntoRocio() const {
    return temperaturaSaturacion(vapor());
}

// Wet-bulb temperature: the root of the psychrometric equation in th, started just below the
// boiling point at P (or at T when lower, and never below 0), at most 20 steps, and never below
// the dew point.
float CorrienteAire::temperaturaHumeda() const {
    float tb = temperaturaSaturacion(P);
    float valor = tb - 0.1f < T ? tb - 0.1f : T;
    if (valor < 0.0f) valor = 0.0f;
    BuscadorRaiz buscador;
    for (int i = 0; i < 20; ++i) {
        if (valor >= tb - 0.09f) valor = tb - 0.1f;
        float residuo = static_cast<float>(w - humedadPsicrometrica(T, valor, P));
        float siguiente = valor;
        bool convergido = buscador.paso(valor, residuo, i, siguiente);
        valor = siguiente;
        if (convergido) break;
    }
    float rocio = puntoRocio();
    if (!(valor >= rocio)) valor = rocio; // also replaces a value that is not a number
    return valor;
}

float CorrienteAire::dame(const char* cod) {
    if (cod == nullptr) cod = "";
    if (std::strcmp(cod, "m") == 0) return masa;
    if (std::strcmp(cod, "p") == 0) return P;
    if (std::strcmp(cod, "t") == 0) return T;
    if (std::strcmp(cod, "w") == 0) return w;
    if (std::strcmp(cod, "th") == 0) return temperaturaHumeda();
    if (std::strcmp(cod, "tr") == 0) return puntoRocio();
    if (std::strcmp(cod, "hr") == 0) {
        double ps = presionSaturacion(T);
        if (!(ps > 0.0)) return 0.0f;
        return static_cast<float>(100.0 * vapor() / ps);
    }
    if (std::strcmp(cod, "h") == 0)
        return static_cast<float>((kCpVapor * T + kCalorLatente) * w + kCpAire * T);
    if (std::strcmp(cod, "ro") == 0) {
        double d = (T + kCeroAbsoluto) * kRAire * (1.0 + kFactorVapor * w);
        if (!(d > 0.0)) return 0.0f;
        return static_cast<float>(P / d);
    }
    if (std::strcmp(cod, "ve") == 0) {
        if (!(P > 0.0f)) return 0.0f;
        return static_cast<float>((T + kCeroAbsoluto) * kRAire * (1.0 + kFactorVapor * w) / P);
    }
    if (std::strcmp(cod, "pv") == 0) return vapor();
    if (std::strcmp(cod, "psat") == 0) return presionSaturacion(T);
    errorFatal(kMensajeCodigo);
}
