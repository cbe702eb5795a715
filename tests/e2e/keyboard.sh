#!/usr/bin/env bash
# Real X key presses reach the window once, whatever button has the focus: main-row digits with
# Shift, keypad digits with NumLock on, keypad operators and =, Delete; the main-row minus does
# nothing; a held key types once per auto-repeat; a key that opens a message box opens it once.
source "$(dirname "$0")/lib.bash"

work=$(mktemp -d)
mkfifo "$work/in"
"$QUORVEL_SCENARIO" <"$work/in" >"$work/out" 2>"$work/err" &
runner=$!
exec 3>"$work/in"
window=$(probe find Quorvel 15000) || fail "no window titled Quorvel"
xdotool windowfocus --sync "$window"
probe numlock on

# Asks the runner for the state once the keys sent so far have arrived, and waits for it: the
# runner handles X input only while it works, not while it waits for its next line.
state() {
    local lines
    lines=$(wc -l <"$work/out")
    echo "sleep 300" >&3
    echo "dump" >&3
    for _ in $(seq 100); do
        (($(wc -l <"$work/out") > lines)) && break
        sleep 0.1
    done
    tail -n1 "$work/out"
}
# Clicks a control once the keys sent before have been handled.
click() {
    state >/dev/null
    echo "click $1" >&3
    state >/dev/null
}

# Keypad = on a failing calculation (nothing entered) shows one box per press, with a button
# focused and with an option focused.
boxes() { grep -c '"message"' "$work/out" || true; }
click Command18
probe tap 125
state >/dev/null
expect_eq "boxes after keypad = with 整数 focused" "$(boxes)" 1
click Option5
probe tap 125
s=$(state)
expect_eq "boxes after keypad = with 帯分数 focused" "$(boxes)" 2
expect_eq "focus after the box" "$(field focus "$s")" Option5

click Command18 # 整数: the button keeps the focus

probe chord 50 10 # Shift + the key 1
s=$(state)
expect_eq "Shift+1 with 整数 focused" "$(caption Label9 "$s")" 1
expect_eq "focus" "$(field focus "$s")" Command18

probe tap 79 # keypad 7
s=$(state)
expect_eq "keypad 7" "$(caption Label9 "$s")" 17

probe tap 86 # keypad +
s=$(state)
expect_eq "keypad +" "$(caption Label3 "$s")" "＋"
expect_eq "TN after keypad +" "$(field TN "$s")" 6

probe tap 20 # main-row minus
s=$(state)
expect_eq "main-row minus does nothing" "$(caption Label3 "$s")" "＋"
expect_eq "main-row minus leaves Label12" "$(caption Label12 "$s")" ""

probe tap 82 # keypad -
s=$(state)
expect_eq "keypad −" "$(caption Label3 "$s")" "－"

probe tap 14 119 # 5, then Delete
s=$(state)
expect_eq "Delete empties the active field" "$(caption Label12 "$s")" ""

# 17 1/2 − 1/3 with keypad =.
click Label8
probe tap 10
click Label7
probe tap 11
click Label11
probe tap 10
click Label10
probe tap 12 125 # 3, then keypad =
s=$(state)
expect_eq "result whole part" "$(caption Label6 "$s")" 17
expect_eq "result numerator" "$(caption Label2 "$s")" 1
expect_eq "result denominator" "$(caption Label1 "$s")" 6

# Held down, the key 4 types once per auto-repeat: more than once, nothing but 4s.
click Label12
probe hold 13 1500
s=$(state)
held=$(caption Label12 "$s")
[[ "$held" =~ ^4{2,}$ ]] || fail "holding 4 gave '$held'"
echo "ok: holding 4 gave $held"

echo "click Command3" >&3
exec 3>&-
wait "$runner"
