#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program ("run"), runs every
# test headless ("test") or builds the Debian packages from a release build ("package").
# Safe to run again: a second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
  run|test|package) ;;
  *) echo "usage: tools/setup.sh run|test|package" >&2; exit 2 ;;
esac

packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          libxkbcommon-dev fonts-dejavu-core fonts-comfortaa
          qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev)
[ "$mode" = test ] && packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick)
# CI's sanitizer and fuzzing runs: clang with its libFuzzer and sanitizer runtimes.
[ "$mode" = test ] && packages+=(clang libclang-rt-14-dev ccache)
[ "$mode" = test ] && packages+=(appstream desktop-file-utils)
[ "$mode" = package ] && packages+=(dpkg-dev file)
# The tests queue input in Qt's window system queue, whose header comes with Qt's private headers.
[ "$mode" = test ] && packages+=(qt6-base-private-dev designer-qt6)

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
if [ "$mode" = package ]; then
  CMAKE_BUILD_PARALLEL_LEVEL=$jobs exec cmake --workflow --preset package
fi
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"

if [ "$mode" = run ]; then
  exec build/default/app/vantrel
fi
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j "$jobs"
