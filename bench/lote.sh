#!/usr/bin/env bash
# Throughput of a stock of designs: the batch runner (envolvente --lote -j J) against a shell
# loop of single runs that gives every design its own folder (the only way for single runs not
# to overwrite each other's parametrosVALMOR.log, puentes.dat, Error.log and Particio.dat).
# Both write the same files for every design; the table gives designs per second and the ratio.
#
# Usage: bench/lote.sh [-b BUILD_DIR] [-n DESIGNS] [-j JOBS] [-a EXE_ANTES]
#   -b  build directory holding the envolvente executable (default: build)
#   -n  designs, generated from the sample house by tools/generar_lote.py (default: 1000)
#   -j  designs at a time in the batch (default: 2)
#   -a  a second executable (an older build) timed in the same shell loop, for reference
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
build="$raiz/build"
n=1000
trabajos=2
antes=""
while getopts "b:n:j:a:" op; do
    case $op in
    b) build=$(cd "$OPTARG" && pwd) ;;
    n) n=$OPTARG ;;
    j) trabajos=$OPTARG ;;
    a) antes=$(realpath "$OPTARG") ;;
    *) sed -n '2,12p' "$0"; exit 2 ;;
    esac
done
exe="$build/envolvente"
trabajo=$(mktemp -d /tmp/bench-lote-XXXXXX)
trap 'rm -rf "$trabajo"' EXIT
python3 "$raiz/tools/generar_lote.py" "$n" "$trabajo/stock"
cd "$trabajo/stock"

# The shell loop: one process per design, in the design's own folder.
bucle() {
    local exe=$1 carpeta=$2 id e c z l d resto
    tail -n +2 manifiesto.csv | while IFS=, read -r id e c z l d resto; do
        mkdir -p "$carpeta/$id"
        cd "$carpeta/$id"
        "$exe" "$OLDPWD/$e" "$OLDPWD/$c" "$z" resultados.txt "$OLDPWD/$l" "$d" 2>salida.txt || true
        cd "$OLDPWD"
    done
}
export -f bucle

# Wall time, and processor time (user + system, of every process) per design.
filas=()
medir() {
    local nombre=$1
    shift
    /usr/bin/time -o tiempo.txt -f '%e %U %S' "$@" >/dev/null || true
    filas+=("$nombre|$(awk -v n="$n" '{printf "%.2f|%.1f|%.1f", $1, n / $1, 1000 * ($2 + $3) / n}' tiempo.txt)")
}

carga=$(cut -d' ' -f1-3 /proc/loadavg)
cat "$exe" manifiesto.csv edificios/* clima/* lib/* >/dev/null # warm the page cache
[ -n "$antes" ] && medir "bucle de ejecuciones sueltas (antes)" bash -c 'bucle "$@"' _ "$antes" bucle-antes
medir "bucle de ejecuciones sueltas" bash -c 'bucle "$@"' _ "$exe" bucle
medir "envolvente --lote -j $trabajos" "$exe" --lote manifiesto.csv -j "$trabajos" -d lote -q

# Both ways give every design the same files.
distintos=$(diff -rq -x salida.txt -x 'resumen*' bucle lote | wc -l || true)

printf '%s diseños, %s núcleos, carga media al empezar: %s\n\n' "$n" "$(nproc)" "$carga"
printf '| %-38s | %9s | %10s | %8s | %12s |\n' forma segundos "diseños/s" "x bucle" "ms CPU/diseño"
printf '| %-38s | %9s | %10s | %8s | %12s |\n' "$(printf -- '-%.0s' {1..38})" "--------:" \
    "---------:" "-------:" "-----------:"
base=""
for f in "${filas[@]}"; do
    IFS='|' read -r nombre s ritmo cpu <<<"$f"
    [ "$nombre" = "bucle de ejecuciones sueltas" ] && base=$ritmo
done
for f in "${filas[@]}"; do
    IFS='|' read -r nombre s ritmo cpu <<<"$f"
    printf '| %-38s | %9s | %10s | %8s | %12s |\n' "$nombre" "$s" "$ritmo" \
        "$(awk -v a="$ritmo" -v b="$base" 'BEGIN {printf "%.2f", a / b}')" "$cpu"
done
echo
echo "ficheros distintos entre el bucle y el lote: $distintos"
[ "$distintos" -eq 0 ]
