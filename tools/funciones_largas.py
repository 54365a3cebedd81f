#!/usr/bin/env python3
"""Lists the functions of src/ longer than a limit (default 80 lines, from the line of the
opening brace to the closing one). A function is a brace block opened at namespace level whose
header has a parameter list. Exits 1 when one is found. Usage: tools/funciones_largas.py [N]"""
import os
import re
import sys

LIMITE = int(sys.argv[1]) if len(sys.argv) > 1 else 80
raiz = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")


def sin_literales(linea):
    linea = re.sub(r'"(\\.|[^"\\])*"', '""', linea)
    linea = re.sub(r"'(\\.|[^'\\])*'", "''", linea)
    return linea.split("//")[0]


def largas(ruta):
    with open(ruta, encoding="latin-1") as f:
        lineas = [sin_literales(l) for l in f.read().split("\n")]
    res, pila, cabecera = [], [], ""
    for n, l in enumerate(lineas, 1):
        for c in l:
            if c == "{":
                # A block at namespace or class level whose header has parentheses and is not
                # a namespace, class, struct, enum or initialiser list is a function body.
                nivel_funcion = not any(t for t in pila if t[0] == "funcion")
                es_funcion = (nivel_funcion and "(" in cabecera and
                              not re.search(r"\b(namespace|class|struct|enum)\b", cabecera) and
                              not cabecera.rstrip().endswith("="))
                pila.append(("funcion" if es_funcion else "bloque", n, cabecera.strip()))
                cabecera = ""
            elif c == "}":
                if pila:
                    tipo, inicio, cab = pila.pop()
                    if tipo == "funcion" and n - inicio + 1 > LIMITE:
                        res.append((n - inicio + 1, inicio, cab))
                cabecera = ""
            elif c == ";":
                cabecera = ""
            else:
                cabecera += c
        cabecera += " "
    return res


total = 0
for d, _, fs in sorted(os.walk(raiz)):
    for f in sorted(fs):
        if f.endswith(".cpp") or f.endswith(".h"):
            ruta = os.path.join(d, f)
            for lon, ini, cab in largas(ruta):
                total += 1
                print("%s:%d: %d lineas: %s" % (os.path.relpath(ruta, raiz), ini, lon, cab[-70:]))
print("%d funciones de mas de %d lineas" % (total, LIMITE))
sys.exit(1 if total else 0)
