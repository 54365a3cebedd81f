#!/usr/bin/python3
"""Validates report files (informe.json) against docs/informe.schema.json and checks what a
schema cannot say: that every reference points into its array, that the per-month arrays of the
condensation profiles line up with their interfaces, and that the verdict, its failure lines and
the fatal error agree with one another.

Usage:
    tests/report/validar_informe.py [--esquema ESQUEMA.json] INFORME.json [INFORME.json ...]

"-" reads a report from standard input. Exit code 0 when every report is valid, 1 otherwise
(each problem is printed on standard error with its JSON path). Needs the python3-jsonschema
package of Debian, which /usr/bin/python3 has.
"""
import argparse
import json
import os
import sys

try:
    import jsonschema
except ImportError:  # pragma: no cover - depends on the machine
    print("validar_informe: falta el módulo jsonschema (paquete python3-jsonschema); "
          "ejecútelo con /usr/bin/python3", file=sys.stderr)
    sys.exit(1)

RAIZ = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ESQUEMA = os.path.join(RAIZ, "docs", "informe.schema.json")
PREFIJO_ERROR = "Se ha producido un error: "


def ruta(partes):
    return "/" + "/".join(str(p) for p in partes)


class Comprobador:
    """Collects the problems of one report that the schema cannot see."""

    def __init__(self, doc):
        self.doc = doc
        self.problemas = []
        self.n = {k: len(doc.get(k) or []) for k in ("plantas", "espacios", "elementos", "construcciones",
                                                    "perfilesIntersticiales")}
        self.construccion_de_perfil = {}

    def falla(self, donde, texto):
        self.problemas.append("%s: %s" % (ruta(donde), texto))

    def indice(self, donde, valor, coleccion, nulo=False):
        if valor is None:
            if not nulo:
                self.falla(donde, "falta la referencia a %s" % coleccion)
            return
        if not 0 <= valor < self.n[coleccion]:
            self.falla(donde, "%d no es una posición de %s (hay %d)" % (valor, coleccion, self.n[coleccion]))

    def espacios(self):
        for i, s in enumerate(self.doc["espacios"]):
            self.indice(["espacios", i, "planta"], s["planta"], "plantas", nulo=True)

    def elemento(self, i, e):
        d = ["elementos", i]
        self.indice(d + ["espacio"], e["espacio"], "espacios")
        self.indice(d + ["espacioContiguo"], e["espacioContiguo"], "espacios", nulo=True)
        self.indice(d + ["planta"], e["planta"], "plantas")
        self.indice(d + ["elementoSoporte"], e["elementoSoporte"], "elementos", nulo=True)
        soporte = e["elementoSoporte"]
        if soporte is not None and 0 <= soporte < self.n["elementos"]:
            if self.doc["elementos"][soporte]["tipo"] in ("window", "puertaOpaca"):
                self.falla(d + ["elementoSoporte"], "un hueco no puede sostener otro hueco")
        for k, c in enumerate(e["comprobaciones"]):
            self.indice(d + ["comprobaciones", k, "espacio"], c["espacio"], "espacios", nulo=True)
        esperado = all(c["cumple"] for c in e["comprobaciones"]) if e["comprobaciones"] else None
        if e["cumple"] != esperado:
            self.falla(d + ["cumple"], "vale %s y sus comprobaciones dan %s" % (e["cumple"], esperado))
        if e["cumple"] is None and e["motivoSinComprobar"] is None:
            self.falla(d + ["motivoSinComprobar"], "un elemento sin comprobar necesita su motivo")
        if (e["uImpreso"] is None) != (e["limite"] is None):
            self.falla(d + ["limite"], "uImpreso y limite van juntos")
        con = self.referido(d + ["construccion"], e["construccion"], "construcciones")
        capas = len(con["capas"]) if con else 0
        if e["terreno"] is not None:
            self.indice_capa(d + ["terreno", "aislamientoPerimetral", "capa"],
                             e["terreno"]["aislamientoPerimetral"]["capa"], capas)
        if e["condensacion"]:
            p = e["condensacion"]["intersticial"]
            g = self.referido(d + ["condensacion", "intersticial"], p, "perfilesIntersticiales")
            if g is not None:
                if con is None:
                    self.falla(d + ["condensacion", "intersticial"], "un perfil intersticial sin composición")
                elif self.construccion_de_perfil.setdefault(p, e["construccion"]) != e["construccion"]:
                    self.falla(d + ["condensacion", "intersticial"], "el perfil %d es de otra composición" % p)
                self.intersticial(d + ["condensacion", "intersticial"], g, capas)

    def referido(self, donde, valor, coleccion):
        """The record a reference points to, or None."""
        self.indice(donde, valor, coleccion, nulo=True)
        if valor is None or not 0 <= valor < self.n[coleccion]:
            return None
        return self.doc[coleccion][valor]

    def indice_capa(self, donde, valor, capas):
        if valor is not None and not 0 <= valor < capas:
            self.falla(donde, "%d no es una capa de la composición (tiene %d)" % (valor, capas))

    def intersticial(self, d, g, capas):
        n = len(g["interfaces"])
        for k, f in enumerate(g["interfaces"]):
            self.indice_capa(d + ["interfaces", k, "capa"], f["capa"], capas)
        for m, mes in enumerate(g["meses"]):
            for clave in ("temperatura", "psat", "p"):
                if len(mes[clave]) != n:
                    self.falla(d + ["meses", m, clave], "tiene %d valores y hay %d interfaces" % (len(mes[clave]), n))
            if len(mes["tasas"]) != len(mes["planos"]):
                self.falla(d + ["meses", m, "tasas"], "debe tener un valor por plano")
            for k in mes["planos"]:
                if not 0 <= k < n:
                    self.falla(d + ["meses", m, "planos"], "%d no es una interfaz" % k)
        for k in g["planos"]:
            if not 0 <= k < n:
                self.falla(d + ["planos"], "%d no es una interfaz" % k)

    def particiones(self):
        for i, p in enumerate(self.doc["particiones"]):
            d = ["particiones", i]
            self.indice(d + ["elemento"], p["elemento"], "elementos")
            self.indice(d + ["planta"], p["planta"], "plantas")
            for k, s in enumerate(p["espacios"]):
                self.indice(d + ["espacios", k], s, "espacios")
            if 0 <= p["elemento"] < self.n["elementos"]:
                if self.doc["elementos"][p["elemento"]]["nombre"] != p["nombre"]:
                    self.falla(d + ["nombre"], "no es el nombre de su elemento")

    def puentes(self):
        for i, b in enumerate(self.doc["puentesTermicos"]):
            d = ["puentesTermicos", i]
            for clave, coleccion in (("elementos", "elementos"), ("cargados", "elementos"), ("espacios", "espacios")):
                for k, v in enumerate(b[clave]):
                    self.indice(d + [clave, k], v, coleccion)
            self.indice(d + ["planta"], b["planta"], "plantas", nulo=True)

    def veredicto(self):
        v, error, ej = self.doc["veredicto"], self.doc["error"], self.doc["ejecucion"]
        if error is not None:
            if v is not None:
                self.falla(["veredicto"], "no hay veredicto tras un error fatal")
            if error["textoError"] != PREFIJO_ERROR + error["mensaje"]:
                self.falla(["error", "textoError"], "debe ser %r seguido del mensaje" % PREFIJO_ERROR)
            if ej["codigoSalida"] == 0:
                self.falla(["ejecucion", "codigoSalida"], "un error fatal no termina con código 0")
            return
        if ej["codigoSalida"] != 0:
            self.falla(["ejecucion", "codigoSalida"], "una ejecución sin error termina con código 0")
        if v is None:
            self.falla(["veredicto"], "falta el veredicto de una ejecución sin error")
            return
        if v["lineas"][-1] != v["texto"]:
            self.falla(["veredicto", "lineas"], "la última línea debe ser el veredicto %r" % v["texto"])
        if (v["texto"] == "CUMPLE") != (not v["fallos"]):
            self.falla(["veredicto", "fallos"], "%d fallos con el veredicto %s" % (len(v["fallos"]), v["texto"]))
        if len(v["fallos"]) != len(v["lineas"]) - 1:
            self.falla(["veredicto", "fallos"], "debe haber un fallo por línea antes del veredicto")
        for k, f in enumerate(v["fallos"]):
            d = ["veredicto", "fallos", k]
            self.indice(d + ["elemento"], f["elemento"], "elementos", nulo=True)
            if not 0 <= f["linea"] < len(v["lineas"]):
                self.falla(d + ["linea"], "%d no es una línea del fichero de resultados" % f["linea"])
            elif v["lineas"][f["linea"]] != f["texto"] + ", " + f["etiqueta"]:
                self.falla(d, "la línea %d no es el texto, \", \" y la etiqueta" % f["linea"])

    def regimen(self):
        ej = self.doc["ejecucion"]
        if self.doc["error"] is None and (ej["regimen"] == "numeroZona") != (self.doc["resumenZonas"] is not None):
            self.falla(["resumenZonas"], "el resumen existe solo en el régimen por número de zona")

    def todo(self):
        self.espacios()
        for i, e in enumerate(self.doc["elementos"]):
            self.elemento(i, e)
        self.particiones()
        self.puentes()
        self.veredicto()
        self.regimen()
        return self.problemas


def validar(validador, nombre, texto):
    """The problems of one report, as printable lines."""
    try:
        doc = json.loads(texto)
    except ValueError as e:
        return ["%s: no es JSON: %s" % (nombre, e)]
    errores = sorted(validador.iter_errors(doc), key=lambda e: list(e.absolute_path))
    if errores:
        return ["%s: %s: %s" % (nombre, ruta(e.absolute_path), e.message) for e in errores]
    return ["%s: %s" % (nombre, p) for p in Comprobador(doc).todo()]


def main(argv):
    p = argparse.ArgumentParser(description="Valida informes (informe.json) frente a su esquema.")
    p.add_argument("--esquema", default=ESQUEMA, help="esquema JSON (%(default)s)")
    p.add_argument("informes", nargs="+", help="ficheros informe.json, o - para la entrada estándar")
    a = p.parse_args(argv)
    try:
        with open(a.esquema, encoding="utf-8") as f:
            esquema = json.load(f)
        jsonschema.Draft202012Validator.check_schema(esquema)
    except (OSError, ValueError, jsonschema.SchemaError) as e:
        print("validar_informe: esquema %s inválido: %s" % (a.esquema, e), file=sys.stderr)
        return 1
    validador = jsonschema.Draft202012Validator(esquema)
    todos = []
    for nombre in a.informes:
        try:
            texto = sys.stdin.read() if nombre == "-" else open(nombre, encoding="utf-8").read()
        except (OSError, UnicodeDecodeError) as e:
            todos.append("%s: no se puede leer: %s" % (nombre, e))
            continue
        problemas = validar(validador, nombre, texto)
        todos += problemas
        if not problemas:
            print("%s: válido" % nombre)
    for linea in todos:
        print(linea, file=sys.stderr)
    return 1 if todos else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
