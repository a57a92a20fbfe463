#!/usr/bin/env bash
# Runs the real program on a virtual X display and saves what the screen shows at each
# step: the window at rest, Exit hovered, X held down, model numbers typed into the model
# box as a user would, and the about window open and closed.
#
#   tools/screenshot.sh [PROGRAM] [OUTPUT-FOLDER] [DISPLAY-NUMBER]
#
# PROGRAM defaults to build/default/app/vantrel, OUTPUT-FOLDER to shots/. The display
# number is the first free one from XVFB_DISPLAY (default 99). Needs xvfb,
# xdotool, x11-utils and imagemagick. Prints the window's geometry and fails when the
# window is not 443 × 568, borderless and centred on the 1024 × 768 screen, when typing
# does not show the expected IC picture (compared with the build's own artwork), or when
# the about window does not open and close, or when Exit does not end the program.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/default/app/vantrel}
out=${2:-shots}
screen_w=1024
screen_h=768
artwork=$(dirname "$program")/../resources/artwork
mkdir -p "$out"
scratch=$(mktemp -d)
status=0

. "$(dirname "$0")/virtualscreen.sh"
start_virtual_screen "${3:-${XVFB_DISPLAY:-99}}" "$screen_w" "$screen_h"

QT_QPA_PLATFORM=xcb open_window "$program"
sleep 1

# A click on a skinned button as a person makes it: the pointer arrives, presses and
# releases with no pause.
click_button() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
}

# Compares the IC picture area of a shot (16, 216 in the window, 416 × 153) with the
# picture of the given group.
expect_picture() {
  local group=$1 name=$2 differing
  convert "$out/$name.png" -crop "416x153+$((x + 16))+$((y + 216))" +repage "$scratch/shown.png"
  convert "$artwork/ic$group.png" -crop 416x153+0+0 +repage "$scratch/expected.png"
  differing=$(compare -metric AE "$scratch/shown.png" "$scratch/expected.png" null: 2>&1 || true)
  if [ "$differing" = 0 ]; then
    echo "$name shows the group $group picture"
  else
    echo "$name does not show the group $group picture ($differing pixels differ)" >&2
    status=1
  fi
}

locate_window
echo "window ${w}x${h} at ${x},${y}, border ${border}"
shot 1-start

# Exit under the pointer glows green; moving away brings the normal face back.
xdotool mousemove --window "$window" 384 395
sleep 0.5
shot 2-exit-hovered
xdotool mousemove --window "$window" 200 100
sleep 0.3

# X held down shows its dark pressed face; released off the button it does not click.
xdotool mousemove --window "$window" 420 16 mousedown 1
sleep 0.5
shot 3-x-pressed
xdotool mousemove --window "$window" 200 100 mouseup 1
sleep 0.5
if ! kill -0 "$app_pid" 2>/dev/null; then
  echo "releasing X off the button ended the program" >&2; exit 1
fi

xdotool windowfocus --sync "$window"
# A click into the invitation text selects all of it, so typing replaces it (pressing X
# took the focus).
xdotool mousemove --window "$window" 150 196 click 1
xdotool type --window "$window" --delay 80 6220c
sleep 0.5
shot 4-6220c
expect_picture 2 4-6220c
xdotool key --window "$window" BackSpace
sleep 0.5
shot 5-6220
expect_picture 3 5-6220

# The About button, then a click on the card to close it.
click_button 296 395
sleep 1
shot 6-about
if ! xdotool search --onlyvisible --name '^Form2' >/dev/null; then
  echo "the about window did not open" >&2; status=1
fi
xdotool mousemove $((screen_w / 2)) $((screen_h / 2)) click 1
sleep 0.5
shot 7-about-closed
if xdotool search --onlyvisible --name '^Form2' >/dev/null; then
  echo "the about window did not close" >&2; status=1
fi

# Exit ends the program.
click_button 384 395
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "Exit did not end the program" >&2; status=1
elif wait "$app_pid"; then
  echo "Exit ended the program"
else
  echo "the program ended with status $?" >&2; status=1
fi
app_pid=
if [ "$w" != 443 ] || [ "$h" != 568 ]; then
  echo "window is ${w}x${h}, expected 443x568" >&2; status=1
fi
if [ "$x" != $(((screen_w - 443) / 2)) ] || [ "$y" != $(((screen_h - 568) / 2)) ]; then
  echo "window at ${x},${y} is not centred" >&2; status=1
fi
if [ "$border" != 0 ]; then
  echo "window has a border of ${border}" >&2; status=1
fi

# The same window on screens of device pixel ratio 1, 1.5 and 2, on the same display
# number once this display has ended.
end_virtual_screen
trap - EXIT
wait "$xvfb_pid" 2>/dev/null || true
XVFB_DISPLAY=${DISPLAY#:} tools/scaledshots.sh "$program" "$out" || status=1
exit $status
