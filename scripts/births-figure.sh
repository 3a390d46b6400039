#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The figures of charts in bulk: `vellamor --json --births` on a generated
# table of 1,000,000 births (fixed seed, no place column, output piped to
# wc -l), median of three runs with one job and with two; peak memory for
# 10,000 rows against 1,000,000; and the pipeline against the numbers alone
# from the core benchmark, side by side in one run.
# Targets: 150,000 charts a second on two cores, the peak for 1,000,000 rows
# within 1.3 times that for 10,000, the pipeline within 1.5 times the
# numbers. With --check the exit status says whether all are met.
#
#   BATCH_BUILD_DIR  build folder (default build)
#   BIRTHS_ROWS      rows of the large table (default 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
if [[ "${1:-}" == "--check" ]]; then check=1; fi
build=${BATCH_BUILD_DIR:-build}
rows=${BIRTHS_ROWS:-1000000}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(vellamor birth_table)
if cmake --build "$build" --target help | grep -q '^core_bench:'; then targets+=(core_bench); fi
cmake --build "$build" --target "${targets[@]}" >/dev/null
program=$(cd "$build/app" && pwd)/vellamor

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$build/tools/birth_table" "$rows" 1 >"$folder/large.csv"
"$build/tools/birth_table" 10000 1 >"$folder/small.csv"

# Seconds of one run, the output piped to wc -l (which must count every row).
run() {
  local jobs=$1 table=$2 start end lines
  start=$(date +%s.%N)
  lines=$("$program" --json --births "$table" --jobs "$jobs" | wc -l)
  end=$(date +%s.%N)
  if [[ "$lines" != "$3" ]]; then
    echo "births-figure: $lines lines instead of $3" >&2
    exit 1
  fi
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}
median_rate() {
  local jobs=$1 times=()
  for _ in 1 2 3; do times+=("$(run "$jobs" "$folder/large.csv" "$rows")"); done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 2p | awk -v n="$rows" '{ printf "%.0f\n", n / $1 }'
}
peak_kb() {
  /usr/bin/time -v "$program" --json --births "$1" --jobs 2 2>"$folder/time.txt" >/dev/null
  awk -F': ' '/Maximum resident set size/ { print $2 }' "$folder/time.txt"
}

rate1=$(median_rate 1)
rate2=$(median_rate 2)
kb_small=$(peak_kb "$folder/small.csv")
kb_large=$(peak_kb "$folder/large.csv")
ratio=n/a
if [[ -x "$build/bench/core_bench" ]]; then
  # Interleaved repetitions: on a shared machine the speed drifts, and
  # side by side in time is what makes the two comparable.
  "$build/bench/core_bench" --benchmark_filter='BM_WholePipeline(Reused)?$|BM_CoreLongitudes$' \
    --benchmark_repetitions=9 --benchmark_min_time=0.2 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$folder/bench.csv"
  ratio=$(awk -F, '/_median/ { gsub(/"/, "", $1); t[$1] = $4 }
    END { printf "%.2f (%.2f with the chart reused, as --births does)\n",
          t["BM_WholePipeline_median"] / t["BM_CoreLongitudes_median"],
          t["BM_WholePipelineReused_median"] / t["BM_CoreLongitudes_median"] }' \
    "$folder/bench.csv")
fi

awk -v r1="$rate1" -v r2="$rate2" -v s="$kb_small" -v l="$kb_large" -v ratio="$ratio" \
    -v rows="$rows" -v check="$check" 'BEGIN {
  printf "%d rows: %d charts/s with one job, %d with two (median of three)\n", rows, r1, r2
  printf "peak memory: %d KiB for 10,000 rows, %d KiB for %d rows (ratio %.2f)\n", s, l, rows, l / s
  printf "pipeline over the numbers alone (CPU time, median of nine): %s\n", ratio
  ok = r2 >= 150000 && l / s <= 1.3 && (ratio == "n/a" || ratio + 0 <= 1.5)
  if (!ok) print "births-figure: a target is missed" > "/dev/stderr"
  exit check && !ok
}'
