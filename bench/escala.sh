#!/usr/bin/env bash
# Whole-engine scale benchmark: generates buildings of 100, 1,000 and 2,000 spaces with
# tools/generar_edificio.py, runs the built engine on each several times (sample climate D3 and
# the sample library) and prints one table: median, fastest and slowest wall time, peak resident
# memory (from /usr/bin/time -v), exit code, and the growth against the previous size.
#
# Usage: bench/escala.sh [-b BUILD_DIR] [-r RUNS] [-c] [SIZES...]
#   -b  build directory holding the envolvente executable (default: build)
#   -r  runs per size (default: 5)
#   -c  check the targets and exit 1 when one is missed: 1,000 spaces under 2 s, 2,000 spaces at
#       most 2.5 times as long as 1,000, peak memory under 512 MB
#   SIZES  numbers of spaces (default: 100 1000 2000)
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
build="$raiz/build"
ejecuciones=5
comprobar=0
while getopts "b:r:c" op; do
    case $op in
    b) build=$(cd "$OPTARG" && pwd) ;;
    r) ejecuciones=$OPTARG ;;
    c) comprobar=1 ;;
    *) sed -n '2,14p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
tamanos=("$@")
[ ${#tamanos[@]} -eq 0 ] && tamanos=(100 1000 2000)

motor="$build/envolvente"
generador="$raiz/tools/generar_edificio.py"
ejemplos="$raiz/examples"
for f in "$motor" "$generador" "$ejemplos/lib" "$ejemplos/clima/D3.txt"; do
    [ -e "$f" ] || { echo "escala.sh: falta $f" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "escala.sh: falta /usr/bin/time (paquete time)" >&2; exit 2; }

trabajo=$(mktemp -d /tmp/escala-XXXXXX)
trap 'rm -rf "$trabajo"' EXIT

# One run: prints "seconds kilobytes exit-code".
ejecutar() {
    local bdl=$1 dir=$2
    local args="$bdl,$ejemplos/clima/D3.txt,D3,$dir/resultados.txt,$ejemplos/lib/limites.lim,defectos.inp"
    local codigo=0
    (cd "$dir" && /usr/bin/time -v -o "$dir/time.txt" "$motor" "$args" >/dev/null 2>"$dir/stderr.txt") || codigo=$?
    local seg kb
    seg=$(awk -F': ' '/Elapsed \(wall clock\)/ {
            n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$dir/time.txt")
    kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$dir/time.txt")
    echo "$seg $kb $codigo"
}

printf '%-9s %6s %10s %10s %10s %12s %7s %9s\n' espacios runs mediana_s min_s max_s pico_MB codigo x_prev
declare -A mediana pico
anterior=""
fallos=0
for n in "${tamanos[@]}"; do
    dir="$trabajo/$n"
    mkdir -p "$dir"
    python3 "$generador" "$n" >"$dir/edificio.bdl"
    tiempos=()
    maxkb=0
    codigos=""
    for ((r = 0; r < ejecuciones; r++)); do
        read -r seg kb codigo < <(ejecutar "$dir/edificio.bdl" "$dir")
        tiempos+=("$seg")
        ((kb > maxkb)) && maxkb=$kb
        case " $codigos " in *" $codigo "*) ;; *) codigos="${codigos:+$codigos,}$codigo" ;; esac
    done
    read -r med mn mx < <(printf '%s\n' "${tiempos[@]}" | sort -g |
        awk '{v[NR] = $1} END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                 print m, v[1], v[NR] }')
    mb=$(awk -v k="$maxkb" 'BEGIN { printf "%.1f", k / 1024 }')
    crec="-"
    [ -n "$anterior" ] && crec=$(awk -v a="${mediana[$anterior]}" -v b="$med" \
        'BEGIN { if (a > 0) printf "%.2f", b / a; else print "-" }')
    printf '%-9s %6s %10.3f %10.3f %10.3f %12s %7s %9s\n' "$n" "$ejecuciones" "$med" "$mn" "$mx" "$mb" "$codigos" "$crec"
    if [ "$codigos" != "0" ]; then
        echo "  aviso: codigo de salida $codigos; primera linea de error:" \
            "$(head -c 300 "$dir/stderr.txt" | head -1)" >&2
    fi
    mediana[$n]=$med
    pico[$n]=$mb
    anterior=$n
done

if ((comprobar)); then
    objetivo() { # description, condition result
        if [ "$2" = 1 ]; then echo "CUMPLE    $1"; else echo "NO CUMPLE $1"; fallos=$((fallos + 1)); fi
    }
    if [ -n "${mediana[1000]:-}" ]; then
        objetivo "1000 espacios en menos de 2 s (${mediana[1000]} s)" \
            "$(awk -v t="${mediana[1000]}" 'BEGIN { print (t < 2) ? 1 : 0 }')"
    fi
    if [ -n "${mediana[1000]:-}" ] && [ -n "${mediana[2000]:-}" ]; then
        objetivo "2000 espacios como mucho 2.5 veces 1000" \
            "$(awk -v a="${mediana[1000]}" -v b="${mediana[2000]}" 'BEGIN { print (b <= 2.5 * a) ? 1 : 0 }')"
    fi
    for n in "${tamanos[@]}"; do
        objetivo "pico de memoria de $n espacios bajo 512 MB (${pico[$n]} MB)" \
            "$(awk -v m="${pico[$n]}" 'BEGIN { print (m < 512) ? 1 : 0 }')"
    done
    ((fallos == 0)) || exit 1
fi
