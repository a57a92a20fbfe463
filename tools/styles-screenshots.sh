#!/usr/bin/env bash
# Runs vantrel-styles on a virtual X display on the shipped themes and saves what the
# screen shows: the page as it opens, the Spectrum theme picked, the strip scrolled to its
# last row, a style of that row under the pointer, and the three sample buttons after a
# click on it, then hovered and held down as any button.
#
#   tools/styles-screenshots.sh [PROGRAM] [OUTPUT-FOLDER]
#
# PROGRAM defaults to build/default/app/vantrel-styles (the shipped themes are built beside
# it), OUTPUT-FOLDER to shots/. The display is :91 unless DISPLAY_NUMBER says otherwise.
# Every click is a plain click: press and release with no pause between them. Needs xvfb,
# xdotool, x11-utils and imagemagick. Fails when a sample button does not show the clicked
# style's colour afterwards. Settings go to a scratch folder, not to the user's own.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/default/app/vantrel-styles}
out=${2:-shots}
themes=$(dirname "$program")/themes
mkdir -p "$out"
scratch=$(mktemp -d)
status=0

export XDG_CONFIG_HOME="$scratch/config"
. "$(dirname "$0")/virtualscreen.sh"
start_virtual_screen "${DISPLAY_NUMBER:-91}" 1024 768

QT_QPA_PLATFORM=xcb open_window "$program" "$themes"
sleep 1

locate_window
echo "window at ${x},${y}: $(xdotool getwindowname "$window")"

# The colour of one pixel of a shot, in window coordinates.
pixel() {
  convert "$out/$1.png" -format "%[pixel:p{$((x + $2)),$((y + $3))}]" info:
}
at() { xdotool mousemove --window "$window" "$@"; }

shot styles-1-open

# Spectrum is the last of the four shipped themes in the list: a click on the list, then End.
at 200 64 click 1
xdotool key End
sleep 0.5
shot styles-2-spectrum

# The scroll bar's lower arrow moves the strip one row on, to the end of its range: the
# ninth row (styles 32 to 35) comes into view at the viewport's foot.
at 444 352 click 1
sleep 0.3
shot styles-3-scrolled

# Style 33, second in the last row: 1505 twips from the strip's left, 2920 down the strip,
# the strip 285 twips up; the viewport lies at 9, 152.
style_x=154
style_y=338
at "$style_x" "$style_y"
sleep 0.3
shot styles-4-hover-style33
at "$style_x" "$style_y" click 1
sleep 0.5
shot styles-5-clicked-style33

# The buttons at the right now wear style 33, in the colour of its normal face.
preview=$(pixel styles-5-clicked-style33 $((style_x - 38)) "$style_y")
for button in "486 28" "486 69" "486 124"; do
  set -- $button
  shown=$(pixel styles-5-clicked-style33 "$1" "$2")
  if [ "$shown" = "$preview" ]; then
    echo "button at $1,$2 shows style 33 ($shown)"
  else
    echo "button at $1,$2 shows $shown, not style 33's $preview" >&2
    status=1
  fi
done

# The installed style hovers and presses like any skinned button.
at 580 124
sleep 0.3
shot styles-6-button-hovered
xdotool mousedown 1
sleep 0.3
shot styles-7-button-pressed
xdotool mouseup 1
sleep 0.3

exit "$status"
