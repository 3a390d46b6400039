#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The batch figure: `vellamor --json` on 10,000 generated chart files in one
# call, its wall time and peak memory, and the peak memory for 1,000 files.
# Targets: at least 20,000 charts a second, and the peak for 10,000 files
# within 1.3 times that for 1,000. With --check the exit status says whether
# both targets are met.
#
#   BATCH_BUILD_DIR  build folder (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
if [[ "${1:-}" == "--check" ]]; then check=1; fi
build=${BATCH_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vellamor sample_charts >/dev/null
program=$(cd "$build/app" && pwd)/vellamor

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$build/tools/sample_charts" "$folder" 10000 1
cd "$folder"
all=(chart-*.sud)
first=("${all[@]:0:1000}")

# Prints "seconds peak_kilobytes" of one run; the best of three runs counts,
# so that a busy machine disturbs the figure less.
measure() {
  local best_s="" best_kb="" s kb
  for _ in 1 2 3; do
    /usr/bin/time -f '%e %M' -o time.txt "$program" --json "$@" >out.jsonl
    read -r s kb <time.txt
    if [[ -z "$best_s" ]] || awk "BEGIN{exit !($s < $best_s)}"; then best_s=$s; fi
    if [[ -z "$best_kb" ]] || ((kb < best_kb)); then best_kb=$kb; fi
  done
  echo "$best_s $best_kb"
}
read -r s10k kb10k < <(measure "${all[@]}")
lines=$(wc -l <out.jsonl)
read -r s1k kb1k < <(measure "${first[@]}")

awk -v s="$s10k" -v kb10="$kb10k" -v kb1="$kb1k" -v lines="$lines" -v check="$check" 'BEGIN {
  rate = s > 0 ? 10000 / s : 1e9
  ratio = kb10 / kb1
  printf "10,000 charts: %.2f s wall, %s charts printed, %.0f charts/s, peak %d KiB\n", s, lines, rate, kb10
  printf " 1,000 charts: peak %d KiB; peak ratio 10,000/1,000 = %.2f\n", kb1, ratio
  ok = lines == 10000 && rate >= 20000 && ratio <= 1.3
  if (!ok) print "batch-figure: a target is missed (20,000 charts/s, ratio 1.3)" > "/dev/stderr"
  exit check && !ok
}'
