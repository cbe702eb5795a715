# Runs a picture script's Windows part: the calculator under Wine, in the Xvfb that
# run_under_wine gives it, with a window manager, its window found and focused; then the
# script BODY, which has `click X Y` (client coordinates below the menu bar), `type_ TEXT`,
# `open_menu STEPS`, `shoot_titled TITLE FILE`, $window, $OUT and $X11_PROBE.
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
# open_menu STEPS: the menu command that many steps right of 終了, from the keyboard.
open_menu() {
    # shellcheck disable=SC2046 # one Right a step
    xdotool key --delay 400 Alt_L $(printf 'Right %.0s' $(seq "$1")) Return
    sleep 2
}
# shoot_titled TITLE FILE: a picture of the calculator's visible window with that title.
shoot_titled() {
    local w
    for w in $(xdotool search --onlyvisible --name '.'); do
        if [[ "$(xdotool getwindowname "$w")" == "$1" ]]; then
            import -window "$w" "$OUT/$2"
        fi
    done
}
# shellcheck source=/dev/null
source "$BODY"
