#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with Debian's clang, warnings as errors, so that the code
# stays portable beyond GCC. Only compiles: the tests run in the GCC builds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${CLANG_BUILD_DIR:-build-clang}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DVELLAMOR_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "ci-clang: everything compiles with $(clang++ --version | head -n 1)"
