#!/usr/bin/env python3
"""Puts the #include block at the top of each C++ file in the project's order: the file's own
header first, then the system headers, then the project headers, each group sorted and without
repetitions. Usage: tools/ordenar_includes.py FILE..."""
import re
import sys


def ordenar(ruta):
    with open(ruta, encoding="latin-1") as f:
        lineas = f.read().split("\n")
    primera = next((i for i, l in enumerate(lineas) if l.startswith("#include")), None)
    if primera is None:
        return
    ultima = primera
    for i in range(primera, len(lineas)):
        if lineas[i].startswith("#include"):
            ultima = i
        elif lineas[i].strip():
            break
    bloque = [l for l in lineas[primera:ultima + 1] if l.startswith("#include")]
    base = re.sub(r"^.*?src/|^.*?tests/|^.*?bench/|^.*?fuzz/", "", ruta)
    propia = re.sub(r"(_test)?\.cpp$", ".h", base)
    propias = [l for l in bloque if l == '#include "%s"' % propia]
    sistema = sorted(set(l for l in bloque if "<" in l))
    proyecto = sorted(set(l for l in bloque if '"' in l and l not in propias))
    grupos = [g for g in (propias[:1], sistema, proyecto) if g]
    nuevo = []
    for g in grupos:
        if nuevo:
            nuevo.append("")
        nuevo.extend(g)
    resultado = lineas[:primera] + nuevo + lineas[ultima + 1:]
    if resultado != lineas:
        with open(ruta, "w", encoding="latin-1") as f:
            f.write("\n".join(resultado))


for r in sys.argv[1:]:
    ordenar(r)
