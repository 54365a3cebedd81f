#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmarks and the fuzzers need.
# As root it runs apt-get; otherwise it prints the one command to run.
set -euo pipefail
paquetes=(g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
          clang libclang-rt-14-dev python3 python3-jsonschema nlohmann-json3-dev chromium
          parallel gcovr groff-base)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0
orden="apt-get update && apt-get install -y --no-install-recommends ${faltan[*]}"
if [ "$(id -u)" -eq 0 ]; then
  echo "Instalando: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${faltan[@]}"
else
  echo "Faltan paquetes. Ejecute como root:"
  echo "  $orden"
  exit 1
fi
