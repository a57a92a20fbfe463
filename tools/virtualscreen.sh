# Sourced by the scripts that drive a program under Xvfb as a person would.
#
#   start_virtual_screen DISPLAY-NUMBER WIDTH HEIGHT
#
# starts a virtual screen on the first free display from that number and exports DISPLAY.
# On exit the program in app_pid, the screen and the folder in scratch (where set) go.

app_pid=
xvfb_pid=

end_virtual_screen() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "${scratch:-}" ] && rm -rf "$scratch"
  return 0
}

start_virtual_screen() {
  local display=$1
  while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
  export DISPLAY=":${display}"
  Xvfb "$DISPLAY" -screen 0 "${2}x${3}x24" -nolisten tcp &
  xvfb_pid=$!
  trap end_virtual_screen EXIT
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# Starts the command in the background: its process goes in app_pid, its first visible
# window (waited for up to 20 s) in window.
open_window() {
  "$@" &
  app_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
}

# The window's place on the screen in x and y, its size in w and h, its border in border.
locate_window() {
  local geometry
  geometry=$(xwininfo -id "$window")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
  w=$(awk '/Width:/ {print $2}' <<<"$geometry")
  h=$(awk '/Height:/ {print $2}' <<<"$geometry")
  border=$(awk '/Border width:/ {print $3}' <<<"$geometry")
}

# Saves the whole screen as $out/NAME.png.
shot() { import -window root "$out/$1.png"; echo "saved $out/$1.png"; }
