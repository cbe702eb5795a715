#!/usr/bin/env bash
# Pictures of 答え合わせ and 履歴 on the three programs, for the README: 1 1/2 ＋ 2/3 checked with
# the answer 2 1/6, then the history of it and 1/3 － 1/2.
#   tools/screenshots/learning.sh OUT_DIR
# Uses the builds that ./build.sh makes: build/debug (Linux), build/web and build/windows, and
# runs what needs a display under its own Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=under_wine.bash
source "$root/tools/screenshots/under_wine.bash"
out=$(mkdir -p "$1" && cd "$1" && pwd)

# Linux: the window test saves its pictures as it goes.
QT_QPA_PLATFORM=offscreen QUORVEL_EXPECTED_FACE=IPAPGothic QUORVEL_SCREENSHOT_DIR="$out" \
    "$root/build/debug/tests/quorvel_window_tests" --gtest_filter='CheckWindowTest.*' >/dev/null

# The web page, on a desktop and a phone.
(cd "$root/tests/web" && QUORVEL_SCREENSHOT_DIR="$out" node learning.mjs "$root/build/web/site" >/dev/null)

# Windows, under Wine with a window manager, by real clicks and keys.
cat >"$out/.wine-shots.sh" <<'SCRIPT'
type_ 1; click 84 16; type_ 1; click 84 48; type_ 2; xdotool key KP_Add
click 220 16; type_ 2; click 220 48; type_ 3
open_menu 4
type_ 2; xdotool key Tab; type_ 1; xdotool key Tab; type_ 6; xdotool key Return
sleep 1
shoot_titled 答え合わせ check-wine.png
xdotool key Escape
sleep 1
"$X11_PROBE" tap 125 # keypad =
sleep 0.5
click 372 251 # 全て消す
click 84 16; type_ 1; click 84 48; type_ 3; xdotool key KP_Subtract
click 220 16; type_ 1; click 220 48; type_ 2
"$X11_PROBE" tap 125
sleep 0.5
open_menu 5
shoot_titled 履歴 history-wine.png
xdotool key Escape
SCRIPT
under_wine "$root" "$out" "$out/.wine-shots.sh"
rm "$out/.wine-shots.sh"
ls "$out"
