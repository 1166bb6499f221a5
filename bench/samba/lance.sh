#!/usr/bin/env bash
# Runs bench_samba against the loopback test server with 1,200 and then 5,000
# accounts (CORRINOM_BENCH_COMPTES="3000" for other sizes). Needs root.
# Usage: bench/samba/lance.sh BUILD_DIR
# (BUILD_DIR holds bench/samba/bench_samba and tests/samba/samba_seme)
set -uo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: lance.sh BUILD_DIR}" && pwd)
serveur=$ici/../../tests/samba/serveur.sh
dir=
trap '[ -n "$dir" ] && "$serveur" arrete "$dir" && rm -rf "$dir"' EXIT
export CORRINOM_SAMBA_MOT_DE_PASSE=Corrinom-Essai-1 CORRINOM_SAMBA_SERVEUR=127.0.0.1
for n in ${CORRINOM_BENCH_COMPTES:-1200 5000}; do
  dir=$(mktemp -d /tmp/corrinom-samba.XXXXXX)
  "$serveur" demarre "$dir" "$n" || exit $?
  "$build/tests/samba/samba_seme" 127.0.0.1 seme "$n" || exit 1
  echo "== $n accounts"
  CORRINOM_SAMBA_COMPTES=$n "$build/bench/samba/bench_samba" --benchmark_min_time=2 \
    --benchmark_enable_random_interleaving=true
  "$serveur" arrete "$dir"
  rm -rf "$dir"
  dir=
done
