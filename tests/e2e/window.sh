#!/usr/bin/env bash
# The real program under X: title, window class, client size, the active field's colour, and 終了 clicked with
# the real mouse ends it with status 0.
source "$(dirname "$0")/lib.bash"

"$QUORVEL" &
pid=$!
window=$(probe find Quorvel 15000) || fail "no window titled Quorvel"
# A dock matches the window to its launcher by the class the desktop file names.
desktop="$(dirname "$0")/../../resources/io.github.quorvel.Quorvel.desktop"
IFS=$'\t' read -r _ class < <(probe class "$window")
expect_eq "window class (the desktop file's StartupWMClass)" "$class" \
    "$(sed -n 's/^StartupWMClass=//p' "$desktop")"
read -r width height < <(probe size "$window")
expect_eq "window width" "$width" 432
menu=$((height - 293))
((menu > 10 && menu < 50)) || fail "menu bar height $menu: client area is not 293 pixels high"
echo "ok: client area 432 x 293 below a menu bar of $menu pixels"

# Label9 stands at (16, 24) in the client area, 33 x 17 pixels.
expect_eq "Label9 colour" "$(probe pixel "$window" 20 $((menu + 30)))" 80FF80
# Label12, at (152, 24), is white.
expect_eq "Label12 colour" "$(probe pixel "$window" 156 $((menu + 30)))" FFFFFF

# 終了 is at (16, 232), 81 x 41 pixels.
xdotool mousemove --window "$window" 56 $((menu + 252)) click 1
status=0
wait "$pid" || status=$?
expect_eq "exit status after 終了" "$status" 0
