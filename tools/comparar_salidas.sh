#!/usr/bin/env bash
# Runs two builds of the engine on the same set of inputs and compares, run by run, every file
# the engine defines: the results file, Error.log, Particio.dat, puentes.dat,
# parametrosVALMOR.log, the exit code and the fatal-message line on standard error.
#
# Usage: tools/comparar_salidas.sh EXE_ANTES EXE_DESPUES [-- EXTRA_OPTIONS_FOR_DESPUES...]
#   The options after "--" are passed to the second executable only, before the argument string
#   (for instance "--informe DIR" or "-q"), to show that they change none of those files.
#
# The inputs: the sample building under every sample climate and zone, the integration cases
# under a constant climate, the engine fuzz corpus, generated buildings of 10 and 200 spaces,
# the shared DOE-2 weather file when present, and a handful of fatal runs.
# Exit status: 0 when every run agrees, 1 otherwise (the differing runs are listed).
set -uo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 2 ] || { sed -n '2,12p' "$0"; exit 2; }
antes=$(realpath "$1"); despues=$(realpath "$2"); shift 2
extra=()
if [ "${1:-}" = "--" ]; then shift; extra=("$@"); fi

trabajo=$(mktemp -d /tmp/comparar-XXXXXX)
trap 'rm -rf "$trabajo"' EXIT
ej="$raiz/examples"
casos="$raiz/tests/integration/casos"

# The constant climate of the integration cases.
python3 - "$trabajo/constante.txt" <<'EOF'
import sys
with open(sys.argv[1], "w") as f:
    f.write("clima de prueba\n40.4\n")
    f.write("1 1 1 10.0 0 0 0 0.005 0 2 180 0 90\n" * 8760)
EOF

# Library of one integration case: sample limits, the case's defaults, an empty catalogue.
libCaso() {
    local caso=$1 lib="$trabajo/lib-$1"
    mkdir -p "$lib"
    cp "$ej/lib/limites.lim" "$lib/"
    if [ -f "$casos/$caso/defectos.inp" ]; then cp "$casos/$caso/defectos.inp" "$lib/"
    else cp "$casos/comun/defectos.inp" "$lib/"; fi
    printf '\n' >"$lib/BDCatalogo.bdc"
    echo "$lib"
}

diferencias=0
total=0
# One comparison: a name, then the argument string with @SAL@ standing for the run's folder.
# Both sides run in one and the same folder path (a link moved from one side's folder to the
# other's), so the raw argument string in the parameter log is the same for both.
comparar() {
    local nombre=$1 plantilla=$2 lado exe
    total=$((total + 1))
    for lado in antes despues; do
        local dir="$trabajo/run/$nombre/$lado"
        mkdir -p "$dir"
        if [ $lado = antes ]; then exe=$antes; set -- ; else exe=$despues; set -- "${extra[@]}"; fi
        local enlace="$trabajo/run/$nombre/actual"
        rm -f "$enlace"; ln -s "$dir" "$enlace"
        local args=${plantilla//@SAL@/$enlace}
        (cd "$enlace" && timeout 120 "$exe" "$@" "$args" >/dev/null 2>"$dir/stderr.txt"
         echo $? >"$dir/codigo.txt")
        grep -a '^Se ha producido un error' "$dir/stderr.txt" >"$dir/fatal.txt"
    done
    local a="$trabajo/run/$nombre/antes" d="$trabajo/run/$nombre/despues" f
    for f in codigo.txt fatal.txt parametrosVALMOR.log puentes.dat resultados.txt Error.log \
             Particio.dat; do
        if [ -e "$a/$f" ] || [ -e "$d/$f" ]; then
            if ! cmp -s "$a/$f" "$d/$f"; then
                echo "DIFIERE $nombre: $f"
                diferencias=$((diferencias + 1))
            fi
        fi
    done
}

# The sample building under every sample climate.
for zona in D3 E1 B4 C2 C1; do
    comparar "muestra-$zona" \
        "$ej/edificio.bdl,$ej/clima/$zona.txt,$zona,@SAL@/resultados.txt,$ej/lib/limites.lim,defectos.inp"
done
# The sample in the zone-number regime: same building, far reference longitude.
sed 's/^LONGITUD-DE-REFERENCIA *=.*/LONGITUD-DE-REFERENCIA = -70.0/' "$ej/edificio.bdl" \
    >"$trabajo/muestra-numerada.bdl"
for zona in 1 4 7; do
    comparar "muestra-numerada-$zona" \
        "$trabajo/muestra-numerada.bdl,$ej/clima/D3.txt,$zona,@SAL@/resultados.txt,$ej/lib/limites.lim"
done
# The shared DOE-2 weather file.
bin="$raiz/../shared/data/NM_Albuquerque_Intl_ArptTMY3.bin"
if [ -f "$bin" ]; then
    comparar muestra-bin "$ej/edificio.bdl,$bin,D3,@SAL@/resultados.txt,$ej/lib/limites.lim"
fi
# The integration cases.
for d in "$casos"/*/; do
    caso=$(basename "$d")
    [ -f "$d/edificio.bdl" ] || continue
    lib=$(libCaso "$caso")
    comparar "caso-$caso" \
        "$d/edificio.bdl,$trabajo/constante.txt,$(cat "$d/zona"),@SAL@/resultados.txt,$lib/limites.lim"
done
# The engine fuzz corpus (a "$$DEFECTOS$$" line splits a building from its own defaults).
for f in "$raiz"/fuzz/corpus/motor/*.bdl; do
    n=$(basename "$f" .bdl)
    lib="$trabajo/lib-fuzz-$n"
    mkdir -p "$lib"; cp "$ej"/lib/* "$lib/"
    awk -v b="$trabajo/fuzz-$n.bdl" -v d="$lib/defectos.inp" \
        '/^\$\$DEFECTOS\$\$$/ {fuera = d; next} {print > (fuera ? fuera : b)}' "$f"
    comparar "fuzz-$n" "$trabajo/fuzz-$n.bdl,$ej/clima/D3.txt,D3,@SAL@/resultados.txt,$lib/limites.lim"
done
# Generated buildings.
for n in 10 200; do
    python3 "$raiz/tools/generar_edificio.py" "$n" >"$trabajo/generado-$n.bdl"
    comparar "generado-$n" \
        "$trabajo/generado-$n.bdl,$ej/clima/D3.txt,D3,@SAL@/resultados.txt,$ej/lib/limites.lim"
done
# Fatal and degenerate runs.
comparar falta-edificio "$trabajo/no-existe.bdl,$ej/clima/D3.txt,D3,@SAL@/resultados.txt,$ej/lib/limites.lim"
comparar falta-defectos "$ej/edificio.bdl,$ej/clima/D3.txt,D3,@SAL@/resultados.txt,$ej/lib/limites.lim,otro.inp"
comparar zona-inexistente "$ej/edificio.bdl,$ej/clima/D3.txt,F9,@SAL@/resultados.txt,$ej/lib/limites.lim"
comparar tres-argumentos "$ej/edificio.bdl, $ej/clima/D3.txt,D3"
comparar vacio ""

echo "comparar_salidas: $total ejecuciones, $diferencias diferencias"
[ $diferencias -eq 0 ]
