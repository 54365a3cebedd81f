#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Lugar.h"

// Reader of every keyword text of the engine (building file, catalogue, defaults, limit values,
// library files). The whole file is loaded into one normalised buffer and every question is a
// substring search in it: find the key, then the next "=", then read the value after it.
// Objects are read through sub-readers cut out of a reader.
//
// Conventions: positions are character offsets; position 0 means "not found" (a key at the very
// first character is never found, and hides its later occurrences). Lookups return 0 (or a
// count) on success and -1 when the key is absent; a key with no "=" after it (value lookups) or
// no "(" after it (list lookups) counts as absent. Numbers are read as C's "%d" and "%f" read
// them; a value that does not parse leaves the destination as it was and the lookup still
// succeeds. Texts have no length limit.
//
// Loading: a file is read as bytes; every line end (LF, CR LF, or a lone CR) becomes blank, LF,
// blank; runs of blanks shrink to one, but the blank before a line end is always added; the text
// ends at the first NUL byte. A file that cannot be opened gives a reader without text.
//
// Places: every position of a reader's text maps back to the file and line it was loaded from
// (lugar), sub-readers included: they remember which pieces of their parent they were cut from.
class LeerBDL {
public:
    // Whoever watches the key lookups of a reader and of the sub-readers cut from it afterwards
    // (the review of a building): told of every key found, with the position it was found at.
    class Vigia {
    public:
        virtual ~Vigia() = default;
        virtual void claveEncontrada(const LeerBDL& lector, const std::string& clave,
                                     int posicion) = 0;
    };

    LeerBDL(); // a reader without text
    explicit LeerBDL(const std::string& fichero);
    // The building file's text immediately followed by the catalogue's text.
    LeerBDL(const std::string& ficheroEdificio, const std::string& ficheroCatalogo);
    // A reader over a text already in memory, normalised as a loaded file is (tests, sub-readers);
    // its places name the given file.
    static std::unique_ptr<LeerBDL> desdeTexto(const std::string& texto,
                                               const std::string& fichero = "");
    virtual ~LeerBDL();
    LeerBDL(const LeerBDL&) = delete;
    LeerBDL& operator=(const LeerBDL&) = delete;

    // One object of type `tipo` named `nombre` (with its double quotes), followed by the
    // "SET-DEFAULT FOR <tipo>" block of the parent, if any. Never null: texto() is null when the
    // object does not exist.
    static std::unique_ptr<LeerBDL> objeto(const LeerBDL& padre, const std::string& tipo,
                                           const std::string& nombre);
    // The text from the first occurrence of `clave` up to the next "..".
    static std::unique_ptr<LeerBDL> bloque(const LeerBDL& padre, const std::string& clave,
                                           bool& encontrado);
    // One "$LIBRARY-ENTRY" of a library file looked up in the library directory. An unopenable
    // file is fatal ("Edificio mal definido. No se encuentra: " + file); a missing entry gives a
    // reader without text.
    static std::unique_ptr<LeerBDL> entradaLibreria(const std::string& fichero,
                                                    const std::string& nombre,
                                                    const std::string& tipo,
                                                    const std::string& grupo);

    int buscar(const std::string& s, int inicio) const;
    // The value starts after the first "=" at or after the key (so a key may include its "=").
    int dameEntero(const std::string& clave, int& valor) const;
    int dameReal(const std::string& clave, float& valor) const;
    // A quoted string with its quotes, or a word up to the next blank.
    int dameCadena(const std::string& clave, std::string& valor) const;
    // Lists: the vector grows to the count when shorter; an element that does not parse keeps the
    // value it had (0 for a new element). Return the count, or -1 when the key is absent.
    int dameLista(const std::string& clave, std::vector<float>& valores) const;
    int dameListaCadenas(const std::string& clave, std::vector<std::string>& valores) const;
    // Exactly n values; "&D" repeats the previous one (fatal as the first: "El schedule " + key +
    // " esta mal definido"); when the commas run out the last value read repeats. 0 / -1.
    int dameValores(const std::string& clave, int n, std::vector<float>& valores) const;
    // As dameValores, "&D" giving -1.0; the count is the commas of the list plus one (2 when the
    // list has none but a comma stands later in the text).
    int dameListaValores(const std::string& clave, std::vector<float>& valores) const;
    // Two lists of n values: the list after the key and the next one after it (or, when there is
    // none, the first one after "V1").
    int dameDosListas(const std::string& clave, int n, std::vector<float>& primera,
                      std::vector<float>& segunda) const; // 0 / -1
    // The number of "(" after the first "V1", and the (x, y) pairs read from there on.
    int numeroVertices() const;
    void dameVertices(std::vector<std::pair<float, float>>& vertices, int n) const;

    // An object of type T is an occurrence of the keyword T preceded by the tail of a header
    // (double quote, any character, "=", blank) and followed by a blank, tab, line end or the end
    // of the text, so that SPACE never matches SPACE-CONDITIONS. T may be given with or without
    // a trailing blank ("SPACE" or "SPACE ").
    int cuentaObjetos(const std::string& tipo) const;
    // Objects of the type from position `desde` up to `hasta` (-1: to the end of the text).
    int cuentaObjetosAntes(int desde, int hasta, const std::string& tipo) const;
    void inicioObjetos();
    // The iteration cursor, to walk the objects of a range (see extensionObjeto): siguienteObjeto
    // finds the next object at or after it and leaves it one character past that object's type.
    int cursor() const;
    void ponerCursor(int posicion);
    // The names (with double quotes) of every object of the type, in text order: what
    // inicioObjetos and cuentaObjetos calls of siguienteObjeto give, without moving the cursor.
    std::vector<std::string> nombresObjetos(const std::string& tipo) const;
    // Advances the cursor to the next object of the type and gives its name with double quotes;
    // 0 on success, -1 when there is none.
    int siguienteObjeto(std::string& nombre, const std::string& tipo);
    // Start of the named object's header (its opening quote) and start of the header of the next
    // object of the type after it (-1 when it is the last): the object and its children.
    // 0 on success, -1 (both -1) when the object does not exist.
    int extensionObjeto(const std::string& tipo, const std::string& nombre, int& inicio,
                        int& fin) const;
    // As extensionObjeto for an object of tipo1, ending at the nearer next object of either type.
    int extensionObjeto2(const std::string& tipo1, const std::string& tipo2,
                         const std::string& nombre, int& inicio, int& fin) const;

    const char* texto() const; // null when the reader has no text
    int longitud() const;

    // The file and line a position of the text comes from (line 0 when it is not known).
    Lugar lugar(int posicion) const;
    // The object a sub-reader was cut out for (type keyword, name with its quotes) and the length
    // of its own text, before the appended type defaults; for other readers, empty names and the
    // whole length. The names are kept only when the reader is watched.
    const std::string& tipoObjeto() const;
    const std::string& nombreObjeto() const;
    int longitudPropia() const;
    // Watches the lookups of this reader and of every sub-reader cut from it from now on.
    void vigilar(Vigia* vigia);

    // Object queries go through an index of object headers built on first use; without it they
    // rescan the text. Both give the same answers (the switch exists for checking that).
    void usarIndice(bool si);

private:
    struct Indice;
    struct Impl;
    std::unique_ptr<Impl> impl_;
    friend struct LeerBDLAcceso;
};

// The building reader of the current run (the building file followed by the catalogue), set by
// the run driver.
extern LeerBDL* gLeerBDL;
