#!/usr/bin/env bash
# Format check over every C++ source, and clang-tidy with the repo's
# .clang-tidy over the programs' and fuzzers' sources. Any finding fails.
# usage: tools/lint.sh RELEASE_BUILD_DIR FUZZ_BUILD_DIR   (both configured)
set -euo pipefail
release=$1
fuzz=$2
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cc' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files formatted"

mapfile -t programs < <(git ls-files 'common/*.cc' 'cityrank/*.cc' 'agestat/*.cc' 'gbkterm/*.cc' | grep -v '_test\.cc$')
mapfile -t fuzzers < <(git ls-files 'fuzz/*.cc')
clang-tidy --quiet -p "$release" "${programs[@]}"
clang-tidy --quiet -p "$fuzz" "${fuzzers[@]}"
echo "clang-tidy: $((${#programs[@]} + ${#fuzzers[@]})) files, no findings"
