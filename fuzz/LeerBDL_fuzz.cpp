// libFuzzer target of the keyword-text reader: loading from bytes (in memory and from a file),
// every lookup, the object operations, blocks and library entries. The answers of the object
// operations through the header index are checked against the plain search. A fatal input error
// (ErrorFatal) is an accepted outcome.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"

namespace {

std::string gDirectorio;

void comprobar(bool ok) {
    if (!ok) __builtin_trap(); // the index and the plain search disagree
}

// Words that stand where an object type stands ("= " before them), and quoted strings: the
// types and names the operations are asked about.
void candidatos(const std::string& t, std::vector<std::string>& tipos,
                std::vector<std::string>& nombres) {
    tipos = {"SPACE", "SPACE ", "WINDOW", "THERMAL-BRIDGE", "DAY-SCHEDULE-PD", ""};
    for (std::size_t p = t.find("= "); p != std::string::npos && tipos.size() < 10;
         p = t.find("= ", p + 1)) {
        std::size_t f = t.find_first_of(" \t\n", p + 2);
        tipos.push_back(t.substr(p + 2, (f == std::string::npos ? t.size() : f) - p - 2));
    }
    nombres = {"\"\"", "\"S\"", "S"};
    for (std::size_t p = t.find('"'); p != std::string::npos && nombres.size() < 10;) {
        std::size_t f = t.find('"', p + 1);
        if (f == std::string::npos) break;
        nombres.push_back(t.substr(p, f - p + 1));
        p = t.find('"', f + 1);
    }
}

void valores(const LeerBDL& r, const std::vector<std::string>& claves) {
    for (const std::string& k : claves) {
        int i = 0;
        float f = 0;
        std::string s;
        std::vector<float> v, w;
        std::vector<std::string> c;
        r.dameEntero(k, i);
        r.dameReal(k, f);
        r.dameCadena(k, s);
        r.dameLista(k, v);
        r.dameListaCadenas(k, c);
        r.dameListaValores(k, v);
        r.dameDosListas(k, 3, v, w);
        try {
            r.dameValores(k, 24, v);
        } catch (const ErrorFatal&) {
        }
        bool hay = false;
        auto b = LeerBDL::bloque(r, k, hay);
        comprobar(hay == (b->texto() != nullptr));
    }
    int n = r.numeroVertices();
    std::vector<std::pair<float, float>> vs;
    r.dameVertices(vs, n < 200 ? n : 200);
}

void objetos(LeerBDL& a, LeerBDL& b, const std::vector<std::string>& tipos,
             const std::vector<std::string>& nombres) {
    a.usarIndice(true);
    b.usarIndice(false);
    const int L = a.longitud();
    for (const std::string& t : tipos) {
        comprobar(a.cuentaObjetos(t) == b.cuentaObjetos(t));
        for (int d : {0, L / 3})
            for (int h : {-1, L / 2})
                comprobar(a.cuentaObjetosAntes(d, h, t) == b.cuentaObjetosAntes(d, h, t));
        std::vector<std::string> na = a.nombresObjetos(t);
        b.inicioObjetos();
        std::string nb;
        for (const std::string& n : na) {
            comprobar(b.siguienteObjeto(nb, t) == 0);
            comprobar(nb == n);
        }
        comprobar(b.siguienteObjeto(nb, t) == -1);
        std::vector<std::string> todos(nombres.begin(),
                                       nombres.begin() + std::min<std::size_t>(nombres.size(), 6));
        for (std::size_t i = 0; i < na.size() && i < 2; ++i) todos.push_back(na[na.size() - 1 - i]);
        for (const std::string& n : todos) {
            auto oa = LeerBDL::objeto(a, t, n);
            auto ob = LeerBDL::objeto(b, t, n);
            comprobar((oa->texto() == nullptr) == (ob->texto() == nullptr));
            if (oa->texto()) comprobar(std::string(oa->texto()) == ob->texto());
            int i1 = 0, f1 = 0, i2 = 0, f2 = 0;
            comprobar(a.extensionObjeto(t, n, i1, f1) == b.extensionObjeto(t, n, i2, f2));
            comprobar(i1 == i2 && f1 == f2);
            comprobar(a.extensionObjeto2(t, "WINDOW", n, i1, f1) ==
                      b.extensionObjeto2(t, "WINDOW", n, i2, f2));
            comprobar(i1 == i2 && f1 == f2);
            if (oa->texto()) valores(*oa, {"AREA", "VALUES", "V1", t});
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static Global2 hub("/dev/null");
    gGlobal2 = &hub;
    char plantilla[] = "/tmp/LeerBDL_fuzz-XXXXXX";
    if (!mkdtemp(plantilla)) std::abort();
    gDirectorio = plantilla;
    std::atexit([] {
        std::remove((gDirectorio + "/LIB.DAT").c_str());
        rmdir(gDirectorio.c_str());
    });
    Directorios::instancia().registrar("Lib", gDirectorio + "/");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string bytes(reinterpret_cast<const char*>(datos), n);
    try {
        auto a = LeerBDL::desdeTexto(bytes);
        auto b = LeerBDL::desdeTexto(bytes);
        const std::string t = a->texto();

        // The same bytes loaded from a file read the same.
        const std::string ruta = gDirectorio + "/LIB.DAT";
        if (std::FILE* f = std::fopen(ruta.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        LeerBDL desdeFichero(ruta);
        comprobar(desdeFichero.texto() && t == desdeFichero.texto());
        LeerBDL dos(ruta, ruta);
        comprobar(dos.texto() && t + t == dos.texto());

        std::vector<std::string> tipos, nombres;
        candidatos(t, tipos, nombres);
        valores(*a, {"A", "VALUES", "DAY-SCHEDULES", "V1", "(", "=", "&D", ""});
        valores(*a, tipos);
        objetos(*a, *b, tipos, nombres);

        // Library entries: names and groups taken from the text, at their columns.
        std::string grupo = t.size() > 20 ? t.substr(15, 5) : "G";
        std::string nombre = t.size() > 52 ? t.substr(47, 5) : "N";
        auto e = LeerBDL::entradaLibreria("LIB.DAT", nombre, "", grupo);
        if (e->texto()) valores(*e, {"A", "U"});
    } catch (const ErrorFatal&) {
    }
    return 0;
}
