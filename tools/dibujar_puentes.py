#!/usr/bin/env python3
"""Draws the partitions ("Particio.dat") and thermal bridges ("puentes.dat") of a run of
envolvente as one SVG plan per storey.

Usage:
    tools/dibujar_puentes.py [--particiones Particio.dat] [--puentes puentes.dat]
                             [--salida DIR] [--escala PX_POR_METRO]

Partitions are drawn as grey bands along their base edge (hover for name, storey and space).
Bridges are drawn in plan: a horizontal bridge as a line, coloured by how many elements touch
it (blue: one, an isolated edge or a window frame; orange: two; red: three or more), a vertical
bridge as a dot at its foot. Storeys are taken from the partitions (storey name and base level);
a bridge belongs to the highest storey whose base level is not above its lower end. Without
partitions, each distinct level of the bridges' lower ends gets a plan of its own.

Only the Python 3 standard library is used. Input files are Windows-1252 text.
"""
import argparse
import html
import math
import os
import sys

COLORES = {1: "#1f5fbf", 2: "#e08a00"}
COLOR_VARIOS = "#c0262d"
COLOR_PARTICION = "#8c8c8c"
TOL_Z = 0.01  # m: levels closer than this are the same


class Particion:
    def __init__(self, nombre, planta, espacio, puntos):
        self.nombre, self.planta, self.espacio, self.puntos = nombre, planta, espacio, puntos

    @property
    def z(self):
        return min(self.puntos[0][2], self.puntos[3][2])


class Puente:
    def __init__(self, indice, a, b, tocan):
        self.indice, self.a, self.b, self.tocan = indice, a, b, tocan

    @property
    def z(self):
        return min(self.a[2], self.b[2])

    @property
    def vertical(self):
        return abs(self.a[0] - self.b[0]) < 1e-6 and abs(self.a[1] - self.b[1]) < 1e-6


def leer_texto(ruta):
    with open(ruta, "rb") as f:
        return f.read().decode("cp1252", errors="replace")


def leer_particiones(ruta):
    """Records up to the empty line; the count that closes the file is checked if present."""
    particiones = []
    texto = leer_texto(ruta)
    lineas = texto.split("\n")
    fin = 0
    for fin, linea in enumerate(lineas):
        if linea == "":
            break
        partes = linea.split("*")
        if len(partes) < 4:
            raise ValueError(f"{ruta}: registro mal formado: {linea!r}")
        numeros = [float(x) for x in partes[3].split()]
        if len(numeros) < 15:
            raise ValueError(f"{ruta}: faltan coordenadas: {linea!r}")
        coords = numeros[3:15]
        puntos = [tuple(coords[3 * k:3 * k + 3]) for k in range(4)]
        particiones.append(Particion(partes[0], partes[1], partes[2], puntos))
    resto = "\n".join(lineas[fin + 1:]).strip()
    if resto and int(resto) != len(particiones):
        print(f"aviso: {ruta} declara {resto} particiones y tiene {len(particiones)}",
              file=sys.stderr)
    return particiones


def leer_puentes(ruta):
    puentes = []
    for linea in leer_texto(ruta).split("\n"):
        if not linea.strip():
            continue
        campos = linea.split("\t")
        if len(campos) < 7:
            raise ValueError(f"{ruta}: registro mal formado: {linea!r}")
        v = [float(x) for x in campos[1:7]]
        puentes.append(Puente(int(campos[0]), tuple(v[0:3]), tuple(v[3:6]),
                              [int(x) for x in campos[7:]]))
    return puentes


class Plantas:
    """Storey bands: each storey named in the partitions spans from its lowest partition foot up
    to its tallest partition; levels outside every band are cut into bands of the same height
    (the tallest storey, or 3 m without partitions), named by their base level."""

    def __init__(self, particiones):
        bandas = {}
        for p in particiones:
            alto = max(q[2] for q in p.puntos) - p.z
            base, h = bandas.get(p.planta, (math.inf, 0.0))
            bandas[p.planta] = (min(base, p.z), max(h, alto))
        self.bandas = sorted(((n, b, h) for n, (b, h) in bandas.items()), key=lambda x: x[1])
        self.altura = max((h for _, _, h in self.bandas), default=0.0) or 3.0
        self.referencia = self.bandas[0][1] if self.bandas else 0.0
        self.niveles = {n: b for n, b, _ in self.bandas}

    def de(self, z):
        """(name, base level) of the band holding level z."""
        for n, b, h in self.bandas:
            if b - TOL_Z <= z < b + h - TOL_Z:
                return n, b
        k = math.floor((z - self.referencia + TOL_Z) / self.altura)
        base = self.referencia + k * self.altura
        nombre = f"nivel {base:.2f}"
        self.niveles.setdefault(nombre, base)
        return nombre, base


def svg_planta(nombre, particiones, puentes, escala):
    xs, ys = [], []
    for p in particiones:
        for x, y, _ in p.puntos:
            xs.append(x)
            ys.append(y)
    for b in puentes:
        xs += [b.a[0], b.b[0]]
        ys += [b.a[1], b.b[1]]
    if not xs:
        xs, ys = [0.0], [0.0]
    margen = 40.0
    xmin, xmax, ymin, ymax = min(xs), max(xs), min(ys), max(ys)
    ancho = max((xmax - xmin) * escala + 2 * margen, 4 * 110 + 2 * margen)
    alto = (ymax - ymin) * escala + 2 * margen + 60

    def px(x, y):  # north up
        return (margen + (x - xmin) * escala, margen + 40 + (ymax - y) * escala)

    s = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{ancho:.0f}" height="{alto:.0f}" '
         f'viewBox="0 0 {ancho:.1f} {alto:.1f}" font-family="sans-serif" font-size="12">',
         '<rect width="100%" height="100%" fill="white"/>',
         f'<text x="{margen}" y="20" font-size="16">{html.escape(nombre.strip(chr(34)))}: '
         f'{len(particiones)} particiones, {len(puentes)} puentes</text>']
    leyenda = [("1 elemento", COLORES[1]), ("2 elementos", COLORES[2]),
               ("3 o m\u00e1s", COLOR_VARIOS), ("partici\u00f3n", COLOR_PARTICION)]
    for i, (texto, color) in enumerate(leyenda):
        x = margen + i * 110
        s.append(f'<line x1="{x}" y1="34" x2="{x + 20}" y2="34" stroke="{color}" '
                 f'stroke-width="4"/><text x="{x + 25}" y="38">{texto}</text>')
    for p in particiones:
        (x1, y1), (x2, y2) = px(*p.puntos[0][:2]), px(*p.puntos[3][:2])
        titulo = html.escape(f"{p.nombre} {p.planta} {p.espacio}")
        s.append(f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" '
                 f'stroke="{COLOR_PARTICION}" stroke-width="7" stroke-opacity="0.45">'
                 f'<title>{titulo}</title></line>')
    for b in puentes:
        color = COLORES.get(len(b.tocan), COLOR_VARIOS)
        titulo = html.escape(f"puente {b.indice}: elementos {' '.join(map(str, b.tocan))}")
        x1, y1 = px(*b.a[:2])
        if b.vertical:
            s.append(f'<circle cx="{x1:.1f}" cy="{y1:.1f}" r="3.5" fill="{color}">'
                     f'<title>{titulo} (vertical)</title></circle>')
        else:
            x2, y2 = px(*b.b[:2])
            s.append(f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" '
                     f'stroke="{color}" stroke-width="2"><title>{titulo}</title></line>')
    s.append("</svg>")
    return "\n".join(s) + "\n"


def nombre_fichero(planta):
    limpio = "".join(c if c.isalnum() or c in "-_." else "_" for c in planta.strip('"'))
    return f"plano_{limpio or 'planta'}.svg"


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--particiones", default="Particio.dat")
    ap.add_argument("--puentes", default="puentes.dat")
    ap.add_argument("--salida", default=".")
    ap.add_argument("--escala", type=float, default=40.0, help="pixels per metre")
    args = ap.parse_args(argv)

    particiones = leer_particiones(args.particiones) if os.path.exists(args.particiones) else []
    puentes = leer_puentes(args.puentes) if os.path.exists(args.puentes) else []
    if not particiones and not puentes:
        print("nada que dibujar: no se encuentran particiones ni puentes", file=sys.stderr)
        return 1
    plantas = Plantas(particiones)
    contenido = {}
    for p in particiones:
        contenido.setdefault(p.planta, ([], []))[0].append(p)
    for b in puentes:
        nombre, _ = plantas.de(b.z)
        contenido.setdefault(nombre, ([], []))[1].append(b)
    os.makedirs(args.salida, exist_ok=True)
    for nombre in sorted(contenido, key=lambda n: plantas.niveles[n]):
        ps, bs = contenido[nombre]
        ruta = os.path.join(args.salida, nombre_fichero(nombre))
        with open(ruta, "w", encoding="utf-8") as f:
            f.write(svg_planta(nombre, ps, bs, args.escala))
        print(ruta)
    return 0


if __name__ == "__main__":
    sys.exit(main())
