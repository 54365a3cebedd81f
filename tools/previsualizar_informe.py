#!/usr/bin/env python3
"""Builds an informe.html from an informe.json the way the engine does: the page template
src/report/plantilla/informe.html with its one placeholder replaced by the JSON text, every "<"
of which is written as the escape \\u003c so that nothing in the data can close the script
element early.

Usage:
    tools/previsualizar_informe.py INFORME.json SALIDA.html [--plantilla PLANTILLA.html]

INFORME.json may be "-" for standard input. The JSON must parse; it is not validated against
the schema (tests/report/validar_informe.py does that). Exit code 0 on success, 1 on any error.
Only the Python 3 standard library is used.
"""
import argparse
import json
import os
import sys

MARCADOR = "/*@INFORME@*/"
RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PLANTILLA = os.path.join(RAIZ, "src", "report", "plantilla", "informe.html")


def incrustar(plantilla, texto_json):
    """The page with the placeholder replaced by the escaped JSON text."""
    veces = plantilla.count(MARCADOR)
    if veces != 1:
        raise ValueError("la plantilla debe contener el marcador %s exactamente una vez (lo contiene %d)"
                         % (MARCADOR, veces))
    return plantilla.replace(MARCADOR, texto_json.replace("<", "\\u003c"))


def leer_texto(ruta):
    if ruta == "-":
        return sys.stdin.buffer.read().decode("utf-8")
    with open(ruta, "rb") as f:
        return f.read().decode("utf-8")


def main(argv):
    p = argparse.ArgumentParser(description="Incrusta un informe.json en la plantilla de la página.")
    p.add_argument("informe", help="informe.json, o - para la entrada estándar")
    p.add_argument("salida", help="la página que se escribe")
    p.add_argument("--plantilla", default=PLANTILLA, help="plantilla de la página (%(default)s)")
    a = p.parse_args(argv)
    try:
        texto = leer_texto(a.informe)
        json.loads(texto)
        with open(a.plantilla, "rb") as f:
            plantilla = f.read().decode("utf-8")
        pagina = incrustar(plantilla, texto)
        with open(a.salida, "wb") as f:
            f.write(pagina.encode("utf-8"))
    except (OSError, UnicodeDecodeError, ValueError) as e:
        # json.JSONDecodeError is a ValueError
        print("previsualizar_informe: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
