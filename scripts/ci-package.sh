#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks it: the files it holds,
# its dependencies, lintian (errors fail; the package's own overrides give
# their reasons) and the AppStream metainfo it installs.
#
#   scripts/ci-package.sh [build-folder]      (default: build)
#
# Needs dpkg-dev, lintian and appstream (scripts/deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [[ ! -f $build/CPackConfig.cmake ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)" --target vellamor vellamor_packaging_docs
rm -f "$build"/vellamor_*.deb
# CPack builds what the install rules need; errors only on failure.
(cd "$build" && cpack -G DEB >/dev/null)
shopt -s nullglob
debs=("$build"/vellamor_*.deb)
((${#debs[@]} == 1)) || { echo "expected one vellamor_*.deb in $build, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}
echo "package: $deb"

fail=0
contents=$(dpkg-deb --contents "$deb")
for path in \
    ./usr/bin/vellamor \
    ./usr/share/vellamor/places.atlas \
    ./usr/share/applications/vellamor.desktop \
    ./usr/share/icons/hicolor/scalable/apps/vellamor.svg \
    ./usr/share/icons/hicolor/scalable/mimetypes/application-x-vellamor-chart.svg \
    ./usr/share/mime/packages/vellamor.xml \
    ./usr/share/metainfo/example.vellamor.vellamor.metainfo.xml \
    ./usr/share/man/man1/vellamor.1.gz \
    ./usr/share/doc/vellamor/copyright \
    ./usr/share/doc/vellamor/changelog.gz \
    ./usr/share/lintian/overrides/vellamor; do
  if ! grep -qE " ${path//./\\.}\$" <<<"$contents"; then
    echo "missing from the package: $path" >&2
    fail=1
  fi
done
if grep -qE ' \./usr/(local|lib/cmake|include)/' <<<"$contents"; then
  echo "the package holds files outside its place:" >&2
  grep -E ' \./usr/(local|lib/cmake|include)/' <<<"$contents" >&2
  fail=1
fi

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
recommends=$(dpkg-deb --field "$deb" Recommends)
echo "Recommends: $recommends"
# Without a Devanagari font the Hindi windows fall back to English.
if ! grep -qE "(^|, | \| )fonts-lohit-deva( |,|\$)" <<<"$recommends"; then
  echo "Recommends lacks a Devanagari font (fonts-lohit-deva)" >&2
  fail=1
fi
for needed in libqt6widgets6 libqt6svg6 libc6 tzdata qt6-qpa-plugins libswe2.0 swe-basic-data; do
  if ! grep -qE "(^|, )$needed( |,|\$)" <<<"$depends"; then
    echo "Depends lacks $needed" >&2
    fail=1
  fi
done

echo "lintian:"
lintian --fail-on error --display-info --show-overrides "$deb" || fail=1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
appstreamcli validate --no-net "$scratch"/usr/share/metainfo/*.metainfo.xml || fail=1
# The metainfo together with the menu entry and icon it points to.
appstreamcli validate-tree --no-net "$scratch" >/dev/null || fail=1
desktop-file-validate "$scratch"/usr/share/applications/vellamor.desktop || fail=1

if ((fail)); then
  echo "package checks FAILED" >&2
  exit 1
fi
echo "package checks passed"
