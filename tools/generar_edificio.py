#!/usr/bin/env python3
"""Writes a synthetic building of N spaces in the engine's keyword language.

Usage: tools/generar_edificio.py N [--columnas C] [--ventanas W] > edificio.bdl

The spaces are 5 x 4 m rooms, 3 m high, in two rows (south and north) of C rooms per storey,
on as many storeys as needed. Every room has its facade wall with W windows, the rooms at the
ends of a row an end wall with one window, interior walls towards its east and north
neighbours, an interior ceiling towards the room above or a roof on the top storey, and a
ground slab on the ground storey. The file is self-contained: it defines its materials,
layers, constructions, glazing and conditions.
"""
import argparse
import sys

ANCHO, FONDO, ALTO = 5.0, 4.0, 3.0

CABECERA = """$ edificio sintetico de {n} espacios en {plantas} plantas, generado para pruebas de escala

LONGITUD-DE-REFERENCIA = 15.0
LATITUDE = 40.4
ALTITUDE = 667.0

"PARAMETROS" = BUILD-PARAMETERS
   TYPE-BUILD = Bloque
   CLASE-HIGROMETRIA = 3
   ..

"LADRILLO" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.115
   CONDUCTIVITY = 0.667
   DENSITY = 1140.0
   SPECIFIC-HEAT = 1000.0
   VAPOUR-DIFFUSIVITY-FACTOR = 10.0
   ..
"AISLANTE" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.06
   CONDUCTIVITY = 0.035
   DENSITY = 30.0
   SPECIFIC-HEAT = 1000.0
   VAPOUR-DIFFUSIVITY-FACTOR = 1.0
   ..
"YESO" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.015
   CONDUCTIVITY = 0.57
   DENSITY = 1150.0
   SPECIFIC-HEAT = 1000.0
   VAPOUR-DIFFUSIVITY-FACTOR = 6.0
   ..
"HORMIGON" = MATERIAL
   TYPE = PROPERTIES
   THICKNESS = 0.25
   CONDUCTIVITY = 1.5
   DENSITY = 2000.0
   SPECIFIC-HEAT = 1000.0
   VAPOUR-DIFFUSIVITY-FACTOR = 60.0
   ..
"L-FACHADA" = LAYERS
   MATERIAL = ( "LADRILLO", "AISLANTE", "YESO" )
   ..
"L-TABIQUE" = LAYERS
   MATERIAL = ( "YESO", "LADRILLO", "YESO" )
   ..
"L-FORJADO" = LAYERS
   MATERIAL = ( "HORMIGON", "YESO" )
   ..
"L-CUBIERTA" = LAYERS
   MATERIAL = ( "HORMIGON", "AISLANTE", "YESO" )
   THICKNESS = ( -1, 0.10, -1 )
   ..
"L-SOLERA" = LAYERS
   MATERIAL = ( "AISLANTE", "HORMIGON" )
   THICKNESS = ( 0.04, -1 )
   ..
"FACHADA" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L-FACHADA"
   ..
"TABIQUE" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L-TABIQUE"
   ..
"FORJADO" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L-FORJADO"
   ..
"CUBIERTA" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L-CUBIERTA"
   ..
"SOLERA" = CONSTRUCTION
   TYPE = LAYERS
   LAYERS = "L-SOLERA"
   ..
"DOBLE" = GLASS-TYPE
   TYPE = SIMPLE
   SHADING-COEF = 0.75
   GLASS-CONDUCTANCE = 2.7
   ..
SET-DEFAULT FOR WINDOW
   GLASS-TYPE = "DOBLE"
   FRAME-WIDTH = 0.08
   FRAME-CONDUCT = 2.2
   FRAME-ABS = 0.6
   INF-COEF = 9.0
   HEIGHT = 1.2
   ..
"OFICINA" = SPACE-CONDITIONS
   TEMPERATURE = 20.0
   AIR-CHANGES/HR = 0.8
   ..
"CALEFACCION" = SYSTEM-CONDITIONS
   ZONAL-ZONE-METHOD = SISTEMA-IDEAL
   ..
"""


def numero(v):
    return ("%.3f" % v).rstrip("0").rstrip(".") if v != int(v) else "%.1f" % v


def poligono(nombre, vertices):
    lineas = ['"%s" = POLYGON' % nombre]
    for i, (x, y) in enumerate(vertices, 1):
        lineas.append("   V%d = ( %s, %s )" % (i, numero(x), numero(y)))
    lineas.append("   ..")
    return "\n".join(lineas)


def objeto(nombre, tipo, claves):
    lineas = ['"%s" = %s' % (nombre, tipo)]
    lineas += ["   %s = %s" % (k, v) for k, v in claves]
    lineas.append("   ..")
    return "\n".join(lineas)


def ventanas(espacio, lado, cuantas, anchoMuro):
    """Windows spread evenly along a wall, 1.2 m high (from the defaults block) at 0.9 m."""
    ancho = min(1.2, anchoMuro / (cuantas + 1))
    hueco = (anchoMuro - cuantas * ancho) / (cuantas + 1)
    salida = []
    for k in range(cuantas):
        x = hueco + k * (ancho + hueco)
        salida.append(objeto("V-%s-%s-%d" % (espacio, lado, k + 1), "WINDOW",
                             [("X", numero(x)), ("Y", "0.9"), ("WIDTH", numero(ancho))]))
    return salida


def generar(n, columnas, numVentanas, salida):
    porPlanta = 2 * columnas
    plantas = (n + porPlanta - 1) // porPlanta
    escribir = salida.write
    escribir(CABECERA.format(n=n, plantas=plantas))

    def nombreEspacio(i):
        return "ESPACIO-%05d" % i

    for p in range(plantas):
        primero = p * porPlanta
        enPlanta = min(porPlanta, n - primero)
        escribir("\n" + poligono("P-PLANTA-%03d" % p, [(0, 0), (columnas * ANCHO, 0),
                                                         (columnas * ANCHO, 2 * FONDO),
                                                         (0, 2 * FONDO)]) + "\n")
        escribir(objeto("PLANTA-%03d" % p, "FLOOR",
                        [("Z", numero(p * ALTO)), ("POLYGON", '"P-PLANTA-%03d"' % p),
                         ("SPACE-HEIGHT", numero(ALTO))]) + "\n")
        for k in range(enPlanta):
            i = primero + k
            fila, col = divmod(k, columnas)  # fila 0: south row, 1: north row
            x0, y0 = col * ANCHO, fila * FONDO
            esp = nombreEspacio(i)
            bloques = [poligono("P-" + esp, [(x0, y0), (x0 + ANCHO, y0), (x0 + ANCHO, y0 + FONDO),
                                             (x0, y0 + FONDO)]),
                       objeto(esp, "SPACE", [("POLYGON", '"P-%s"' % esp),
                                             ("SPACE-CONDITIONS", '"OFICINA"'),
                                             ("SYSTEM-CONDITIONS", '"CALEFACCION"')])]
            # Facade: the south edge (V1) of the south row, the north edge (V3) of the north.
            lado = "S" if fila == 0 else "N"
            bloques.append(objeto("M-%s-%s" % (esp, lado), "EXTERIOR-WALL",
                                  [("CONSTRUCTION", '"FACHADA"'),
                                   ("LOCATION", "SPACE-V1" if fila == 0 else "SPACE-V3")]))
            bloques += ventanas(esp, lado, numVentanas, ANCHO)
            # End walls of the row.
            ultimaDeFila = col == columnas - 1 or i == n - 1 or (fila == 0 and k + 1 == enPlanta)
            if col == 0:
                bloques.append(objeto("M-%s-O" % esp, "EXTERIOR-WALL",
                                      [("CONSTRUCTION", '"FACHADA"'), ("LOCATION", "SPACE-V4")]))
                bloques += ventanas(esp, "O", 1, FONDO)
            if ultimaDeFila:
                bloques.append(objeto("M-%s-E" % esp, "EXTERIOR-WALL",
                                      [("CONSTRUCTION", '"FACHADA"'), ("LOCATION", "SPACE-V2")]))
                bloques += ventanas(esp, "E", 1, FONDO)
            else:
                bloques.append(objeto("T-%s-E" % esp, "INTERIOR-WALL",
                                      [("CONSTRUCTION", '"TABIQUE"'), ("LOCATION", "SPACE-V2"),
                                       ("NEXT-TO", '"%s"' % nombreEspacio(i + 1))]))
            # Towards the north row.
            if fila == 0:
                if k + columnas < enPlanta:
                    bloques.append(objeto("T-%s-N" % esp, "INTERIOR-WALL",
                                          [("CONSTRUCTION", '"TABIQUE"'),
                                           ("LOCATION", "SPACE-V3"),
                                           ("NEXT-TO", '"%s"' % nombreEspacio(i + columnas))]))
                else:
                    bloques.append(objeto("M-%s-N" % esp, "EXTERIOR-WALL",
                                          [("CONSTRUCTION", '"FACHADA"'),
                                           ("LOCATION", "SPACE-V3")]))
            # Ceiling towards the room above, or the roof.
            arriba = i + porPlanta
            if arriba < n:
                bloques.append(objeto("F-%s" % esp, "INTERIOR-WALL",
                                      [("CONSTRUCTION", '"FORJADO"'), ("LOCATION", "TOP"),
                                       ("NEXT-TO", '"%s"' % nombreEspacio(arriba))]))
            else:
                bloques.append(objeto("C-%s" % esp, "ROOF",
                                      [("CONSTRUCTION", '"CUBIERTA"'), ("LOCATION", "TOP")]))
            if p == 0:
                bloques.append(objeto("S-%s" % esp, "UNDERGROUND-WALL",
                                      [("CONSTRUCTION", '"SOLERA"'), ("LOCATION", "BOTTOM")]))
            escribir("\n".join(bloques) + "\n")


def main():
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("espacios", type=int, help="number of spaces (N >= 1)")
    a.add_argument("--columnas", type=int, default=10, help="rooms per row (default 10)")
    a.add_argument("--ventanas", type=int, default=6, help="windows per facade wall (default 6)")
    args = a.parse_args()
    if args.espacios < 1 or args.columnas < 1 or args.ventanas < 0:
        a.error("N and the number of columns must be at least 1, windows at least 0")
    generar(args.espacios, args.columnas, args.ventanas, sys.stdout)


if __name__ == "__main__":
    main()
