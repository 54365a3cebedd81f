#!/usr/bin/env python3
"""Checks the include graph of src/: each header and its source form one unit; the graph of
units must have no cycle, and no unit may include a unit of a higher layer. The layers, from
the bottom: base, input, geometry, climate, envelope, building, compliance, report, shell.
Prints the violations and exits 1 when there is one; with --dot prints the folder graph."""
import os
import re
import sys

CAPAS = ["base", "input", "geometry", "climate", "envelope", "building", "compliance",
         "report", "shell"]
raiz = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")


def unidades():
    grafo = {}
    for d, _, fs in os.walk(raiz):
        for f in fs:
            if not f.endswith((".h", ".cpp")):
                continue
            ruta = os.path.relpath(os.path.join(d, f), raiz)
            unidad = os.path.splitext(ruta)[0]
            with open(os.path.join(d, f), encoding="latin-1") as t:
                incs = re.findall(r'^#include "([^"]+)"', t.read(), re.M)
            grafo.setdefault(unidad, set()).update(
                os.path.splitext(i)[0] for i in incs if os.path.splitext(i)[0] != unidad)
    return grafo


def capa(u):
    c = u.split("/")[0]
    return CAPAS.index(c) if c in CAPAS else -1


def ciclos(grafo):
    indice, bajo, pila, en_pila, res, n = {}, {}, [], set(), [], [0]

    def visitar(v):
        indice[v] = bajo[v] = n[0]
        n[0] += 1
        pila.append(v)
        en_pila.add(v)
        for w in grafo.get(v, ()):
            if w not in indice:
                visitar(w)
                bajo[v] = min(bajo[v], bajo[w])
            elif w in en_pila:
                bajo[v] = min(bajo[v], indice[w])
        if bajo[v] == indice[v]:
            comp = []
            while True:
                w = pila.pop()
                en_pila.discard(w)
                comp.append(w)
                if w == v:
                    break
            if len(comp) > 1:
                res.append(sorted(comp))

    sys.setrecursionlimit(10000)
    for v in list(grafo):
        if v not in indice:
            visitar(v)
    return res


def main():
    grafo = unidades()
    fallos = 0
    for u in sorted(grafo):
        if capa(u) < 0:
            print("carpeta desconocida: %s" % u)
            fallos += 1
        for i in sorted(grafo[u]):
            if capa(i) > capa(u):
                print("hacia arriba: %s -> %s" % (u, i))
                fallos += 1
    for c in ciclos(grafo):
        print("ciclo: " + " -> ".join(c))
        fallos += 1
    if "--dot" in sys.argv:
        aristas = sorted({(u.split("/")[0], i.split("/")[0]) for u in grafo for i in grafo[u]
                          if u.split("/")[0] != i.split("/")[0]})
        print("digraph capas {")
        for a, b in aristas:
            print('  "%s" -> "%s";' % (a, b))
        print("}")
    print("%d unidades, %d problemas" % (len(grafo), fallos))
    return 1 if fallos else 0


sys.exit(main())
