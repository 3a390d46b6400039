#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's screenshots from the real program: starts it on a
# virtual X display, opens docs/sample-chart.sud through the Open button and
# its file dialog, photographs the chakra, goes Back and photographs the
# filled entry window.
#
# It also keeps pictures to look at after changing a window or the drawing,
# which no test can judge: the result window large and at 600 x 600 pixels,
# and the chart sheet with a reading's highlights and transits.
#
#   scripts/screenshots.sh [build-folder] [pictures-folder]
#                          (defaults: build, build-folder/pictures)
#
# Needs Xvfb, xdotool and ImageMagick (scripts/deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pictures=${2:-$build/pictures}
program=$build/app/vellamor
if [[ ! -x $program ]]; then
  cmake -S . -B "$build" -G Ninja
  cmake --build "$build" --target vellamor
fi

# A private world: display, runtime folder (the single-instance lock) and
# settings, so a running copy of the program and the user's settings stay
# out of the pictures.
scratch=$(mktemp -d)
display=""
for n in $(seq 91 120); do
  if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=:$n; break; fi
done
[[ -n $display ]] || { echo "no free X display" >&2; exit 1; }

pids=()
cleanup() {
  # The program first, then its display.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch XDG_CONFIG_HOME=$scratch/config
export QT_QPA_PLATFORM=xcb

"$program" &
pids+=($!)

# Waits for a visible window whose title matches (other than the one given
# as second argument, which is on its way out), prints its id.
window() {
  local title=$1 old=${2:-} id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -vx "${old:-none}" |
      tail -n 1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "window \"$title\" did not appear" >&2
  return 1
}

# Lets the window finish painting, then photographs it alone.
shoot() {
  sleep 1.2
  import -window "$1" "$2"
  echo "wrote $2"
}

entry=$(window '^Vellamor v1\.15$')
xdotool windowactivate --sync "$entry" 2>/dev/null || xdotool windowfocus --sync "$entry"

# Open the sample chart as a user would: Alt+O, type the path, Enter.
xdotool key --clearmodifiers alt+o
dialog=$(window '^Open Chart$')
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.5
xdotool type --delay 5 "$PWD/docs/sample-chart.sud"
xdotool key Return

# The result window replaces the entry window.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Open Chart$' >/dev/null 2>&1 || break
  sleep 0.1
done
result=$(window '^Vellamor v1\.15$' "$entry")
shoot "$result" docs/screenshot-chakra.png

mkdir -p "$pictures"
xdotool windowsize "$result" 1200 900
shoot "$result" "$pictures/result-window-large.png"
xdotool windowsize "$result" 600 600
shoot "$result" "$pictures/result-window-600.png"
"$program" --export "$pictures/sheet-reading.png" --reading 2026-12-07T12:00 \
  docs/sample-chart.sud
echo "wrote $pictures/sheet-reading.png"

xdotool windowfocus --sync "$result" 2>/dev/null || true
xdotool key --clearmodifiers alt+b
entry=$(window '^Vellamor v1\.15$' "$result")
shoot "$entry" docs/screenshot-entry.png
