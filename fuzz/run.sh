#!/usr/bin/env bash
# Runs each fuzz target for a bounded time from the seed corpus. Fails on any
# crash, sanitizer report, timeout, leak or output that lost its shape.
# usage: fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET]
set -uo pipefail
build=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for target in record_reader_fuzzer cityrank_fuzzer agestat_fuzzer gbkterm_fuzzer; do
  echo "=== $target, ${seconds}s"
  mkdir -p "$work/$target"
  # New inputs go to a scratch corpus; the seeds in the repo stay as they are.
  # A crashing input is written to the scratch folder and shown in the log.
  (cd "$work" && "$build/fuzz/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 "$work/$target" "$here/corpus") >"$work/log" 2>&1
  status=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::number_of_executed_units' "$work/log"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/log"
    for crash in "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*; do
      [ -e "$crash" ] && { echo "input that broke it ($crash):"; od -c "$crash" | head -20; }
    done
    echo "$target failed (exit $status)" >&2
    exit 1
  fi
done
