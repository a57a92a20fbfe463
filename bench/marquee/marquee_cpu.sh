#!/usr/bin/env bash
# Prints the CPU share of one core that a 26-cell marquee scrolling every 150 ms takes
# over 10 seconds. Usage: bench/marquee/marquee_cpu.sh [build folder] [seconds]
set -euo pipefail
build="${1:-build/default}"
seconds="${2:-10}"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/marquee/marquee_cpu" "$seconds"
