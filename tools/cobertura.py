#!/usr/bin/env python3
"""Line and branch coverage of src/ per folder, from the .gcda files of a build made with
--coverage after its tests have run. Uses gcovr: one pass writes a JSON summary (and, with
--html, a detailed HTML report); the summary is then added up by folder.

Usage: tools/cobertura.py BUILD_DIR [--html DIR]"""
import argparse
import collections
import json
import os
import subprocess
import sys

raiz = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("build")
    p.add_argument("--html", help="directory of the detailed HTML report")
    a = p.parse_args()

    build = os.path.abspath(a.build)
    resumen = os.path.join(build, "cobertura.json")
    orden = ["gcovr", "-r", raiz, "--object-directory", build, "--filter", os.path.join(raiz, "src/"),
             "--exclude-unreachable-branches", "--exclude-throw-branches",
             "--json-summary", resumen]
    if a.html:
        a.html = os.path.abspath(a.html)
        os.makedirs(a.html, exist_ok=True)
        orden += ["--html-details", os.path.join(a.html, "index.html")]
    subprocess.run(orden, check=True, cwd=build)

    with open(resumen, encoding="utf-8") as f:
        ficheros = json.load(f)["files"]
    suma = collections.defaultdict(lambda: [0, 0, 0, 0])
    for f in ficheros:
        partes = f["filename"].replace("\\", "/").split("/")
        carpeta = partes[partes.index("src") + 1] if "src" in partes else "?"
        for clave in (carpeta, "total"):
            s = suma[clave]
            s[0] += f["line_covered"]
            s[1] += f["line_total"]
            s[2] += f["branch_covered"]
            s[3] += f["branch_total"]

    def pct(a, b):
        return "%5.1f %%" % (100.0 * a / b) if b else "    - "

    print("%-12s %16s %8s %18s %8s" % ("src/", "lines", "", "branches", ""))
    for clave in sorted(k for k in suma if k != "total") + ["total"]:
        s = suma[clave]
        print("%-12s %7d / %-7d %8s %8d / %-8d %8s" %
              (clave, s[0], s[1], pct(s[0], s[1]), s[2], s[3], pct(s[2], s[3])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
