#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a fresh Debian root, as a user would with
# apt-get, and runs what was installed there: the version, the sample chart
# as JSON, a sheet drawn without a display, and desktop-file-validate on the
# installed menu entry. Proves the package's dependencies are complete.
#
#   scripts/package-install-test.sh [build-folder]      (default: build)
#
# Run as root after scripts/ci-package.sh. Needs debootstrap (scripts/deps.sh
# installs it) and the network to the Debian mirror that apt uses here. The
# root is made with debootstrap in a scratch folder and removed at the end;
# this takes a few minutes, so CI does not run it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

shopt -s nullglob
debs=("$build"/vellamor_*.deb)
((${#debs[@]} == 1)) || { echo "expected one vellamor_*.deb in $build: run scripts/ci-package.sh" >&2; exit 1; }
deb=${debs[0]}

. /etc/os-release
suite=${VERSION_CODENAME:?no release name in /etc/os-release}
# The mirror this machine's apt already uses (first deb line or URIs field),
# unless DEBIAN_MIRROR names one; debootstrap's own default otherwise.
mirror=${DEBIAN_MIRROR:-}
if [[ -z $mirror ]]; then
  mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '$1 == "URIs:" { print $2; exit }')
fi
if [[ -z $mirror ]]; then
  mirror=$(awk '$1 == "deb" && $2 !~ /^\[/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
fi

root=$(mktemp -d "${TMPDIR:-/var/tmp}/vellamor-root.XXXXXX")
chmod 755 "$root"  # a root directory others can enter: apt's own user fetches
cleanup() {
  # Whatever is still mounted inside the root (proc, and what debootstrap
  # may have left), deepest first; then the root itself, never crossing
  # into a mount.
  local m
  for m in $(awk -v r="$root/" 'index($2, r) == 1 { print $2 }' /proc/mounts | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m" || true
  done
  rm -rf --one-file-system "$root" "$root.log"
}
trap cleanup EXIT

echo "== debootstrap $suite into $root"
debootstrap --variant=minbase "$suite" "$root" ${mirror:+"$mirror"} >"$root.log" 2>&1 ||
  { tail -20 "$root.log" >&2; rm -f "$root.log"; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
cp docs/sample-chart.sud "$root/tmp/"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== apt-get install ./$(basename "$deb")"
in_root apt-get update -qq
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./$(basename "$deb") >/tmp/apt.log 2>&1" ||
  { tail -30 "$root/tmp/apt.log" >&2; exit 1; }
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' vellamor

echo "== vellamor --version"
in_root vellamor --version
echo "== vellamor --json /tmp/sample-chart.sud"
in_root vellamor --json /tmp/sample-chart.sud
echo "== vellamor --export /tmp/sheet.pdf /tmp/sample-chart.sud"
in_root vellamor --export /tmp/sheet.pdf /tmp/sample-chart.sud
in_root sh -c 'head -c 5 /tmp/sheet.pdf; echo'
echo "== the manual page"
in_root sh -c 'ls -l /usr/share/man/man1/vellamor.1.gz'
echo "== desktop-file-validate /usr/share/applications/vellamor.desktop"
in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends desktop-file-utils >/dev/null 2>&1'
in_root desktop-file-validate /usr/share/applications/vellamor.desktop
echo "installed package checks passed"
