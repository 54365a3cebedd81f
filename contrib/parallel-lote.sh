#!/usr/bin/env bash
# Runs a batch as N shards through GNU parallel, on this machine or on several (any option of
# parallel goes after the first three arguments, e.g. --sshloginfile hosts.txt), then joins
# the shards' summaries into DIR/resumen.csv and DIR/resumen.jsonl.
#
# Usage: contrib/parallel-lote.sh MANIFIESTO DIR N [PARALLEL_OPTIONS...]
#   ENVOLVENTE     the executable (default: envolvente, from PATH on every host)
#   TRABAJOS       designs at a time within each shard (default: one per core of its host)
#
# On several hosts, MANIFIESTO and DIR must be reachable under the same paths on all of them
# (a shared file system): each shard reads the manifest and writes DIR/<id>/ for its designs.
# Exit status: 0 when every design of every shard ran; otherwise the first non-zero status.
set -uo pipefail
[ $# -ge 3 ] || { sed -n '2,12p' "$0"; exit 2; }
manifiesto=$(realpath "$1") dir=$(realpath -m "$2") n=$3
shift 3
exe=${ENVOLVENTE:-envolvente}
trabajos=()
[ -n "${TRABAJOS:-}" ] && trabajos=(-j "$TRABAJOS")
mkdir -p "$dir"
parallel --halt never --quote "$@" "$exe" --lote "$manifiesto" --parte {}/"$n" -d "$dir" -q \
    "${trabajos[@]}" ::: $(seq "$n")
estado=$?
"$(dirname "$0")/unir-resumenes.sh" "$dir" "$n" || exit 1
exit $estado
