#!/usr/bin/python3
"""Loads a report page (informe.html) in headless Chromium and checks what it rendered.

Usage:
    tests/report/navegador.py INFORME.html [--captura FICHERO.png] [--contiene TEXTO ...]
                              [--chromium RUTA] [--limite SEGUNDOS]

The page is loaded with every element detail unfolded (#desplegar-todo), in a fresh browser
profile, and its DOM read with --dump-dom. Checked: the page finished without a script error
(<body data-estado="listo">, nothing in the page's error box); one plan (svg.plano) per storey;
one row of the element table per element (on its first page of 500); the lines of the results file, with one failure line
per failure; the fatal error message when there is one; one detail per element (of that page), with the section
drawing of its layers, its Glaser diagram marking as many condensation planes as the month it
shows, its window and ground tables where the report has them.
The expectations come from the report embedded in the page itself. --captura takes a
screenshot of the page as it opens (1280 x 2000). --contiene checks that the page shows a text.
Exit code 0 when every check passes, 1 otherwise. Only the Python standard library is used.
"""
import argparse
import html.parser
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

BANDERAS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--hide-scrollbars"]
FILAS_POR_PAGINA = 500  # the page shows the element table (and its details) 500 rows at a time
VACIOS = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
          "track", "wbr"}


class Nodo:
    def __init__(self, etiqueta, atributos, padre):
        self.etiqueta, self.atributos, self.padre = etiqueta, dict(atributos), padre
        self.hijos, self.textos = [], []

    def clases(self):
        return (self.atributos.get("class") or "").split()

    def todos(self):
        pila = [self]
        while pila:
            n = pila.pop()
            yield n
            pila.extend(reversed(n.hijos))

    def buscar(self, etiqueta=None, clase=None, **atributos):
        return [n for n in self.todos()
                if (etiqueta is None or n.etiqueta == etiqueta)
                and (clase is None or clase in n.clases())
                and all(n.atributos.get(k.replace("_", "-")) == v for k, v in atributos.items())]

    def texto(self):
        partes = []
        for n in self.todos():
            if n.etiqueta not in ("script", "style"):
                partes.extend(n.textos)
        return "".join(partes)


class Arbol(html.parser.HTMLParser):
    """A small DOM of the page Chromium serialised, enough to count and read elements."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.raiz = Nodo("#documento", [], None)
        self.actual = self.raiz

    def handle_starttag(self, etiqueta, atributos):
        n = Nodo(etiqueta, atributos, self.actual)
        self.actual.hijos.append(n)
        if etiqueta not in VACIOS:
            self.actual = n

    def handle_startendtag(self, etiqueta, atributos):
        self.actual.hijos.append(Nodo(etiqueta, atributos, self.actual))

    def handle_endtag(self, etiqueta):
        n = self.actual
        while n is not None and n.etiqueta != etiqueta:
            n = n.padre
        if n is not None and n.padre is not None:
            self.actual = n.padre

    def handle_data(self, datos):
        self.actual.textos.append(datos)


def leer_informe(ruta_html):
    """The report embedded in the page, as the page itself reads it."""
    with open(ruta_html, encoding="utf-8") as f:
        pagina = f.read()
    m = re.search(r'<script id="datos" type="application/json">(.*?)</script>', pagina, re.S)
    if not m:
        raise ValueError("la página no contiene el elemento script#datos")
    return json.loads(m.group(1))


def chromium(ejecutable, argumentos, limite):
    perfil = tempfile.mkdtemp(prefix="informe-chromium-")
    try:
        r = subprocess.run([ejecutable] + BANDERAS + ["--user-data-dir=" + perfil] + argumentos,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=limite)
    finally:
        shutil.rmtree(perfil, ignore_errors=True)
    if r.returncode != 0:
        raise RuntimeError("chromium terminó con el código %d: %s" % (r.returncode, r.stderr.decode(errors="replace")[-800:]))
    return r.stdout.decode("utf-8", errors="replace")


def cargar_dom(ejecutable, url, limite):
    texto = chromium(ejecutable, ["--virtual-time-budget=2000", "--dump-dom", url], limite)
    a = Arbol()
    a.feed(texto)
    a.close()
    return a.raiz


def comprobar_estado(dom, fallos):
    cuerpo = dom.buscar("body")
    estado = cuerpo[0].atributos.get("data-estado") if cuerpo else None
    errores = [li.texto().strip() for caja in dom.buscar(id="errores-script") for li in caja.buscar("li")]
    if estado != "listo" or errores:
        fallos.append("la página no terminó bien (data-estado=%r): %s" % (estado, " | ".join(errores)))


def comprobar_pagina(dom, informe, fallos):
    comprobar_estado(dom, fallos)
    planos = dom.buscar("svg", clase="plano")
    if len(planos) != len(informe["plantas"]):
        fallos.append("%d planos para %d plantas" % (len(planos), len(informe["plantas"])))
    for i in range(len(informe["plantas"])):
        if not dom.buscar("svg", clase="plano", data_planta=str(i)):
            fallos.append("falta el plano de la planta %d" % i)
    tabla = dom.buscar("table", id="tabla-elementos")
    filas = tabla[0].buscar("tbody")[0].buscar("tr") if tabla and tabla[0].buscar("tbody") else []
    esperadas = min(len(informe["elementos"]), FILAS_POR_PAGINA)
    if len(filas) != esperadas:
        fallos.append("%d filas en la tabla de elementos para %d elementos" % (len(filas), len(informe["elementos"])))
    texto = dom.texto()
    v = informe.get("veredicto")
    if v:
        lineas = dom.buscar("li", clase="linea-fallo")
        if len(lineas) != len(v["fallos"]):
            fallos.append("%d líneas de fallo para %d fallos" % (len(lineas), len(v["fallos"])))
        for linea in v["lineas"]:
            if linea not in texto:
                fallos.append("no se ve la línea de resultados %r" % linea)
    e = informe.get("error")
    if e:
        caja = dom.buscar(id="error-fatal")
        if not caja or e["textoError"] not in caja[0].texto():
            fallos.append("no se ve el error fatal %r" % e["textoError"])


def referido(informe, coleccion, indice):
    """The shared record an element refers to by its position, or None."""
    lista = informe.get(coleccion) or []
    return lista[indice] if isinstance(indice, int) and 0 <= indice < len(lista) else None


def comprobar_detalles(dom, informe, fallos):
    for i, e in enumerate(informe["elementos"][:FILAS_POR_PAGINA]):
        d = dom.buscar("details", id="el-%d" % i)
        if not d:
            fallos.append("falta el detalle del elemento %d" % i)
            continue
        d = d[0]
        if "open" not in d.atributos:
            fallos.append("el detalle del elemento %d no se desplegó" % i)
        con = referido(informe, "construcciones", e.get("construccion"))
        if con and con["capas"] and not d.buscar("svg", clase="seccion"):
            fallos.append("falta la sección de capas del elemento %d" % i)
        g = referido(informe, "perfilesIntersticiales", (e.get("condensacion") or {}).get("intersticial"))
        if g:
            glaser = d.buscar("svg", clase="glaser")
            if not glaser:
                fallos.append("falta el diagrama de Glaser del elemento %d" % i)
            else:
                planos = len(g["meses"][g["peorMes"]]["planos"])
                marcados = len(glaser[0].buscar("g", clase="plano-condensacion"))
                if marcados != planos:
                    fallos.append("el diagrama del elemento %d marca %d planos de condensación y su peor mes tiene %d"
                                  % (i, marcados, planos))
        for clave, clase in (("ventana", "ventana"), ("terreno", "terreno")):
            if e.get(clave) and not d.buscar("table", clase=clase):
                fallos.append("falta la tabla %s del elemento %d" % (clase, i))


def main(argv):
    p = argparse.ArgumentParser(description="Comprueba una página de informe en Chromium sin ventana.")
    p.add_argument("pagina", help="informe.html")
    p.add_argument("--captura", help="PNG con la página tal como se abre (1280 x 2000)")
    p.add_argument("--contiene", action="append", default=[], help="texto que la página debe mostrar")
    p.add_argument("--chromium", default="/usr/bin/chromium", help="navegador (%(default)s)")
    p.add_argument("--limite", type=float, default=180, help="segundos por carga (%(default)s)")
    a = p.parse_args(argv)
    fallos = []
    try:
        informe = leer_informe(a.pagina)
        url = "file://" + os.path.abspath(a.pagina)
        dom = cargar_dom(a.chromium, url + "#desplegar-todo", a.limite)
        comprobar_pagina(dom, informe, fallos)
        comprobar_detalles(dom, informe, fallos)
        texto = dom.texto()
        for t in a.contiene:
            if t not in texto:
                fallos.append("la página no muestra %r" % t)
        if a.captura:
            chromium(a.chromium, ["--screenshot=" + os.path.abspath(a.captura), "--window-size=1280,2000", url], a.limite)
            if not os.path.exists(a.captura) or os.path.getsize(a.captura) == 0:
                fallos.append("no se escribió la captura %s" % a.captura)
    except (OSError, ValueError, RuntimeError, subprocess.TimeoutExpired) as e:
        fallos.append(str(e))
    for f in fallos:
        print("%s: %s" % (a.pagina, f), file=sys.stderr)
    if not fallos:
        print("%s: correcta" % a.pagina)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
