#!/usr/bin/env bash
# Runs Qt Designer with the Vantrel plugin from the build tree on a virtual X display:
# opens a form with two buttons and a marquee, selects both buttons, opens "Select Button
# Style…" from the task menu, presses a style with a plain click, saves the form, and
# saves screenshots of each step. Then compiles the saved form with uic into a small
# program and saves a screenshot of that too.
#
#   tools/designer-screenshots.sh [BUILD-FOLDER] [OUTPUT-FOLDER]
#
# BUILD-FOLDER defaults to build/default (built with the vantrel_designer and
# vantrel_themes targets), OUTPUT-FOLDER to shots/designer. Needs designer-qt6, xvfb,
# xdotool, x11-utils and imagemagick. Fails when the page does not open, when the saved
# form does not carry the installed style on both buttons. The Edit menu's shot shows the
# installation as one undo step.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

build=$(realpath "${1:-build/default}")
out=$(realpath -m "${2:-shots/designer}")
mkdir -p "$out"
scratch=$(mktemp -d)
designer_bin=/usr/lib/qt6/bin/designer

. "$repo/tools/virtualscreen.sh"
start_virtual_screen "${VANTREL_DISPLAY:-92}" 1280 800
designer_pid=
viewer_pid=
cleanup() {
  [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
  [ -n "$designer_pid" ] && kill "$designer_pid" 2>/dev/null || true
  end_virtual_screen
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The form, and a settings folder whose stored themes folder is the build's own themes.
form="$scratch/form.ui"
sed -n '/R"(/,/)")/p' tests/designer/designersession.cpp | sed '1s/.*R"(//; $d' >"$form"
mkdir -p "$scratch/config/Vantrel"
printf '[Button%%20Themes]\nPath=%s\n' "$build/app/themes" >"$scratch/config/Vantrel/Plexora.ini"
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch"

QT_PLUGIN_PATH="$build/plugins" QT_QPA_PLATFORM=xcb "$designer_bin" "$form" &
designer_pid=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --name "Qt Designer" | head -n 1)
xdotool windowmove "$main" 0 0 windowsize --sync "$main" 1280 800
sleep 1

# Where the form's two buttons are with Designer's default layout at 1280 × 800: the form
# window's client area starts at (267, 83), and the buttons sit at (10, 10) and (120, 10)
# in the form, 96 × 28 and 130 × 40 pixels large.
button1=(325 107)
button2=(452 113)
shot 1-form

# The widget box's Vantrel group comes last: scroll it into view.
xdotool mousemove 120 400 click --repeat 40 --delay 20 5
sleep 0.3
shot 2-widget-box

xdotool mousemove "${button1[@]}" click 1
xdotool keydown ctrl mousemove "${button2[@]}" click 1 keyup ctrl
sleep 0.3
xdotool mousemove "${button2[@]}" click 3
sleep 0.5
shot 3-task-menu
# "Select Button Style…" is the menu's first entry.
xdotool mousemove $((button2[0] + 60)) $((button2[1] + 11)) click 1
page=$(timeout 10 xdotool search --sync --onlyvisible --name "^Vantrel - " | head -n 1) ||
  fail "the page did not open"
sleep 1
echo "page title: $(xdotool getwindowname "$page")"
eval "$(xdotool getwindowgeometry --shell "$page")"
shot 4-page-open
# The second preview of the first row: style 1 of the first theme file.
xdotool mousemove $((X + 153)) $((Y + 170)) click 1
sleep 0.5
shot 5-style-pressed
xdotool key Escape
sleep 0.5
shot 6-styled-form

xdotool mousemove 19 8 click 1
sleep 0.5
xdotool mousemove 48 97 click 1
sleep 1
xdotool mousemove 56 8 click 1
sleep 0.5
shot 7-edit-menu
xdotool key Escape

# Designer's preview: the buttons follow the pointer there as in a program.
xdotool mousemove 450 180 click 1 key ctrl+r
preview=$(timeout 10 xdotool search --sync --onlyvisible --name "Preview" | head -n 1) ||
  fail "the preview did not open"
eval "$(xdotool getwindowgeometry --shell "$preview")"
xdotool mousemove $((X + 10 + 48)) $((Y + 10 + 14))
sleep 0.3
import -window "$preview" "$out/9-preview-hover.png"
echo "saved $out/9-preview-hover.png"
xdotool key Escape

[ "$(grep -c '<property name="StoredSet">' "$form")" = 3 ] || fail "the saved form lacks a stored set"
[ "$(grep -A2 '&quot;theme_no&quot;' "$form" | grep -c '&quot;value&quot;: 1')" = 2 ] ||
  fail "the saved form does not carry style 1 on both buttons"
cp "$form" "$out/saved-form.ui"

# The saved form compiled with uic into a small program of our controls.
/usr/lib/qt6/libexec/uic "$form" -o "$scratch/ui_form.h"
cat >"$scratch/main.cpp" <<'CPP'
#include "ui_form.h"
#include <QApplication>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    Ui::Form form;
    form.setupUi(&window);
    window.setWindowTitle("Saved form");
    window.show();
    return app.exec();
}
CPP
libs=()
for lib in button/libvantrel_button.a marquee/libvantrel_marquee.a skin/libvantrel_skin.a \
           platform/libvantrel_platform.a; do libs+=("$build/$lib"); done
# shellcheck disable=SC2046
g++ -std=c++20 -fPIC -I"$repo" -I"$scratch" "$scratch/main.cpp" "${libs[@]}" \
    $(pkg-config --cflags --libs Qt6Widgets) -o "$scratch/savedform"
QT_QPA_PLATFORM=xcb "$scratch/savedform" &
viewer_pid=$!
viewer=$(timeout 20 xdotool search --sync --onlyvisible --name "Saved form" | head -n 1)
xdotool windowmove --sync "$viewer" 0 0
sleep 1
import -window "$viewer" "$out/8-compiled-form.png"
echo "saved $out/8-compiled-form.png"
