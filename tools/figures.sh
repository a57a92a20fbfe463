#!/usr/bin/env bash
# Start-up, memory and idle figures of the finder beside a bare Qt window with one
# combo box, measured in one run under Xvfb. Build first (tools/setup.sh test).
#   tools/figures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
finder=$build/app/vantrel
bare=$build/tools/figures/vantrel_barewindow
runs=${RUNS:-7}

. tools/virtualscreen.sh
start_virtual_screen 71 1280 1024 2>/dev/null
export VANTREL_TRACE_FIRST_PAINT=1

# Prints "<ms from launch to first paint> <peak resident KiB>" for one run.
one_run() {
  local out pid start line painted
  out=$(mktemp)
  start=$(date +%s%3N)
  "$1" >"$out" 2>/dev/null &
  pid=$!
  for _ in $(seq 1 200); do
    line=$(grep -m1 '^first-paint ' "$out" || true)
    [ -n "$line" ] && break
    sleep 0.05
  done
  painted=${line#first-paint }
  sleep 0.5
  local hwm
  hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  rm -f "$out"
  echo "$((painted - start)) $hwm"
}

# Median of the first column and of the second column of a run list.
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
  local results
  results=$(for _ in $(seq 1 "$runs"); do one_run "$1"; done)
  echo "$(echo "$results" | awk '{print $1}' | median) $(echo "$results" | awk '{print $2}' | median)"
}

read -r bare_ms bare_kib <<<"$(measure "$bare")"
read -r finder_ms finder_kib <<<"$(measure "$finder")"

# Idle CPU with the marquee scrolling, beside the bare window repainting one cell as
# often: the time the threads ran over 20 s, in nanoseconds; whole clock ticks would
# show it only in steps of 0.05 %.
idle_s=20
cpu_ns() {
  [ -d "/proc/$1" ] || { echo "figures: $2 ended before its idle time was measured" >&2; exit 1; }
  cat "/proc/$1"/task/*/schedstat | awk '{ns += $1} END {print ns}'
}
idle_ns() {
  "$@" >/dev/null 2>&1 &
  app_pid=$!
  sleep 3
  local before after
  before=$(cpu_ns "$app_pid" "$1")
  sleep "$idle_s"
  after=$(cpu_ns "$app_pid" "$1")
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
  echo $((after - before))
}
bare_idle=$(idle_ns "$bare" --ticking)
finder_idle=$(idle_ns "$finder")

awk -v bm="$bare_ms" -v fm="$finder_ms" -v bk="$bare_kib" -v fk="$finder_kib" \
    -v fi="$finder_idle" -v bi="$bare_idle" -v s="$idle_s" -v runs="$runs" 'BEGIN {
  printf "start to first paint (median of %d): finder %d ms, bare window %d ms, ratio %.2f\n", runs, fm, bm, fm / bm
  printf "peak resident memory: finder %.1f MB, bare window %.1f MB, difference %+.1f MB\n", fk / 1024, bk / 1024, (fk - bk) / 1024
  printf "idle CPU over %d s with the marquee scrolling: finder %.3f %% of one core, bare window repainting one cell as often %.3f %%, ratio %.2f\n", s, fi / 1e9 / s * 100, bi / 1e9 / s * 100, fi / bi
}'
