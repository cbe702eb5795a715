#!/usr/bin/env bash
# Pictures of 答え合わせ and 履歴 on the three programs, for the README: 1 1/2 ＋ 2/3 checked with
# the answer 2 1/6, then the history of it and 1/3 － 1/2.
#   tools/screenshots/learning.sh OUT_DIR
# Uses the builds that ./build.sh makes: build/debug (Linux), build/web and build/windows, and
# runs what needs a display under its own Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)

# Linux: the window test saves its pictures as it goes.
QT_QPA_PLATFORM=offscreen QUORVEL_EXPECTED_FACE=IPAPGothic QUORVEL_SCREENSHOT_DIR="$out" \
    "$root/build/debug/tests/quorvel_window_tests" --gtest_filter='CheckWindowTest.*' >/dev/null

# The web page, on a desktop and a phone.
(cd "$root/tests/web" && QUORVEL_SCREENSHOT_DIR="$out" node learning.mjs "$root/build/web/site" >/dev/null)

# Windows, under Wine with a window manager, by real clicks and keys.
cat >"$out/.wine-shots.sh" <<'SCRIPT'
set -euo pipefail
export LANG=ja_JP.UTF-8
openbox >/dev/null 2>&1 &
"$RUN_WINE" "$EXE" &
window=$(timeout 90 xdotool search --sync --name '^Quorvel$' | head -n1)
xdotool windowfocus --sync "$window"
sleep 1
menu=$(( $("$X11_PROBE" size "$window" | cut -d' ' -f2) - 293 ))
click() { xdotool mousemove --window "$window" "$1" $((menu + $2)) click 1; sleep 0.3; }
type_() { xdotool type --delay 100 "$1"; sleep 0.3; }
# open RIGHTS: the menu command that many steps right of 終了, from the keyboard.
open() {
    xdotool key --delay 400 Alt_L $(printf 'Right %.0s' $(seq "$1")) Return
    sleep 2
}
# shoot TITLE FILE: a picture of the calculator's window with that title.
shoot() {
    local w
    for w in $(xdotool search --onlyvisible --name '.'); do
        if [[ "$(xdotool getwindowname "$w")" == "$1" ]]; then
            import -window "$w" "$OUT/$2"
        fi
    done
}
type_ 1; click 84 16; type_ 1; click 84 48; type_ 2; xdotool key KP_Add
click 220 16; type_ 2; click 220 48; type_ 3
open 4
type_ 2; xdotool key Tab; type_ 1; xdotool key Tab; type_ 6; xdotool key Return
sleep 1
shoot 答え合わせ check-wine.png
xdotool key Escape
sleep 1
"$X11_PROBE" tap 125 # keypad =
sleep 0.5
click 372 251 # 全て消す
click 84 16; type_ 1; click 84 48; type_ 3; xdotool key KP_Subtract
click 220 16; type_ 1; click 220 48; type_ 2
"$X11_PROBE" tap 125
sleep 0.5
open 5
shoot 履歴 history-wine.png
xdotool key Escape
SCRIPT
RUN_WINE="$root/tools/wine/run-wine" EXE="$root/build/windows/src/quorvel.exe" \
    X11_PROBE="$root/build/windows/tests/win32/x11-probe" OUT="$out" \
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$out/.wine-shots.sh"
rm "$out/.wine-shots.sh"
ls "$out"
