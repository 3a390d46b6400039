#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need.
# Run as root on Debian 12.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl1-mesa-dev
  qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  libswe-dev swe-basic-data
  tzdata
  fonts-dejavu-core fonts-lohit-deva
  xvfb xauth xdotool imagemagick
  desktop-file-utils shared-mime-info
  dpkg-dev file lintian appstream debootstrap
  clang clang-format libclang-rt-14-dev valgrind
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
