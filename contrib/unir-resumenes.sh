#!/usr/bin/env bash
# Joins the summaries of the N shards of a batch into the summary of the whole manifest:
# DIR/resumen.csv (one header) and DIR/resumen.jsonl, in the manifest's order, since shard K
# holds the K-th consecutive block of the manifest.
#
# Usage: contrib/unir-resumenes.sh DIR N
# Exit status 1 when a shard's summary is missing (that shard has not finished, or failed).
set -euo pipefail
[ $# -eq 2 ] || { sed -n '2,7p' "$0"; exit 2; }
dir=$1 n=$2
csv=() jsonl=()
for ((k = 1; k <= n; k++)); do
    base=$(printf '%s/resumen-parte-%0*d-de-%d' "$dir" ${#n} "$k" "$n")
    for f in "$base.csv" "$base.jsonl"; do
        [ -f "$f" ] || { echo "unir-resumenes: falta $f" >&2; exit 1; }
    done
    csv+=("$base.csv") jsonl+=("$base.jsonl")
done
awk 'FNR > 1 || NR == 1' "${csv[@]}" >"$dir/resumen.csv.tmp"
cat "${jsonl[@]}" >"$dir/resumen.jsonl.tmp"
mv "$dir/resumen.csv.tmp" "$dir/resumen.csv"
mv "$dir/resumen.jsonl.tmp" "$dir/resumen.jsonl"
