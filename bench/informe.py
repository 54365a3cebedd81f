#!/usr/bin/env python3
"""Cost of the report (--informe DIR) against the same run without it.

1. The sample house: instructions counted by valgrind's callgrind (repeatable on a busy
   machine) and the median wall and processor times of runs made in turns, with and without
   the report.
2. Generated buildings (tools/generar_edificio.py) of growing size: median wall time with and
   without the report, peak resident memory, size of informe.json, and the time per space,
   which stays flat when the report grows linearly.

Usage: bench/informe.py [-n RUNS] [-r RUNS_PER_SIZE] [--tamanos 100,500,1000,2000]
                        [--instrucciones] [EXE]
Prints Markdown tables. EXE defaults to build/envolvente. --instrucciones adds, for the generated
buildings, the instructions of one run with and without the report under callgrind (slow: a
minute or more for 2,000 spaces), the repeatable measure of the report's growth.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import tempfile
import time

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EJ = os.path.join(RAIZ, "examples")


def cadena(edificio, trabajo):
    return ",".join([edificio, EJ + "/clima/D3.txt", "D3", trabajo + "/resultados.txt",
                     EJ + "/lib/limites.lim", "defectos.inp"])


def correr(exe, args, informe):
    """(wall ms, cpu ms, peak KB) of one run."""
    argv = [exe] + (["--informe", informe] if informe else []) + [args]
    nulo = os.open(os.devnull, os.O_WRONLY)
    t0 = time.perf_counter()
    pid = os.posix_spawn(exe, argv, os.environ, file_actions=[(os.POSIX_SPAWN_DUP2, nulo, 2)])
    _, _, uso = os.wait4(pid, 0)
    t1 = time.perf_counter()
    os.close(nulo)
    return (t1 - t0) * 1e3, (uso.ru_utime + uso.ru_stime) * 1e3, uso.ru_maxrss


def instrucciones(exe, args, informe):
    if not shutil.which("valgrind"):
        return None
    argv = ["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", exe]
    argv += (["--informe", informe] if informe else []) + [args]
    r = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    m = re.search(r"Collected : (\d+)", r.stderr)
    return int(m.group(1)) if m else None


def muestra(exe, n, trabajo):
    args = cadena(EJ + "/edificio.bdl", trabajo)
    informe = os.path.join(trabajo, "informe")
    ir = [instrucciones(exe, args, None), instrucciones(exe, args, informe)]
    medidas = {False: [], True: []}
    for i in range(n + 1):
        for con in (False, True):
            m = correr(exe, args, informe if con else None)
            if i > 0:  # the first round warms the page cache
                medidas[con].append(m)
    print("Casa de ejemplo (%d ejecuciones alternas; carga media %s)\n" %
          (n, " ".join(open("/proc/loadavg").read().split()[:3])))
    print("| | sin informe | con informe | aumento |")
    print("|---|---:|---:|---:|")
    if None not in ir:
        print("| instrucciones (callgrind) | %s | %s | %+.1f %% |" %
              (format(ir[0], ","), format(ir[1], ","), 100.0 * (ir[1] / ir[0] - 1)))
    for k, nombre in ((0, "pared, mediana (ms)"), (1, "CPU, mediana (ms)")):
        a = statistics.median(m[k] for m in medidas[False])
        b = statistics.median(m[k] for m in medidas[True])
        print("| %s | %.2f | %.2f | %+.1f %% |" % (nombre, a, b, 100.0 * (b / a - 1)))
    print("| informe.json (bytes) | | %s | |" %
          format(os.path.getsize(os.path.join(informe, "informe.json")), ","))


def escala_instrucciones(exe, tamanos, trabajo):
    print("\nEdificios generados, instrucciones (callgrind)\n")
    print("| espacios | sin informe | con informe | del informe | del informe por espacio |")
    print("|---:|---:|---:|---:|---:|")
    for n in tamanos:
        bdl = os.path.join(trabajo, "edificio-%d.bdl" % n)
        args = cadena(bdl, trabajo)
        a = instrucciones(exe, args, None)
        b = instrucciones(exe, args, os.path.join(trabajo, "informe-%d" % n))
        if a is None or b is None:
            return
        print("| %d | %s | %s | %s | %s |" % (n, format(a, ","), format(b, ","), format(b - a, ","),
                                              format((b - a) // n, ",")))


def escala(exe, tamanos, r, trabajo):
    print("\nEdificios generados (%d ejecuciones por tamaño, medianas)\n" % r)
    print("| espacios | elementos | sin informe (s) | con informe (s) | aumento | ms por espacio del informe "
          "| pico sin / con (MB) | informe.json (MB) |")
    print("|---:|---:|---:|---:|---:|---:|---:|---:|")
    for n in tamanos:
        bdl = os.path.join(trabajo, "edificio-%d.bdl" % n)
        with open(bdl, "w") as f:
            subprocess.run(["python3", os.path.join(RAIZ, "tools", "generar_edificio.py"), str(n)],
                           stdout=f, check=True)
        args = cadena(bdl, trabajo)
        informe = os.path.join(trabajo, "informe-%d" % n)
        medidas = {False: [], True: []}
        for _ in range(r):
            for con in (False, True):
                medidas[con].append(correr(exe, args, informe if con else None))
        a = statistics.median(m[0] for m in medidas[False]) / 1e3
        b = statistics.median(m[0] for m in medidas[True]) / 1e3
        pa = max(m[2] for m in medidas[False]) / 1024
        pb = max(m[2] for m in medidas[True]) / 1024
        tam = os.path.getsize(os.path.join(informe, "informe.json"))
        with open(os.path.join(informe, "informe.json"), encoding="utf-8") as f:
            elementos = f.read().count('"indiceMotor"')
        print("| %d | %d | %.3f | %.3f | %+.0f %% | %.3f | %.0f / %.0f | %.1f |" %
              (n, elementos, a, b, 100.0 * (b / a - 1), (b - a) * 1e3 / n, pa, pb, tam / 1e6))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-n", type=int, default=100, help="runs of the sample with and without (100)")
    ap.add_argument("-r", type=int, default=3, help="runs per generated size (3)")
    ap.add_argument("--tamanos", default="100,500,1000,2000", help="spaces of the generated buildings")
    ap.add_argument("--instrucciones", action="store_true", help="callgrind for the generated buildings")
    ap.add_argument("exe", nargs="?", default=os.path.join(RAIZ, "build", "envolvente"))
    a = ap.parse_args()
    exe = os.path.realpath(a.exe)
    with tempfile.TemporaryDirectory(prefix="informe-bench-") as trabajo:
        os.chdir(trabajo)
        muestra(exe, a.n, trabajo)
        tamanos = [int(t) for t in a.tamanos.split(",") if t]
        escala(exe, tamanos, a.r, trabajo)
        if a.instrucciones:
            escala_instrucciones(exe, tamanos, trabajo)


if __name__ == "__main__":
    main()
