#pragma once
#include <string>

struct Opciones;

// The executable's command line: options, the two forms of the run arguments, help, version
// and batches. Returns the process's exit code.
class LineaOrdenes {
public:
    static int ejecutar(int argc, char** argv);
    // The designs of a manifest (or one shard of it), in worker processes, one design at a time
    // in each.
    static int ejecutarLote(const Opciones& op, const std::string& ejecutable);
    // Processors this process may run on (its CPU affinity, as a batch scheduler sets it).
    static int nucleos();
};
