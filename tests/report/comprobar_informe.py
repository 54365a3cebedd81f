#!/usr/bin/python3
"""Runs the engine with --informe on the sample building and on every integration case and
checks each report against the files the same run wrote:

- the report validates against docs/informe.schema.json (and the cross-checks of
  validar_informe.py);
- it holds one element record per envelope object of the building file (walls, roofs, interior
  and ground walls, windows and doors) plus one per partition of Particio.dat;
- its verdict lines are the results file, its log lines are Error.log;
- every failure line of the results file and every result line of Error.log is found in the
  report with the same numbers: the element's printed U against its limit, the permeability,
  the temperature factors, the perimeter-insulation U, the thermal-bridge types, the zone-number
  lists, weighted U and glazing percentages;
- every comparison the report says failed is a line of the results file;
- a fatal run writes a valid report with the message of standard error and no verdict.

Usage:
    tests/report/comprobar_informe.py ENVOLVENTE [--conservar DIR]

--conservar keeps the reports of the sample (DIR/muestra/) and of a fatal run (DIR/error/) for
the page tests. Exit code 0 when every check passes, 1 otherwise. Needs /usr/bin/python3 with
python3-jsonschema.
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

AQUI = os.path.dirname(os.path.abspath(__file__))
RAIZ = os.path.dirname(os.path.dirname(AQUI))
sys.path.insert(0, AQUI)
import validar_informe  # noqa: E402

EJEMPLOS = os.path.join(RAIZ, "examples")
CASOS = os.path.join(RAIZ, "tests", "integration", "casos")
TIPOS_BDL = ("EXTERIOR-WALL", "ROOF", "INTERIOR-WALL", "UNDERGROUND-WALL", "WINDOW")
NUM = r"(-?\d+(?:\.\d+)?)"


def f2(x):
    return "%1.2f" % x


def f0(x):
    return "%1.0f" % x


class Ejecucion:
    """One run of the engine with its report, in a scratch folder."""

    def __init__(self, exe, carpeta, edificio, clima, zona, lib):
        self.carpeta = carpeta
        self.edificio = edificio
        os.makedirs(os.path.join(carpeta, "salida"), exist_ok=True)
        self.informe_dir = os.path.join(carpeta, "informe")
        res = os.path.join(carpeta, "salida", "resultados.txt")
        cadena = ",".join([edificio, clima, zona, res, os.path.join(lib, "limites.lim"), "defectos.inp"])
        r = subprocess.run([exe, "--informe", self.informe_dir, cadena], cwd=carpeta,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=300)
        self.codigo, self.stderr = r.returncode, r.stderr.decode("cp1252", "replace")
        self.resultados = leer(res)
        self.log = leer(os.path.join(carpeta, "salida", "Error.log"))
        self.particio = leer(os.path.join(carpeta, "salida", "Particio.dat"))
        ruta = os.path.join(self.informe_dir, "informe.json")
        with open(ruta, encoding="utf-8") as f:
            self.texto_json = f.read()
        self.doc = json.loads(self.texto_json)


def leer(ruta):
    try:
        with open(ruta, "rb") as f:
            return f.read().decode("cp1252", "replace")
    except OSError:
        return None


def lineas(texto):
    if not texto:
        return []
    partes = texto.split("\n")
    return partes[:-1] if partes[-1] == "" else partes


def objetos_bdl(ruta):
    """(name, type) of every envelope object of a building file, in file order."""
    texto = leer(ruta)
    return re.findall(r'^\s*("[^"]*")\s*=\s*(%s)\s*$' % "|".join(TIPOS_BDL), texto, re.M)


class Comprobacion:
    def __init__(self, nombre, e):
        self.nombre, self.e, self.doc = nombre, e, e.doc
        self.problemas = []
        self.elementos = {}
        for i, el in enumerate(self.doc["elementos"]):
            self.elementos.setdefault(el["nombre"], []).append(i)

    def falla(self, texto):
        self.problemas.append("%s: %s" % (self.nombre, texto))

    def igual(self, que, obtenido, esperado):
        if obtenido != esperado:
            self.falla("%s: el informe dice %r y los ficheros %r" % (que, obtenido, esperado))

    def elemento(self, nombre):
        ids = self.elementos.get(nombre, [])
        if not ids:
            self.falla("no hay elemento %s en el informe" % nombre)
            return None
        return self.doc["elementos"][ids[0]]

    # --- the whole report ---
    def esquema(self, validador):
        for p in validar_informe.validar(validador, self.nombre, self.e.texto_json):
            self.problemas.append(p)

    def un_registro_por_elemento(self):
        objetos = objetos_bdl(self.e.edificio)
        particiones = [l.split("*")[0] for l in lineas(self.e.particio) if "*" in l]
        esperado = sorted(['%s %s' % o for o in objetos] + ["%s None" % p for p in particiones])
        obtenido = sorted("%s %s" % (el["nombre"], el["tipoBDL"]) for el in self.doc["elementos"])
        self.igual("elementos (nombre y tipo)", obtenido, esperado)
        self.igual("particiones", [p["nombre"] for p in self.doc["particiones"]], particiones)

    def ficheros(self):
        self.igual("líneas del fichero de resultados", self.doc["veredicto"]["lineas"],
                   lineas(self.e.resultados))
        self.igual("líneas de Error.log", self.doc["registro"], lineas(self.e.log))

    # --- the failure lines of the results file ---
    def linea_de_fallo(self, f):
        texto, lista = f["texto"], f["lista"]
        m = re.match(r'^(.*): U = %s ?W/m2K (?:Ulimite|U m.ximo permitido [a-z ]+) = %sW/m2K$'
                     % (NUM, NUM), texto)
        if m and not m.group(1).startswith('"Aislamiento Perimetral'):
            return self.fallo_u(m.group(1), m.group(2), m.group(3), texto)
        m = re.match(r'^"Aislamiento Perimetral de la Solera": U = %sW/m2K Ulimite = %sW/m2K$'
                     % (NUM, NUM), texto)
        if m:
            us = [f2(el["terreno"]["uPerimetral"]) for el in self.doc["elementos"]
                  if el["terreno"] and el["terreno"]["uPerimetral"] is not None]
            if m.group(1) not in us:
                self.falla("ninguna solera tiene U perimetral %s: %s" % (m.group(1), us))
            return
        m = re.match(r"^(.*): Uventana = %sW/m2K Ulimite = %sW/m2K$" % (NUM, NUM), texto)
        if m:
            return self.fallo_u(m.group(1), m.group(2), m.group(3), texto)
        m = re.match(r"^(.*): Permeabilidad = %s Permeabilidad_limite = %s$" % (NUM, NUM), texto)
        if m:
            el = self.elemento(m.group(1))
            if el:
                self.igual("permeabilidad de " + m.group(1), f2(el["ventana"]["permeabilidad"]), m.group(2))
                self.comprobacion_fallida(el, texto, valor=m.group(2), limite=m.group(3))
            return
        m = re.match(r"^(.*): fRsi = %s fRsi_minimo = %s$" % (NUM, NUM), texto)
        if m and lista == 1:
            el = self.elemento(m.group(1))
            if el:
                s = el["condensacion"]["superficial"]
                self.igual("fRsi de " + m.group(1), (f2(s["fRsi"]), f2(s["fRsiMinimo"])),
                           (m.group(2), m.group(3)))
                self.comprobacion_fallida(el, texto)
            return
        if m and lista == 4:
            tipos = [c for c in self.doc["comprobacionesPuentes"] if c["tipo"] == m.group(1)]
            if not tipos:
                return self.falla("no hay comprobación del puente %s" % m.group(1))
            self.igual("puente " + m.group(1), (f2(tipos[0]["fRsi"]), f2(tipos[0]["fRsiMinimo"]),
                                                tipos[0]["cumple"]), (m.group(2), m.group(3), False))
            return
        if lista == 2:
            el = self.elemento(texto)
            if el:
                perfil = self.doc["perfilesIntersticiales"][el["condensacion"]["intersticial"]]
                self.igual("condensación intersticial de " + texto, perfil["cumple"], False)
                self.comprobacion_fallida(el, texto)
            return
        self.linea_de_resumen(texto)

    def fallo_u(self, nombre, u, limite, texto):
        el = self.elemento(nombre)
        if not el:
            return
        self.igual("U impresa de " + nombre, (f2(el["uImpreso"]), f2(el["limite"]["valor"])), (u, limite))
        if el["margen"] is None or el["margen"] >= 0:
            self.falla("%s falla y su margen es %r" % (nombre, el["margen"]))
        self.comprobacion_fallida(el, texto, valor=u, limite=limite)

    def comprobacion_fallida(self, el, texto, valor=None, limite=None):
        cs = [c for c in el["comprobaciones"] if c["texto"] == texto and not c["cumple"]]
        if not cs:
            return self.falla("%s no tiene la comprobación fallida %r" % (el["nombre"], texto))
        if valor is not None and (f2(cs[0]["valor"]), f2(cs[0]["limite"])) != (valor, limite):
            self.falla("%s: la comprobación %r compara %r con %r" % (el["nombre"], texto, cs[0]["valor"], cs[0]["limite"]))
        if el["cumple"] is not False:
            self.falla("%s tiene una comprobación fallida y cumple = %r" % (el["nombre"], el["cumple"]))

    def linea_de_resumen(self, texto):
        r = self.doc["resumenZonas"]
        m = re.match(r"^Transmitancia T.rmica de (muros|techumbres|pisos): %s W/m2K M.xima permitida: %s W/m2K$"
                     % (NUM, NUM), texto)
        if m and r:
            lu = r[m.group(1)]
            self.igual("lista " + m.group(1), (f2(lu["maximo"]), f2(lu["limite"]), lu["cumple"], lu["texto"]),
                       (m.group(2), m.group(3), False, texto))
            return
        m = re.match(r"^Porcentaje de ventanas proyecto .*: %s%% M.ximo permitido: %s%%$" % (NUM, NUM), texto)
        if m and r:
            vs = [v for v in r["vidrios"] if v["texto"] == texto]
            if not vs:
                return self.falla("ninguna clase de vidrio tiene el texto %r" % texto)
            self.igual("vidrio " + vs[0]["clase"], (f0(vs[0]["porcentaje"]), f0(vs[0]["porcentajeMaximo"]),
                                                    vs[0]["cumple"]), (m.group(1), m.group(2), False))
            return
        m = re.match(r"^Ventana proyecto techumbre U = %s W/m2K" % NUM, texto)
        if m:
            cs = [c for el in self.doc["elementos"] for c in el["comprobaciones"]
                  if c["tipo"] == "ventanaTechumbre" and c["texto"] == texto and not c["cumple"]]
            if not cs or f2(cs[0]["valor"]) != m.group(1):
                self.falla("ninguna ventana en techumbre falla con %r" % texto)
            return
        self.falla("línea de fallo que el informe no explica: %r" % texto)

    def fallos(self):
        v = self.doc["veredicto"]
        for f in v["fallos"]:
            self.linea_de_fallo(f)
        # The other way round: every failing comparison of an element is a line of the file.
        textos = set(f["texto"].upper() for f in v["fallos"])
        for el in self.doc["elementos"]:
            for c in el["comprobaciones"]:
                if not c["cumple"] and c["texto"].upper() not in textos:
                    self.falla("%s: %r falla y no está en el fichero de resultados" % (el["nombre"], c["texto"]))

    # --- the result lines of the zone-number regime ---
    def lineas_de_resumen(self):
        r = self.doc["resumenZonas"]
        if r is None:
            return
        resultado = [l for l in lineas(self.e.log) if re.match(r"^[A-Z-]+ = ", l)]
        self.igual("líneas de resultado", r["lineas"], resultado)
        valores = dict(l.split(" = ", 1) for l in resultado)
        for clave, lu in (("UMUROS", r["muros"]), ("UTECHUMBRES", r["techumbres"]), ("UPISOS", r["pisos"])):
            lista = "( " + " , ".join(f2(x) for x in (lu["valores"] or [0.0])) + " )"
            self.igual(clave, valores.get(clave), lista)
            self.igual(clave + "-MAXIMA", valores.get(clave + "-MAXIMA"), f2(lu["limite"]))
        u = r["uPonderada"]
        esperado = (f2(u["valor"]), f2(u["maximo"])) if u["aplicada"] else ("0", "0")
        self.igual("UPONDERADA", (valores.get("UPONDERADA"), valores.get("UPONDERADA-MAXIMA")), esperado)
        for clave, v in zip(("PORCENTAJE-MONOLITICO", "PORCENTAJE-HERMETICO", "PORCENTAJE-HERMETICO-BE"),
                            r["vidrios"]):
            esperado = (f0(v["porcentaje"]), f0(v["porcentajeMaximo"])) if v["porcentaje"] is not None else ("0", "0")
            self.igual(clave, (valores.get(clave), valores.get(clave + "-MAXIMO")), esperado)

    def normal(self, validador):
        self.esquema(validador)
        if self.problemas:
            return self.problemas
        self.igual("código de salida", (self.e.codigo, self.doc["ejecucion"]["codigoSalida"]), (0, 0))
        self.un_registro_por_elemento()
        self.ficheros()
        self.fallos()
        self.lineas_de_resumen()
        return self.problemas

    def fatal(self, validador):
        self.esquema(validador)
        if self.problemas:
            return self.problemas
        err = self.doc["error"]
        self.igual("código de salida", (self.e.codigo, self.doc["ejecucion"]["codigoSalida"]), (3, 3))
        self.igual("error en la salida de error", err and err["textoError"], self.e.stderr.rstrip("\n"))
        self.igual("veredicto", self.doc["veredicto"], None)
        if self.e.log is not None and self.doc["registro"] is not None:
            self.igual("Error.log", self.doc["registro"], lineas(self.e.log))
            self.igual("última línea de Error.log", self.doc["registro"][-1], err["mensaje"])
        return self.problemas


def clima_constante(ruta):
    with open(ruta, "w") as f:
        f.write("clima de prueba\n40.4\n")
        f.write("1 1 1 10.0 0 0 0 0.005 0 2 180 0 90\n" * 8760)


def lib_caso(trabajo, caso):
    lib = os.path.join(trabajo, "lib-" + caso)
    os.makedirs(lib, exist_ok=True)
    shutil.copy(os.path.join(EJEMPLOS, "lib", "limites.lim"), lib)
    propio = os.path.join(CASOS, caso, "defectos.inp")
    shutil.copy(propio if os.path.exists(propio) else os.path.join(CASOS, "comun", "defectos.inp"),
                os.path.join(lib, "defectos.inp"))
    with open(os.path.join(lib, "BDCatalogo.bdc"), "w") as f:
        f.write("\n")
    return lib


def ejecuciones(exe, trabajo):
    """(name, run, fatal) for the sample and every integration case."""
    lib = os.path.join(EJEMPLOS, "lib")
    yield ("muestra", Ejecucion(exe, os.path.join(trabajo, "muestra"), os.path.join(EJEMPLOS, "edificio.bdl"),
                                os.path.join(EJEMPLOS, "clima", "D3.txt"), "D3", lib), False)
    constante = os.path.join(trabajo, "constante.txt")
    clima_constante(constante)
    for caso in sorted(os.listdir(CASOS)):
        bdl = os.path.join(CASOS, caso, "edificio.bdl")
        if not os.path.exists(bdl):
            continue
        with open(os.path.join(CASOS, caso, "zona")) as f:
            zona = f.read()
        e = Ejecucion(exe, os.path.join(trabajo, caso), bdl, constante, zona, lib_caso(trabajo, caso))
        yield (caso, e, e.codigo != 0)
    # A fatal error before the building is read: the limit file does not exist.
    yield ("error", Ejecucion(exe, os.path.join(trabajo, "error"), os.path.join(EJEMPLOS, "edificio.bdl"),
                              os.path.join(EJEMPLOS, "clima", "D3.txt"), "D3", os.path.join(trabajo, "no-existe")),
           True)


def main(argv):
    p = argparse.ArgumentParser(description="Comprueba los informes del motor frente a sus ficheros.")
    p.add_argument("envolvente", help="el ejecutable del motor")
    p.add_argument("--conservar", help="carpeta donde quedan los informes de la muestra y de un error fatal")
    a = p.parse_args(argv)
    with open(validar_informe.ESQUEMA, encoding="utf-8") as f:
        validador = validar_informe.jsonschema.Draft202012Validator(json.load(f))
    todos, fatales = [], 0
    with tempfile.TemporaryDirectory(prefix="comprobar-informe-") as trabajo:
        for nombre, e, fatal in ejecuciones(os.path.abspath(a.envolvente), trabajo):
            c = Comprobacion(nombre, e)
            problemas = c.fatal(validador) if fatal else c.normal(validador)
            fatales += fatal
            todos += problemas
            print("%s: %s" % (nombre, "correcto" if not problemas else "%d problemas" % len(problemas)))
            if a.conservar and nombre in ("muestra", "error"):
                destino = os.path.join(a.conservar, nombre)
                shutil.rmtree(destino, ignore_errors=True)
                shutil.copytree(e.informe_dir, destino)
    if fatales < 2:
        todos.append("se esperaban al menos dos ejecuciones con error fatal")
    for t in todos:
        print(t, file=sys.stderr)
    return 1 if todos else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
