#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the headless program under Valgrind's memcheck: --json, --json
# --stability and --print on the reference charts and on generated ones,
# and --json on the damaged seed files of the chart-file fuzzer (refused
# with a message, exit status 1).
# Fails on any memory error or definite/indirect leak.
#
#   VALGRIND_BUILD_DIR  build folder (default build, as scripts/build-and-test.sh)
#   VALGRIND_CHARTS     number of generated charts (default 300)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VALGRIND_BUILD_DIR:-build}
count=${VALGRIND_CHARTS:-300}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vellamor sample_charts

sample=$(mktemp -d)
trap 'rm -rf "$sample"' EXIT
"$build/tools/sample_charts" "$sample" "$count" 20261207
charts=(fuzz/corpus/chart_file/edge-*.sud "$sample"/*.sud)
damaged=(fuzz/corpus/chart_file/damaged-*.sud)
# A reference chart the program refuses (a place off the Earth) expects its
# message instead of a chart.
for sud in tests/data/reference-charts/*.sud; do
  if grep -q '^{"error"' "${sud%.sud}.json"; then damaged+=("$sud"); else charts+=("$sud"); fi
done

memcheck=(valgrind --quiet --leak-check=full --errors-for-leak-kinds=definite,indirect)
status=0
for mode in "--json" "--json --stability" "--print"; do
  echo "== valgrind vellamor $mode on ${#charts[@]} charts"
  # shellcheck disable=SC2086 # the mode is one or two options
  if ! "${memcheck[@]}" --error-exitcode=1 "$build/app/vellamor" $mode "${charts[@]}" >/dev/null; then
    echo "ci-valgrind: vellamor $mode failed" >&2
    status=1
  fi
done

# Refused files make the program itself exit with 1, so memcheck reports its
# findings with a status of its own here.
echo "== valgrind vellamor --json on ${#damaged[@]} damaged files"
set +e
"${memcheck[@]}" --error-exitcode=99 "$build/app/vellamor" --json "${damaged[@]}" >/dev/null 2>"$sample/refusals"
rc=$?
set -e
if ((rc != 1)); then
  cat "$sample/refusals" >&2
  echo "ci-valgrind: damaged files: exit status $rc, expected 1" >&2
  status=1
fi
((status == 0)) && echo "ci-valgrind: no memory errors or leaks"
exit "$status"
