#!/usr/bin/env bash
# Starts the program on a virtual X display 20 times, as a new user would meet it: types
# "6230i" at once, expects the group 4 picture (compared with the build's own artwork),
# then ends the program with one quick click (press and release with no pause) on "Exit"
# or "X", in turn. Fails when a start does not show the picture or a click does not end
# the program; the screen after typing is saved for each start.
#
#   tools/clicktrials.sh [PROGRAM] [OUTPUT-FOLDER] [DISPLAY-NUMBER]
#
# PROGRAM defaults to build/default/app/vantrel, OUTPUT-FOLDER to shots/trials. Needs
# xvfb, xdotool, x11-utils and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/default/app/vantrel}
out=${2:-shots/trials}
display=${3:-99}
starts=20
artwork=$(dirname "$program")/../resources/artwork
mkdir -p "$out"
scratch=$(mktemp -d)

. "$(dirname "$0")/virtualscreen.sh"
start_virtual_screen "$display" 1024 768

convert "$artwork/ic4.png" -crop 416x153+0+0 +repage "$scratch/expected.png"

# Whether the picture area of the window (16, 216 in the window, 416 × 153) shows the
# group 4 picture; the shot is kept in $1.
shows_group4() {
  import -window root "$1"
  convert "$1" -crop "416x153+$((x + 16))+$((y + 216))" +repage "$scratch/shown.png"
  [ "$(compare -metric AE "$scratch/shown.png" "$scratch/expected.png" null: 2>&1 || true)" = 0 ]
}

failures=0
for start in $(seq "$starts"); do
  if [ $((start % 2)) = 1 ]; then name=Exit at=(384 395); else name=X at=(420 16); fi
  QT_QPA_PLATFORM=xcb open_window "$program"
  locate_window

  # The desktop gives a new window the keyboard; a bare X server needs asking.
  xdotool windowfocus --sync "$window"
  xdotool type 6230i
  shot=$(printf '%s/start-%02d-6230i.png' "$out" "$start")
  pictured=no
  for _ in $(seq 20); do
    if shows_group4 "$shot"; then pictured=yes; break; fi
    sleep 0.1
  done

  xdotool mousemove --window "$window" "${at[0]}" "${at[1]}" click 1
  ended=no
  for _ in $(seq 50); do
    if ! kill -0 "$app_pid" 2>/dev/null; then ended=yes; break; fi
    sleep 0.1
  done
  if [ "$ended" = yes ]; then
    wait "$app_pid" || ended="yes, with status $?"
  else
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
  fi
  app_pid=
  echo "start $start: typing 6230i shows group 4: $pictured; one click on $name ends it: $ended"
  if [ "$pictured" != yes ] || [ "$ended" != yes ]; then failures=$((failures + 1)); fi
done

echo "$((starts - failures)) of $starts starts passed"
[ "$failures" = 0 ]
