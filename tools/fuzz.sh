#!/usr/bin/env bash
# Runs a libFuzzer binary for a bounded time.
# Usage: tools/fuzz.sh BINARY CORPUS_DIR SECONDS
# The seed corpus is read but never written: new inputs go to a scratch directory, and any
# crash, hang or leak reproducer is written under it too. The scratch directory is kept only
# when the fuzzer reports a failure.
set -euo pipefail
if [ $# -ne 3 ]; then
  echo "uso: $0 BINARIO DIRECTORIO_CORPUS SEGUNDOS" >&2
  exit 2
fi
binario=$1
corpus=$2
segundos=$3
[ -x "$binario" ] || { echo "no existe el binario $binario" >&2; exit 2; }
[ -d "$corpus" ] || { echo "no existe el corpus $corpus" >&2; exit 2; }
case "$segundos" in (''|*[!0-9]*) echo "SEGUNDOS debe ser un entero" >&2; exit 2;; esac

trabajo=$(mktemp -d "${TMPDIR:-/tmp}/fuzz-$(basename "$binario")-XXXXXX")
mkdir -p "$trabajo/corpus" "$trabajo/fallos"
echo "corpus nuevo y fallos en $trabajo"

# -close_fd_mask=2 silences the target's own standard error (fatal input messages); libFuzzer and
# the sanitizers keep reporting through their duplicate of it.
estado=0
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
"$binario" "$trabajo/corpus" "$corpus" \
  -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
  -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$trabajo/fallos/" || estado=$?

if [ "$estado" -ne 0 ] || [ -n "$(ls -A "$trabajo/fallos")" ]; then
  echo "el fuzzer ha encontrado un fallo (estado $estado): ver $trabajo/fallos" >&2
  exit 1
fi
rm -rf "$trabajo"
echo "sin fallos en $segundos s"
