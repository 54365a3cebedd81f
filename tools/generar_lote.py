#!/usr/bin/env python3
"""Writes a stock of N design variants of the sample house and the manifest of a batch run.

Usage: tools/generar_lote.py N CARPETA [--semilla S] [--zonas D3,E1,...]

Each variant changes, from examples/edificio.bdl:
  - the thickness of the facade insulation (LANA-MINERAL, 2 to 14 cm) and of the roof and
    ground-slab insulation (POLIESTIRENO-EXTRUIDO, 3 to 14 cm);
  - the size of every window and door (a factor of 0.6 to 1.15 on width and height, about the
    opening's centre, its sill kept at or above the floor);
  - the orientation (building AZIMUTH, a multiple of 45 degrees);
  - the climate zone (one of the sample climates, with its zone's limits);
  - the U-value of the partitions the engine infers (the sample defaults' 2.0 W/m2K, or 0.6
    W/m2K from a second defaults file, lib/defectos-u060.inp, which differs in that line only).

CARPETA receives manifiesto.csv (id,edificio,clima,zona,limites,defectos and one column per
parameter, which the engine ignores), edificios/<id>.bdl, and copies of the sample climates and
library files (clima/, lib/), so that the stock can be moved or shared between machines as one
folder. The variants depend only on N's position and the seed: the same call writes the same
stock.
"""
import argparse
import os
import random
import re
import shutil
import sys

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EJEMPLOS = os.path.join(RAIZ, "examples")
ZONAS = ["D3", "E1", "B4", "C2", "C1"]


def objetos(texto):
    """Splits a BDL text into (name, type, lines) blocks; other lines are (None, None, lines)."""
    bloques, actual = [], None
    for linea in texto.splitlines(keepends=True):
        m = re.match(r'^"([^"]+)"\s*=\s*([A-Z-]+)', linea)
        if m:
            actual = [m.group(1), m.group(2), [linea]]
            bloques.append(actual)
        elif actual is not None:
            actual[2].append(linea)
            if linea.strip() == "..":
                actual = None
        else:
            bloques.append([None, None, [linea]])
    return bloques


def clave_en(linea, clave):
    return re.match(r"^(\s*)" + re.escape(clave) + r"\s*=\s*(\S+)", linea)


def leer(lineas, clave, omision):
    """The number given to `clave` in an object's lines, or `omision`."""
    for l in lineas:
        m = clave_en(l, clave)
        if m:
            return float(m.group(2))
    return omision


def poner(lineas, clave, valor):
    """Sets `clave = valor` in an object's lines, before its closing ".." when it is new."""
    for i, l in enumerate(lineas):
        m = clave_en(l, clave)
        if m:
            lineas[i] = "%s%s = %s\n" % (m.group(1), clave, valor)
            return
    lineas.insert(len(lineas) - 1, "   %s = %s\n" % (clave, valor))


def variante(bloques, p):
    salida = []
    for nombre, tipo, lineas in bloques:
        lineas = list(lineas)
        if tipo == "MATERIAL" and nombre == "LANA-MINERAL":
            poner(lineas, "THICKNESS", "%.3f" % p["aislamiento_fachada"])
        elif tipo == "MATERIAL" and nombre == "POLIESTIRENO-EXTRUIDO":
            poner(lineas, "THICKNESS", "%.3f" % p["aislamiento_cubierta"])
        elif tipo == "BUILD-PARAMETERS":
            poner(lineas, "AZIMUTH", "%.1f" % p["azimut"])
        elif tipo == "WINDOW" and all(leer(lineas, c, None) for c in ("WIDTH", "HEIGHT")):
            f = p["ventanas"]
            ancho, alto = leer(lineas, "WIDTH", None), leer(lineas, "HEIGHT", None)
            for clave, medida in (("X", ancho), ("Y", alto)):
                centrado = max(0.0, leer(lineas, clave, 0.0) + medida * (1.0 - f) / 2.0)
                poner(lineas, clave, "%.3f" % centrado)
            poner(lineas, "WIDTH", "%.3f" % (ancho * f))
            poner(lineas, "HEIGHT", "%.3f" % (alto * f))
        salida.extend(lineas)
    return "".join(salida)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("n", type=int)
    ap.add_argument("carpeta")
    ap.add_argument("--semilla", type=int, default=1)
    ap.add_argument("--zonas", default=",".join(ZONAS))
    a = ap.parse_args()
    zonas = a.zonas.split(",")
    for z in zonas:
        if not os.path.exists(os.path.join(EJEMPLOS, "clima", z + ".txt")):
            sys.exit("no hay clima de muestra para la zona " + z)

    with open(os.path.join(EJEMPLOS, "edificio.bdl"), encoding="latin-1") as f:
        bloques = objetos(f.read())
    os.makedirs(os.path.join(a.carpeta, "edificios"), exist_ok=True)
    os.makedirs(os.path.join(a.carpeta, "clima"), exist_ok=True)
    shutil.copytree(os.path.join(EJEMPLOS, "lib"), os.path.join(a.carpeta, "lib"),
                    dirs_exist_ok=True)
    with open(os.path.join(EJEMPLOS, "lib", "defectos.inp"), encoding="latin-1") as f:
        defectos = f.read()
    if "U_PARTITION = 2.0\n" not in defectos:
        sys.exit("los valores por defecto de muestra no dan U_PARTITION = 2.0")
    with open(os.path.join(a.carpeta, "lib", "defectos-u060.inp"), "w", encoding="latin-1",
              newline="") as f:
        f.write(defectos.replace("U_PARTITION = 2.0\n", "U_PARTITION = 0.6\n"))
    for z in zonas:
        shutil.copy(os.path.join(EJEMPLOS, "clima", z + ".txt"), os.path.join(a.carpeta, "clima"))

    azar = random.Random(a.semilla)
    ancho = len(str(a.n))
    filas = ["id,edificio,clima,zona,limites,defectos,"
             "aislamiento_fachada,aislamiento_cubierta,ventanas,azimut,u_particiones"]
    for i in range(1, a.n + 1):
        p = {"aislamiento_fachada": round(azar.uniform(0.02, 0.14), 3),
             "aislamiento_cubierta": round(azar.uniform(0.03, 0.14), 3),
             "ventanas": round(azar.uniform(0.6, 1.15), 3),
             "azimut": 45.0 * azar.randrange(8),
             "u_particiones": azar.choice([2.0, 0.6])}
        zona = zonas[azar.randrange(len(zonas))]
        ident = "v%0*d" % (ancho, i)
        with open(os.path.join(a.carpeta, "edificios", ident + ".bdl"), "w",
                  encoding="latin-1", newline="") as f:
            f.write(variante(bloques, p))
        defectos = "defectos.inp" if p["u_particiones"] == 2.0 else "defectos-u060.inp"
        filas.append("%s,edificios/%s.bdl,clima/%s.txt,%s,lib/limites.lim,%s,%.3f,%.3f,%.3f,%.0f,%.1f"
                     % (ident, ident, zona, zona, defectos, p["aislamiento_fachada"],
                        p["aislamiento_cubierta"], p["ventanas"], p["azimut"],
                        p["u_particiones"]))
    with open(os.path.join(a.carpeta, "manifiesto.csv"), "w", newline="") as f:
        f.write("\n".join(filas) + "\n")


if __name__ == "__main__":
    main()
