#!/usr/bin/env bash
# Wall time of one whole run of the engine on the sample house, end to end (process start,
# reading, calculation, files written): the median and the quartiles of many runs. Several
# executables are measured in turns, run by run, so that a change of load on a shared machine
# weighs on all of them alike.
#
# Usage: bench/ejecucion.sh [-n RUNS] EXE [EXE...]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
n=200
if [ "${1:-}" = "-n" ]; then n=$2; shift 2; fi
[ $# -ge 1 ] || { sed -n '2,7p' "$0"; exit 2; }
ej="$raiz/examples"
trabajo=$(mktemp -d /tmp/ejecucion-XXXXXX)
trap 'rm -rf "$trabajo"' EXIT
args="$ej/edificio.bdl,$ej/clima/D3.txt,D3,$trabajo/resultados.txt,$ej/lib/limites.lim,defectos.inp"
exes=()
for e in "$@"; do exes+=("$(realpath "$e")"); done
cd "$trabajo"
for e in "${exes[@]}"; do "$e" "$args" 2>/dev/null || true; done # warm the page cache
for ((i = 0; i < n; i++)); do
    for k in "${!exes[@]}"; do
        t0=$EPOCHREALTIME
        "${exes[$k]}" "$args" 2>/dev/null || true
        t1=$EPOCHREALTIME
        echo "$k ${t0/[.,]/} ${t1/[.,]/}" >>tiempos.txt
    done
done
printf '%-50s %10s %10s %10s\n' ejecutable "p25 (ms)" "mediana" "p75 (ms)"
for k in "${!exes[@]}"; do
    awk -v k="$k" '$1 == k {print ($3 - $2) / 1000}' tiempos.txt | sort -n |
        awk -v e="${exes[$k]}" '{v[NR] = $1}
            END {printf "%-50s %10.2f %10.2f %10.2f\n", e, v[int(NR/4)+1], v[int(NR/2)+1], v[int(3*NR/4)+1]}'
done
