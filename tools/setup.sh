#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program ("run") or runs every
# test headless ("test"). Safe to run again: a second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: tools/setup.sh run|test" >&2; exit 2 ;;
esac

packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          libxkbcommon-dev fonts-dejavu-core fonts-comfortaa
          qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev)
[ "$mode" = test ] && packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick
                                  qt6-base-private-dev designer-qt6)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Some packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

jobs=$(nproc)
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"

if [ "$mode" = run ]; then
  exec build/default/app/vantrel
fi
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j "$jobs"
