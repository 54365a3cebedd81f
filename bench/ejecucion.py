#!/usr/bin/env python3
"""Time of one whole run of the engine on the sample house, end to end (process start, reading,
calculation, files written): median and quartiles of the wall time, and the median processor
time (user + system, from the kernel's accounting of each child) which a busy machine disturbs
less. Several executables are run in turns, run by run, so that a change of load weighs on all
of them alike.

Usage: bench/ejecucion.py [-n RUNS] EXE [EXE...]
"""
import argparse
import os
import statistics
import tempfile
import time

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-n", type=int, default=200, help="runs of each executable (200)")
    ap.add_argument("exes", nargs="+")
    a = ap.parse_args()
    ej = os.path.join(RAIZ, "examples")
    exes = [os.path.realpath(e) for e in a.exes]
    with tempfile.TemporaryDirectory(prefix="ejecucion-") as trabajo:
        args = ",".join([ej + "/edificio.bdl", ej + "/clima/D3.txt", "D3",
                         trabajo + "/resultados.txt", ej + "/lib/limites.lim", "defectos.inp"])
        nulo = os.open(os.devnull, os.O_WRONLY)
        acciones = [(os.POSIX_SPAWN_DUP2, nulo, 2)]
        pared = {e: [] for e in exes}
        cpu = {e: [] for e in exes}
        os.chdir(trabajo)
        for i in range(a.n + 1):
            for e in exes:
                t0 = time.perf_counter()
                pid = os.posix_spawn(e, [e, args], os.environ, file_actions=acciones)
                _, _, uso = os.wait4(pid, 0)
                t1 = time.perf_counter()
                if i > 0:  # the first round warms the page cache
                    pared[e].append((t1 - t0) * 1e3)
                    cpu[e].append((uso.ru_utime + uso.ru_stime) * 1e3)
    print("carga media: %s" % " ".join(open("/proc/loadavg").read().split()[:3]))
    print("| ejecutable | pared p25 (ms) | pared mediana (ms) | pared p75 (ms) | CPU mediana (ms) |")
    print("|---|---:|---:|---:|---:|")
    for e in exes:
        q = statistics.quantiles(pared[e], n=4)
        print("| %s | %.2f | %.2f | %.2f | %.2f |" % (e, q[0], q[1], q[2], statistics.median(cpu[e])))


if __name__ == "__main__":
    main()
