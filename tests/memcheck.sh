#!/usr/bin/env bash
# Runs the Release programs under valgrind memcheck on every end-to-end input
# (converted to GBK, as the programs read it). Any memory error fails.
# usage: tests/memcheck.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT
runs=0
for program in cityrank agestat; do
  for input in "$root"/samples/*.txt "$root"/tests/cases/*/*.in; do
    iconv -f UTF-8 -t GBK "$input" >"$scratch"
    valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
      "$build/$program/$program" <"$scratch" >/dev/null
    runs=$((runs + 1))
  done
done
echo "memcheck: $runs runs, no errors"
