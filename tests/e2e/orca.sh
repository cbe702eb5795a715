#!/usr/bin/env bash
# The real screen reader: Orca, speaking through speech-dispatcher and espeak-ng into a silent
# audio device, listens while one whole calculation is done with real mouse clicks, then while
# digits are typed with real keys and an error box comes and goes; what it says is read from its
# debug output: the field, the operator and the result phrases, the working's steps and its
# answer, 答え合わせ's field and verdict, 履歴's newest entry, the box, and nothing announced
# while the box is open.
source "$(dirname "$0")/lib.bash"

if [[ -z "${QUORVEL_E2E_BUS:-}" ]]; then
    export QUORVEL_E2E_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
command -v orca >/dev/null || { echo "orca is not installed: skipped"; exit 77; }

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
# Orca's own words (「プッシュボタン」, 「通知」) are Japanese where the locale is generated, English
# elsewhere; the window's messages are Japanese either way.
export LANG=ja_JP.UTF-8 GTK_A11Y=atspi
# No sound card: speech-dispatcher speaks with espeak-ng into libao's null device.
echo "default_driver=null" >"$home/.libao"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$home"' EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
openbox &
pids+=($!)
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$QUORVEL" &
pids+=($!)
# Only the mapped window: Qt's hidden client-leader window is named "quorvel", and xdotool's
# names match regardless of case.
window=$(timeout 15 xdotool search --sync --onlyvisible --name "^Quorvel$" | head -n1) ||
    fail "no window titled Quorvel"

# Orca writes its debug output through a terminal, so that each line arrives at once.
speech=$home/orca.out
script -qfec "orca --replace --debug-file=/dev/tty" "$speech" >/dev/null 2>&1 &
pids+=($!)

# What Orca has said, one utterance per line.
utterances() { grep -a "SPEECH OUTPUT: '" "$speech" 2>/dev/null | sed "s/.*SPEECH OUTPUT: '//; s/'.*//"; }
# Remembers how much Orca has said, so that said() waits for something new.
heard=0
mark() { heard=$(utterances | wc -l); }
# Waits until Orca says something new that contains the text (or one of the texts).
said() {
    local pattern=()
    for text in "$@"; do pattern+=(-e "$text"); done
    for _ in $(seq 150); do
        utterances | tail -n +$((heard + 1)) | grep -qF "${pattern[@]}" && return 0
        sleep 0.1
    done
    utterances | tail -n 15 >&2
    fail "Orca did not say '$*'"
}
said "Quorvel"

# 1 1/2 ＋ 2/3 with the mouse: a control's centre in the client area, in pixels.
read -r _ height < <(probe size "$window")
menu=$((height - 293))
click() {
    mark
    xdotool mousemove --window "$window" "$1" $((menu + $2)) click 1
}
key() {
    mark
    xdotool key "$1"
}
one() { click 156 220; }
two() { click 196 220; }
three() { click 236 220; }
# Each click is followed by its message before the next, at a person's pace: Orca drops a
# notification that a newer one replaces before it has been spoken.
one
said "一つ目の数の整数部分 1"
click 84 16 # the first numerator
said "一つ目の数の分子 空"
one
said "一つ目の数の分子 1"
click 84 48 # the first denominator
said "一つ目の数の分母 空"
two
said "一つ目の数の分母 2"
echo "ok: Orca said each field and its digits"
click 276 260 # ＋
said "計算記号 たす"
echo "ok: Orca said 計算記号 たす"
click 220 16
said "二つ目の数の分子 空"
two
said "二つ目の数の分子 2"
click 220 48
said "二つ目の数の分母 空"
three
said "二つ目の数の分母 3"
click 216 260 # 計算
said "答え 2と6分の1"
echo "ok: Orca said 答え 2と6分の1"

# The working, from the menu by the keyboard: Orca reads the first step as it opens, each step
# as ↓ reaches it, and the whole answer again.
mark
xdotool key --delay 300 Alt_L Right Right Return
said "問題 1と2分の1 たす 3分の2"
key Down
said "仮分数に直す 一つ目の数は 2分の3"
echo "ok: Orca read a step of the working"
for _ in 1 2 3 4; do xdotool key Down; sleep 0.3; done
mark
xdotool key Down
said "答え 2と6分の1"
echo "ok: Orca read the answer in the working"
key Escape
said "計算 プッシュボタン" "計算 push button"

# 答え合わせ by the keyboard: Orca names the first field as it opens, and says the verdict that
# 確かめる writes, from Enter in the last field.
mark
xdotool key --delay 300 Alt_L Right Right Right Right Return
said "整数部分"
echo "ok: Orca named the first field of 答え合わせ"
xdotool type --delay 150 2
xdotool key Tab
xdotool type --delay 150 1
xdotool key Tab
xdotool type --delay 150 6
key Return
said "正解です。"
echo "ok: Orca said the verdict 正解です。"
key Escape
said "計算 プッシュボタン" "計算 push button"

# 履歴 by the keyboard: Orca reads the newest calculation as it opens.
mark
xdotool key --delay 300 Alt_L Right Right Right Right Right Return
said "1と2分の1 たす 3分の2 は 2と6分の1"
echo "ok: Orca read the newest entry of 履歴"
key Escape
said "計算 プッシュボタン" "計算 push button"

# The version box is read as a dialog, with its text, and never called a warning.
mark
xdotool key --delay 300 Alt_L Right Return
said "Quorvel２ver1.2.0"
version_from=$heard
key Return
said "計算 プッシュボタン" "計算 push button"
! utterances | tail -n +$((version_from + 1)) | grep -qE "警告|warning|alert" ||
    fail "Orca called the version box a warning: $(utterances | tail -n +$((version_from + 1)))"
echo "ok: Orca read the version box as a dialog, not a warning"

# Digits typed on the keyboard, whatever button has the focus.
click 400 240 # 全て消す
key 7
said "一つ目の数の整数部分 7"
echo "ok: Orca said 一つ目の数の整数部分 7 after the key 7"

# An error box speaks for itself; the window announces nothing while it is open.
click 216 260 # 計算 with the fractions missing
# Orca reads the box as a whole, or, when the focus event comes first, its focused button.
said "分母または分子が入力されていません。" "OK プッシュボタン" "OK push button"
box_from=$heard
key Return
said "計算 プッシュボタン" "計算 push button"
while_open=$(utterances | tail -n +$((box_from + 1)))
# Orca says 「通知」 (notification) before each of the window's announcements.
! grep -qE "^(通知|notification) " <<<"$while_open" ||
    fail "announced while the box was open: $while_open"
key 8
said "一つ目の数の整数部分 78"
echo "ok: Orca read the error box, and nothing was announced while it was open"
