#!/usr/bin/env bash
# Pictures of the working window (途中式) on the three programs, for the README: 1 1/2 ＋ 2/3, and
# 1/2147483647 － 1 with its ten-digit answer.
#   tools/screenshots/working.sh OUT_DIR
# Uses the builds that ./build.sh makes: build/debug (Linux), build/web and build/windows, and
# runs what needs a display under its own Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=under_wine.bash
source "$root/tools/screenshots/under_wine.bash"
out=$(mkdir -p "$1" && cd "$1" && pwd)

# Linux: the window test saves its pictures as it goes.
QT_QPA_PLATFORM=offscreen QUORVEL_EXPECTED_FACE=IPAPGothic QUORVEL_SCREENSHOT_DIR="$out" \
    "$root/build/debug/tests/quorvel_window_tests" --gtest_filter='WorkingWindowTest.*' >/dev/null

# The web page, at phone, tablet and desktop sizes.
(cd "$root/tests/web" && QUORVEL_SCREENSHOT_DIR="$out" node working.mjs "$root/build/web/site" >/dev/null)

# Windows, under Wine with a window manager, by real clicks and keys.
cat >"$out/.wine-shots.sh" <<'SCRIPT'
shoot() {
    "$X11_PROBE" tap 125 # keypad =
    sleep 0.5
    open_menu 2
    shoot_titled 途中式 "$1"
    xdotool key Escape
    sleep 1
}
type_ 1; click 84 16; type_ 1; click 84 48; type_ 2; xdotool key KP_Add
click 220 16; type_ 2; click 220 48; type_ 3
shoot working-one-and-a-half-wine.png
click 372 251 # 全て消す
click 84 16; type_ 1; click 84 48; type_ 2147483647; xdotool key KP_Subtract
click 220 16; type_ 1; click 220 48; type_ 1
shoot working-ten-digits-wine.png
SCRIPT
under_wine "$root" "$out" "$out/.wine-shots.sh"
rm "$out/.wine-shots.sh"
ls "$out"
