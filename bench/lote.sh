#!/usr/bin/env bash
# Throughput of a stock of designs: the batch runner (envolvente --lote -j J) against a shell
# loop of single runs that gives every design its own folder (the only way for single runs not
# to overwrite each other's parametrosVALMOR.log, puentes.dat, Error.log and Particio.dat).
# Both write the same files for every design; the table gives designs per second and the ratio.
#
# The designs are measured in rounds (each form runs one slice of the manifest in turn), so that
# a change of load on a shared machine weighs on every form alike; the processor time (user and
# system of every process, per design) is the figure such a machine disturbs least.
#
# Usage: bench/lote.sh [-b BUILD_DIR] [-n DESIGNS] [-r ROUNDS] [-j JOBS] [-a EXE_ANTES]
#   -b  build directory holding the envolvente executable (default: build)
#   -n  designs, generated from the sample house by tools/generar_lote.py (default: 1000)
#   -r  rounds (default: 10)
#   -j  designs at a time in the batch (default: 2)
#   -a  a second executable (an older build) timed in the same shell loop, for reference
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
build="$raiz/build"
n=1000
rondas=10
trabajos=2
antes=""
while getopts "b:n:r:j:a:" op; do
    case $op in
    b) build=$(cd "$OPTARG" && pwd) ;;
    n) n=$OPTARG ;;
    r) rondas=$OPTARG ;;
    j) trabajos=$OPTARG ;;
    a) antes=$(realpath "$OPTARG") ;;
    *) sed -n '2,16p' "$0"; exit 2 ;;
    esac
done
exe="$build/envolvente"
trabajo=$(mktemp -d /tmp/bench-lote-XXXXXX)
trap 'rm -rf "$trabajo"' EXIT
python3 "$raiz/tools/generar_lote.py" "$n" "$trabajo/stock"
cd "$trabajo/stock"

# The shell loop over a manifest: one process per design, in the design's own folder, with the
# host's argument string (which every build takes).
bucle() {
    local exe=$1 manifiesto=$2 carpeta=$3 id e c z l d resto
    tail -n +2 "$manifiesto" | while IFS=, read -r id e c z l d resto; do
        mkdir -p "$carpeta/$id"
        cd "$carpeta/$id"
        "$exe" "$OLDPWD/$e,$OLDPWD/$c,$z,resultados.txt,$OLDPWD/$l,$d" 2>salida.txt || true
        cd "$OLDPWD"
    done
}
export -f bucle

# The slices of the manifest, one per round.
por=$(((n + rondas - 1) / rondas))
for ((r = 0; r < rondas; r++)); do
    awk -v a=$((r * por)) -v b=$(((r + 1) * por)) 'NR == 1 || (NR - 1 > a && NR - 1 <= b)' \
        manifiesto.csv >"ronda-$r.csv"
done

# Wall and processor seconds of each form, summed over the rounds.
declare -A pared cpu
nombres=()
medir() {
    local nombre=$1
    shift
    /usr/bin/time -o tiempo.txt -f '%e %U %S' "$@" >/dev/null || true
    read -r e u s <tiempo.txt
    pared[$nombre]=$(awk -v a="${pared[$nombre]:-0}" -v b="$e" 'BEGIN {print a + b}')
    cpu[$nombre]=$(awk -v a="${cpu[$nombre]:-0}" -v u="$u" -v s="$s" 'BEGIN {print a + u + s}')
}

carga=$(cut -d' ' -f1-3 /proc/loadavg)
cat "$exe" manifiesto.csv edificios/* clima/* lib/* >/dev/null # warm the page cache
[ -n "$antes" ] && nombres+=("bucle de ejecuciones sueltas (antes)")
nombres+=("bucle de ejecuciones sueltas" "envolvente --lote -j $trabajos")
for ((r = 0; r < rondas; r++)); do
    [ -n "$antes" ] &&
        medir "${nombres[0]}" bash -c 'bucle "$@"' _ "$antes" "ronda-$r.csv" bucle-antes
    medir "bucle de ejecuciones sueltas" bash -c 'bucle "$@"' _ "$exe" "ronda-$r.csv" bucle
    medir "envolvente --lote -j $trabajos" "$exe" --lote "ronda-$r.csv" -j "$trabajos" -d lote -q
done

# Every way gives every design the same files.
distintos=$(diff -rq -x salida.txt -x 'resumen*' bucle lote | wc -l || true)
if [ -n "$antes" ]; then
    distintos=$((distintos + $(diff -rq -x salida.txt bucle-antes bucle | wc -l || true)))
fi

printf '%s diseños, %s núcleos, carga media al empezar: %s\n\n' "$n" "$(nproc)" "$carga"
printf '| %-38s | %9s | %10s | %8s | %12s |\n' forma segundos "diseños/s" "x bucle" "ms CPU/diseño"
printf '| %-38s | %9s | %10s | %8s | %12s |\n' "$(printf -- '-%.0s' {1..38})" "--------:" \
    "---------:" "-------:" "-----------:"
base=$(awk -v p="${pared[bucle de ejecuciones sueltas]}" -v n="$n" 'BEGIN {print n / p}')
for nombre in "${nombres[@]}"; do
    awk -v nombre="$nombre" -v p="${pared[$nombre]}" -v c="${cpu[$nombre]}" -v n="$n" \
        -v base="$base" 'BEGIN {printf "| %-38s | %9.2f | %10.1f | %8.2f | %12.1f |\n",
                                nombre, p, n / p, n / p / base, 1000 * c / n}'
done
echo
echo "ficheros distintos entre el bucle y el lote: $distintos"
[ "$distintos" -eq 0 ]
