#!/usr/bin/env bash
# The Windows program under Wine with real X input (XTest on the display the test command
# provides), under a window manager as on a desktop: digits by click and by key, keypad operators and =, Delete, with a button focused
# and with an option focused; one message box per key on a failing calculation; 終了 ends it with
# status 0. The window's state is read from outside through the Windows API (win32-probe).
source "$(dirname "$0")/../lib/checks.bash"
probe() { "$RUN_WINE" "$PROBE" "$@" | tr -d '\r'; }
caption() { probe labels | sed -n "s/^$1=//p"; }
focus_id() { probe labels | sed -n 's/^focus=//p'; }

export LANG=ja_JP.UTF-8
openbox &
wm=$!
"$RUN_WINE" "$QUORVEL_EXE" &
program=$!
trap 'kill "$program" "$wm" 2>/dev/null || true' EXIT
window=$(timeout 60 xdotool search --sync --name '^Quorvel$' | head -n1) ||
    fail "no window titled Quorvel"
read -r width height < <("$X11_PROBE" size "$window")
expect_eq "client width" "$width" 432
menu=$((height - 293))
xdotool windowfocus --sync "$window"
"$X11_PROBE" numlock on

# A control's centre, from its place in the client area in pixels.
click() {
    xdotool mousemove --window "$window" "$1" $((menu + $2)) click 1
    sleep 0.3
}
# The visible window with this title, within a few seconds (or tries tenths of a second). Wine
# writes a Japanese title in a form xdotool's --name search does not match, so each is read.
window_titled() {
    local w
    for _ in $(seq "${2:-100}"); do
        for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            if [[ "$(xdotool getwindowname "$w" 2>/dev/null)" == "$1" ]]; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}
key() {
    "$X11_PROBE" tap "$@"
    sleep 0.3
}
# Keypad = on a failing calculation: exactly one box, answered with Enter.
one_box() {
    key 125
    local box
    box=$(probe wait-box 10000) || fail "$1: no box"
    expect_eq "$1: the box" "$(sed -n 's/^text=//p' <<<"$box")" "分母または分子が入力されていません。"
    xdotool key Return
    sleep 1.5
    expect_eq "$1: boxes open after Enter" "$(probe boxes)" 0
}

click 156 100 # 整数 takes the focus
expect_eq "focus after clicking 整数" "$(focus_id)" 218
one_box "keypad = with 整数 focused"
expect_eq "focus after the box" "$(focus_id)" 218
click 60 124 # 帯分数
one_box "keypad = with 帯分数 focused"

click 156 220 # the button 1
expect_eq "digit by click" "$(caption Label9)" 1
key 11 # 2 on the main row
key 89 # keypad 3
expect_eq "digits by key" "$(caption Label9)" 123
key 119 # Delete
expect_eq "Delete" "$(caption Label9)" ""
key 79 # keypad 7

# 7 1/2 ＋ 1/3 = 7 5/6, the operator and = from the keypad.
click 84 16
key 87
click 84 48
key 88
key 86
expect_eq "keypad +" "$(caption Label3)" "＋"
click 220 16
key 87
click 220 48
key 89
key 125
expect_eq "result whole part" "$(caption Label6)" 7
expect_eq "result numerator" "$(caption Label2)" 5
expect_eq "result denominator" "$(caption Label1)" 6
expect_eq "boxes after a calculation" "$(probe boxes)" 0

# The working of 7 1/2 ＋ 1/3 from the menu by the keyboard: Alt, → → to 途中式, Enter. It opens
# on screen in front of the calculator, ↓ moves through the steps, Escape closes it and the
# focus is where it was.
focus_before=$(focus_id)
xdotool key --delay 400 Alt_L Right Right Return
working=$(window_titled 途中式) || fail "no window titled 途中式"
sleep 0.5
read -r working_width working_height < <("$X11_PROBE" size "$working")
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
fits=no
if ((working_width <= screen_width && working_height <= screen_height)); then fits=yes; fi
expect_eq "the working window fits on the screen (${working_width}x${working_height})" "$fits" yes
if [[ -n "${QUORVEL_SCREENSHOT_DIR:-}" ]]; then
    import -window "$working" "$QUORVEL_SCREENSHOT_DIR/working-wine.png"
fi
xdotool key Down
xdotool key Escape
sleep 1
expect_eq "the working window after Escape" "$(window_titled 途中式 1 || echo none)" none
expect_eq "focus after the working window" "$(focus_id)" "$focus_before"

click 56 252 # 終了
status=0
wait "$program" || status=$?
expect_eq "exit status after 終了" "$status" 0
