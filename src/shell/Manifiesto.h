#pragma once
#include <istream>
#include <string>
#include <vector>

// One design of a batch: its identifier (the name of its folder) and its run arguments, the
// paths already resolved against the manifest's folder.
struct Diseno {
    std::string id;
    std::string edificio, clima, zona, limites;
    std::string defectos = "defectos.inp"; // a name in the library folder, as on the command line
    int linea = 0;                         // line of the manifest where the design begins
};

// The manifest of a batch: a CSV file (RFC 4180: quoted fields, doubled quotes, commas and line
// ends inside quotes, CRLF or LF) whose header names the columns id, edificio, clima, zona,
// limites and, optionally, defectos; other columns are ignored. Relative paths are taken from
// the manifest's folder (the working folder for standard input). An unreadable or wrong
// manifest is a fatal error (ErrorFatal) whose message begins "fichero:línea: ".
class Manifiesto {
public:
    struct Registro {
        int linea = 0;
        std::vector<std::string> campos;
    };

    // Reads the manifest file, or standard input for "-".
    static std::vector<Diseno> leerFichero(const std::string& ruta);
    // Reads a manifest text; `nombre` names it in messages, `carpeta` resolves relative paths.
    static std::vector<Diseno> leer(const std::string& texto, const std::string& nombre,
                                    const std::string& carpeta);
    // The records of a CSV text; blanks around an unquoted field are dropped.
    static std::vector<Registro> registrosCsv(const std::string& texto, const std::string& nombre);
    // Shard k of n (1 <= k <= n): a contiguous block of the manifest, so that the shards 1 to n
    // in turn are the manifest in its order, each design in exactly one of them.
    static std::vector<Diseno> parte(const std::vector<Diseno>& disenos, int k, int n);
};
