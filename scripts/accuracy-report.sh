#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the accuracy report against Swiss Ephemeris and rewrites
# docs/accuracy.md with it. With --check, only says whether docs/accuracy.md
# is what the current formulas give (exit status 1 when it is not).
# Needs libswe-dev and swe-basic-data (scripts/deps.sh installs them), as
# the program's precise charts do.
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
if [[ "${1:-}" == "--check" ]]; then check=1; fi
build=${ACCURACY_BUILD_DIR:-build-accuracy}
# Fixed, so that the page changes only when a position formula does.
samples=5000
seed=1

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELLAMOR_GUI=OFF -DVELLAMOR_TESTS=OFF >/dev/null
if ! cmake --build "$build" --target help | grep -q '^accuracy_report:'; then
  echo "accuracy-report: Swiss Ephemeris or its data files were not found" \
       "(Debian: libswe-dev swe-basic-data)" >&2
  exit 2
fi
cmake --build "$build" --target accuracy_report
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$build/tools/accuracy/accuracy_report" "$samples" "$seed" >"$out"
if ((check)); then
  if ! diff -u docs/accuracy.md "$out"; then
    echo "accuracy-report: docs/accuracy.md is out of date; run scripts/accuracy-report.sh" >&2
    exit 1
  fi
  echo "accuracy-report: docs/accuracy.md is up to date"
else
  mkdir -p docs
  cp "$out" docs/accuracy.md
  echo "accuracy-report: wrote docs/accuracy.md"
fi
