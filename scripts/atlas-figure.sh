#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process figures of the atlas, median of RUNS runs each (wall seconds
# and peak memory from /usr/bin/time -v), each beside its yardstick:
#   - `--place "Pune, MH"` against the same chart with typed coordinates
#     (target: within 3 times the time, at most 10 MiB more at the peak);
#   - the entry window on the screen against a bare Qt window with one label
#     (bench/startup_probe; target: within 1.3 times, at most 15 MiB more),
#     under Xvfb when there is no display;
#   - `--births` with a place column: rows a second, and the peak for ROWS
#     rows against a tenth of them (memory flat).
# Give a second build folder to run the same figures for another build of
# the program (the one before a change), one after the other.
#
#   scripts/atlas-figure.sh [build-folder [other-build-folder]]
#   RUNS (default 7), ROWS (default 20000)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}
rows=${ROWS:-20000}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

# "seconds peak-KiB" of one run.
measure() {
  /usr/bin/time -v -o "$folder/time" "$@" >/dev/null 2>&1 || true
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = p[n] + (n > 1 ? 60 * p[n-1] : 0) }
              /Maximum resident/ { k = $2 } END { print s, k }' "$folder/time"
}

# "median-seconds median-MiB" of RUNS runs.
median() {
  for ((i = 0; i < runs; i++)); do measure "$@"; done >"$folder/runs"
  local m=$(((runs + 1) / 2)) s k
  s=$(sort -n -k1,1 "$folder/runs" | sed -n "${m}p" | cut -d' ' -f1)
  k=$(sort -n -k2,2 "$folder/runs" | sed -n "${m}p" | cut -d' ' -f2)
  awk -v s="$s" -v k="$k" 'BEGIN { printf "%.3f %.1f\n", s, k / 1024 }'
}

places=("Pune, MH" "London, UK" "Portland, ME" "Bombay" "Zurich" "St Petersburg" "Seoul" "Lagos")
{
  echo "name,date,time,place"
  for ((i = 0; i < rows; i++)); do
    echo "Ravi Kumar,19$((50 + i % 50))-0$((1 + i % 9))-1$((i % 9)),0$((i % 10)):$((10 + i % 50)),\"${places[i % 8]}\""
  done
} >"$folder/large.csv"
head -n $((rows / 10 + 1)) "$folder/large.csv" >"$folder/small.csv"

figures() {
  local build=$1 program=$1/app/vellamor probe=$1/bench/startup_probe
  echo "== $build"
  local chart=(--json --name "Ravi Kumar" --date 1980-03-05 --time 07:05)
  read -r ps pk < <(median "$program" "${chart[@]}" --place "Pune, MH")
  read -r ts tk < <(median "$program" "${chart[@]}" --zone 34 --lat 18:31N --lon 73:51E)
  awk -v a="$ps" -v b="$ts" -v c="$pk" -v d="$tk" 'BEGIN {
    printf "--place: %.3f s, %.1f MiB; typed: %.3f s, %.1f MiB; %.1f times, %+.1f MiB\n",
           a, c, b, d, a / b, c - d }'
  if [[ -x $probe ]]; then
    local x=()
    if [[ -z ${DISPLAY:-} ]] && command -v xvfb-run >/dev/null; then
      x=(xvfb-run -a -s "-screen 0 1280x1024x24")
    fi
    read -r es ek < <(median "${x[@]}" "$probe" entry)
    read -r ls lk < <(median "${x[@]}" "$probe" label)
    awk -v a="$es" -v b="$ls" -v c="$ek" -v d="$lk" 'BEGIN {
      printf "entry window: %.3f s, %.1f MiB; labelled window: %.3f s, %.1f MiB; %.2f times, %+.1f MiB%s\n",
             a, c, b, d, a / b, c - d, "" }'
  fi
  read -r bs bk < <(median "$program" --json --births "$folder/large.csv")
  read -r ss sk < <(median "$program" --json --births "$folder/small.csv")
  awk -v a="$bs" -v r="$rows" -v c="$bk" -v d="$sk" 'BEGIN {
    printf "--births with places: %.0f rows/s; peak %.1f MiB for %d rows, %.1f MiB for a tenth\n",
           r / a, c, r, d }'
}

figures "${1:-build}"
if [[ -n ${2:-} ]]; then figures "$2"; fi
