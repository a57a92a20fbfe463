#!/usr/bin/env bash
# Runs the real program on a virtual X display at Qt scale factors 1, 1.5 and 2, as on
# ordinary and high-resolution screens, and saves the window at rest, with a model's IC
# picture shown and Exit hovered, and with the about card open, for each factor:
#
#   tools/scaledshots.sh [PROGRAM] [OUTPUT-FOLDER]
#
# PROGRAM defaults to build/default/app/vantrel, OUTPUT-FOLDER to shots/. The display
# number is the first free one from XVFB_DISPLAY (default 99). Needs xvfb, xdotool,
# x11-utils and imagemagick. Fails when a window is not 443 × 568 logical pixels at its
# factor, when typing a model does not show its picture, or when About does not open the
# about window.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/default/app/vantrel}
out=${2:-shots}
screen_w=2048
screen_h=1536
mkdir -p "$out"
status=0

. "$(dirname "$0")/virtualscreen.sh"
start_virtual_screen "${XVFB_DISPLAY:-99}" "$screen_w" "$screen_h"

# Logical window pixels to device pixels at the factor.
device() { awk -v v="$1" -v f="$factor" 'BEGIN { printf "%d", v * f + 0.5 }'; }

for factor in 1 1.5 2; do
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$factor open_window "$program"
  sleep 1
  locate_window
  echo "factor $factor: window ${w}x${h}"
  if [ "$w" != "$(device 443)" ] || [ "$h" != "$(device 568)" ]; then
    echo "factor $factor: expected $(device 443)x$(device 568)" >&2; status=1
  fi
  import -window "$window" "$out/scaled-${factor}x-start.png"
  echo "saved $out/scaled-${factor}x-start.png"

  xdotool mousemove --window "$window" "$(device 150)" "$(device 196)" click 1
  sleep 0.3
  xdotool key --window "$window" ctrl+a
  xdotool type --window "$window" --delay 80 6220c
  # The about card over the window; a click anywhere on it closes it.
  xdotool mousemove --window "$window" "$(device 296)" "$(device 395)" click 1
  sleep 1
  import -window root "$out/scaled-${factor}x-about.png"
  echo "saved $out/scaled-${factor}x-about.png"
  if ! xdotool search --onlyvisible --name '^Form2' >/dev/null; then
    echo "factor $factor: the about window did not open" >&2; status=1
  fi
  xdotool mousemove "$((screen_w / 2))" "$((screen_h / 2))" click 1
  xdotool mousemove --window "$window" "$(device 384)" "$(device 395)"
  sleep 0.5
  import -window "$window" "$out/scaled-${factor}x-6220c.png"
  echo "saved $out/scaled-${factor}x-6220c.png"
  # The picture's ground shows where the pale title panel was.
  ground=$(convert "$out/scaled-${factor}x-6220c.png" -format "%[pixel:p{$(device 416),$(device 356)}]" info:)
  if [ "$ground" != "srgb(200,228,220)" ]; then
    echo "factor $factor: no IC picture after typing 6220c ($ground)" >&2; status=1
  fi

  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=
done
exit $status
