#!/usr/bin/env bash
# Checks the Debian packages as a user meets them: lintian on every package, then (as
# root) installs the finder with apt, asks it for a model from the terminal with no
# display, and starts it from its desktop entry's Exec line on a virtual X display,
# saving a screenshot.
#
#   tools/check-package.sh [PACKAGE-FOLDER] [OUTPUT-FOLDER] [DISPLAY-NUMBER]
#
# PACKAGE-FOLDER defaults to build/package/packages (tools/setup.sh package writes it),
# OUTPUT-FOLDER to shots/, DISPLAY-NUMBER to the first free one from 99. Needs lintian, xvfb, xdotool, x11-utils and imagemagick. Fails
# on a lintian error, when the installed finder does not answer --lookup, or when its
# desktop entry does not open the 443 × 568 window.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=${1:-build/package/packages}
out=${2:-shots}
status=0

shopt -s nullglob
debs=("$packages"/*.deb)
if [ ${#debs[@]} -eq 0 ]; then
  echo "no packages in $packages; build them with tools/setup.sh package" >&2
  exit 1
fi
for deb in "${debs[@]}"; do
  echo "lintian $(basename "$deb"):"
  report=$(lintian --info --display-info "$deb" 2>&1 || true)
  echo "${report:-  nothing to report}"
  if grep -q '^E: ' <<<"$report"; then status=1; fi
done

finder=("$packages"/vantrel_*.deb)
if [ "$(id -u)" -ne 0 ]; then
  echo "install the finder with: sudo apt install ./${finder[0]}" >&2
  exit $status
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "${finder[0]}")" >/dev/null

# From a terminal, with no display to open.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM vantrel --lookup 6230 | head -n 1)
if [ "$answer" = EMIF-10-1K010F2 ]; then
  echo "the installed finder answers --lookup 6230 with $answer"
else
  echo "the installed finder answered --lookup 6230 with \"$answer\"" >&2; status=1
fi

# From the desktop entry, as a launcher starts it: the Exec line without field codes.
entry=$(dpkg -L vantrel | grep '/applications/.*\.desktop$')
command_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
command_line=${command_line//%[fFuUick]/}
echo "desktop entry $entry starts: $command_line"

. "$(dirname "$0")/virtualscreen.sh"
start_virtual_screen "${3:-99}" 1024 768

# shellcheck disable=SC2086 # the Exec line is split into words as a launcher does
(cd / && exec env -u QT_QPA_PLATFORM $command_line) &
app_pid=$!
if window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1); then
  sleep 1
  mkdir -p "$out"
  import -window root "$out/desktop-entry.png"
  echo "saved $out/desktop-entry.png"
  size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
  if [ "$size" = 443x568 ]; then
    echo "the desktop entry opened the ${size} window"
  else
    echo "the desktop entry opened a ${size} window, expected 443x568" >&2; status=1
  fi
else
  echo "the desktop entry opened no window" >&2; status=1
fi
exit $status
