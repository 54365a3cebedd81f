#include "input/RevisionClaves.h"

#include "input/TextoBDL.h"

namespace {

using namespace TextoBDL;

// Where a key was found instead of its own assignment: "dentro de la clave C-BUILDING-TYPE",
// "dentro del nombre \"V-EXTRA\"", "dentro del valor SPACE-V1".
std::string dondeSeEncuentra(const char* t, int n, int s) {
    int inicio, fin;
    palabra(t, n, s, inicio, fin);
    if (entreComillas(t, s) || t[inicio] == '"') {
        int abre = s;
        while (abre > 0 && t[abre] != '"') --abre;
        int cierra = s;
        while (cierra < n && t[cierra] != '"' && t[cierra] != '\n') ++cierra;
        std::string entre(t + abre, t + (cierra < n ? cierra + 1 : cierra));
        // A name is a quoted string that heads an object.
        std::string nombre, tipo;
        int linea = abre;
        while (linea > 0 && t[linea - 1] != '\n') --linea;
        bool esNombre = esCabecera(t, n, linea, nombre, tipo) && nombre == entre;
        return (esNombre ? "dentro del nombre " : "dentro del texto ") + entre;
    }
    std::string p(t + inicio, t + fin);
    int j = fin;
    while (j < n && t[j] == ' ') ++j;
    if (j < n && t[j] == '=') return "dentro de la clave " + p;
    return "dentro del valor " + p;
}

} // namespace

void RevisionClaves::claveEncontrada(const LeerBDL& lector, const std::string& clave,
                                     int posicion) {
    // The key itself, without the blanks and "=" a lookup may search with ("POLYGON =").
    const std::size_t a = clave.find_first_not_of(" \t=");
    if (a == std::string::npos) return;
    std::size_t b = clave.find_first_of(" \t=", a);
    if (b == std::string::npos) b = clave.size();
    const std::string k = clave.substr(a, b - a);
    const char* t = lector.texto();
    const int n = lector.longitud();
    const int s = posicion + static_cast<int>(a);
    const int largo = static_cast<int>(k.size());
    if (!t || esAsignacion(t, n, s, largo)) return;

    // The key's own assignment, when there is one; when the "=" the lookup reaches is its "="
    // ("SHADING-COEF" found in TYPE = SHADING-COEF, just before SHADING-COEF = 0.8), the value
    // read is the one written and there is nothing to say.
    int propia = 0;
    for (int c = lector.buscar(k, 1); c > 0 && !propia; c = lector.buscar(k, c + 1))
        if (esAsignacion(t, n, c, largo)) propia = c;
    if (propia && lector.buscar("=", posicion) == lector.buscar("=", propia)) return;

    Aviso aviso;
    aviso.clase = Aviso::Clase::ClaveDentro;
    aviso.lugar = lector.lugar(s);
    aviso.texto = "se busca la clave " + k + " y se encuentra antes " + dondeSeEncuentra(t, n, s) +
                  ": se lee " + valorTras(t, n, posicion);
    if (propia) {
        const int c = propia;
        const Lugar l = lector.lugar(c);
        aviso.texto += " y no " + k + " = " + valorTras(t, n, c);
        if (l.conocido())
            aviso.texto += " (" +
                           (l.fichero == aviso.lugar.fichero ? "l\xEDnea " + std::to_string(l.linea)
                                                             : l.texto()) +
                           ")";
    }
    aviso.objeto = lector.nombreObjeto();
    aviso.tipo = lector.tipoObjeto();
    int cabecera = 0;
    if (aviso.objeto.empty()) cabeceraQueContiene(t, n, s, aviso.objeto, aviso.tipo, cabecera);
    avisos_.anadir(std::move(aviso));
}
