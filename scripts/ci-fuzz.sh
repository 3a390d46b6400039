#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs each for a bounded time from its seed corpus. Fails
# when a target finds a crash, a sanitizer report, a leak or a broken
# invariant; the input that did it is kept in $build/fuzz-artifacts/.
#
#   FUZZ_SECONDS  time per target (default 60)
#   FUZZ_BUILD_DIR  build folder (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

# One line per target NAME: fuzz/NAME_fuzzer.cpp, seed corpus
# fuzz/corpus/NAME/, optional dictionary fuzz/NAME.dict (and a
# vellamor_add_fuzzer(NAME) line in fuzz/CMakeLists.txt).
targets=(
  chart_file
  command_line
)

seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DVELLAMOR_FUZZ=ON -DVELLAMOR_GUI=OFF -DVELLAMOR_TESTS=OFF >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for name in "${targets[@]}"; do
  # New inputs go to a scratch folder: the seed corpus in the repository
  # stays as it is. What a target writes goes to its own TMPDIR.
  work=$(mktemp -d)
  scratch=$(mktemp -d)
  artifacts="$build/fuzz-artifacts/$name"
  mkdir -p "$artifacts"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$artifacts/")
  [[ -f "fuzz/$name.dict" ]] && options+=(-dict="fuzz/$name.dict")
  echo "== fuzz_$name for ${seconds}s"
  if ! TMPDIR="$scratch" "$build/fuzz/fuzz_$name" "${options[@]}" "$work" "fuzz/corpus/$name"; then
    failed+=("$name")
  fi
  rm -rf "$work" "$scratch"
done
if ((${#failed[@]})); then
  echo "ci-fuzz: failed: ${failed[*]} (inputs in $build/fuzz-artifacts/)" >&2
  exit 1
fi
echo "ci-fuzz: every target ran ${seconds}s without a finding"
