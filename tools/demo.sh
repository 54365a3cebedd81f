#!/usr/bin/env bash
# Runs the engine on the sample building of examples/ and prints what it wrote.
set -u
exe=$(realpath "$1"); ej=$(realpath "$2")
salida="$ej/salida"
mkdir -p "$salida"
args="$ej/edificio.bdl,$ej/clima/D3.txt,D3,$salida/resultados.txt,$ej/lib/limites.lim,defectos.inp"
echo "envolvente $args"
( cd "$salida" && "$exe" "$args" ); codigo=$?
echo "Codigo de salida: $codigo"
echo "--- $salida/resultados.txt"
[ -f "$salida/resultados.txt" ] && iconv -f WINDOWS-1252 -t UTF-8 "$salida/resultados.txt"; echo
echo "--- Error.log escrito en $salida/Error.log"
exit 0
