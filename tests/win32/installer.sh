#!/usr/bin/env bash
# The installer under Wine: installed silently, the program, its licence and its read-me are
# under Program Files, the Start-menu shortcut points at the program with its icon, the program
# starts from there and ends with status 0, and the installed-programs entry carries the
# version. With the calculator running: an uninstall that cannot close it (a box is open) removes
# nothing and says so; an install over it closes it first; an uninstall closes it, then removes
# the files, the shortcut and the entry.
source "$(dirname "$0")/../lib/checks.bash"
wine_() { "$RUN_WINE" "$@" | tr -d '\r'; }
probe() { wine_ "$PROBE" "$@"; }
drive_c() { wine_ winepath -u 'C:\' | sed 's:/*$::'; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
registry() { wine_ reg query "$key" /v "$1" 2>/dev/null | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }

c=$(drive_c)
program_dir="$c/Program Files/Quorvel"
shortcut="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel.lnk"
# A run that stopped half-way leaves nothing behind for this one to find.
# The uninstaller runs on from a copy of itself after it returns: wait until it is done.
uninstall() {
    wine_ "$program_dir/uninstall.exe" /S
    for _ in $(seq 300); do
        [[ -e "$program_dir" ]] || return 0
        sleep 0.1
    done
}
if [[ -e "$program_dir/uninstall.exe" ]]; then
    uninstall
fi

# The installer's pages carry the program's own name and version where the installer maker's
# would be; the uninstaller's button is in full-width katakana.
# Cancel (2) leaves either at once: neither asks whether to quit. The uninstaller runs on from a
# copy of itself, so its window is waited for rather than its process.
cancel_page() {
    probe press "Quorvel " 2
    for _ in $(seq 100); do
        probe texts 0 "Quorvel " >/dev/null || return 0
        sleep 0.1
    done
    fail "the page did not close"
}
"$RUN_WINE" "Z:$INSTALLER" &
welcome=$(probe texts 30000 "Quorvel ") || fail "the installer shows no window"
# The welcome page's picture is the program's own: the one the installer unpacked to show it.
shown_picture=$(find "$c/users" -path '*/ns*.tmp/modern-wizard.bmp' -newer "$INSTALLER" | head -n1)
cmp -s "$shown_picture" "$(dirname "$0")/../../resources/icons/installer-sidebar.bmp" ||
    fail "the welcome page shows another picture: ${shown_picture:-none}"
echo "ok: the welcome page shows the program's own picture"
probe press "Quorvel " 1 # 次へ
page=$(probe texts 5000 "Quorvel ")
probe press "Quorvel " 1 # 同意する
folder=$(probe texts 5000 "Quorvel ")
cancel_page
wait
grep -qxF "Quorvel 1.2.0" <<<"$page" || fail "no branding line 'Quorvel 1.2.0' in: $page"
! grep -q "Nullsoft" <<<"$page" || fail "the installer names its maker: $page"
echo "ok: the installer's branding line is 'Quorvel 1.2.0'"
# Every text on every page is drawn whole: a button's caption within its edges, a static's
# lines within its height.
no_clipped_text() {
    grep -q "^measured [1-9]" <<<"$2" || fail "the texts on $1 were not measured: $2"
    ! grep "^clipped: " <<<"$2" || fail "texts cut off on $1"
    echo "ok: every text on $1 fits its control"
}
for shown in "the welcome page:$welcome" "the licence page:$page" "the folder page:$folder"; do
    no_clipped_text "${shown%%:*}" "${shown#*:}"
done
# The pages' texts in today's spelling, and only what applies to this installer.
current_texts() {
    ! grep -P 'フォルダ(?!ー)|コンピュータ(?!ー)' <<<"$2" || fail "old spellings on $1"
    ! grep -E '再起動|システム ファイル|アンインストールされます' <<<"$2" ||
        fail "texts that do not apply on $1"
    echo "ok: the texts on $1 are current and apply"
}
current_texts "the welcome page" "$welcome"
grep -qF "セットアップは、Quorvel のインストールをご案内します。" <<<"$welcome" ||
    fail "no welcome text in: $welcome"
current_texts "the folder page" "$folder"
grep -qF "インストール先のフォルダー" <<<"$folder" || fail "no destination frame in: $folder"

wine_ "Z:$INSTALLER" /S
for file in quorvel.exe LICENSE.txt README-ja.txt uninstall.exe; do
    [[ -f "$program_dir/$file" ]] || fail "$file is not installed"
    echo "ok: Program Files/Quorvel/$file"
done
cmp -s "$program_dir/quorvel.exe" "$QUORVEL_EXE" || fail "the installed program is not the one built"
[[ -f "$shortcut" ]] || fail "no Start-menu shortcut"
link=$(probe shortcut "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Quorvel.lnk")
expect_eq "shortcut target" "$(sed -n 's/^target=//p' <<<"$link")" 'C:\Program Files\Quorvel\quorvel.exe'
expect_eq "shortcut icon" "$(sed -n 's/^icon=//p' <<<"$link")" 'C:\Program Files\Quorvel\quorvel.exe,0'

expect_eq "DisplayName" "$(registry DisplayName)" Quorvel
expect_eq "DisplayVersion" "$(registry DisplayVersion)" 1.2.0
expect_eq "Publisher" "$(registry Publisher)" "The Quorvel developers"
expect_eq "DisplayIcon" "$(registry DisplayIcon)" 'C:\Program Files\Quorvel\quorvel.exe,0'
expect_eq "QuietUninstallString" "$(registry QuietUninstallString)" \
    '"C:\Program Files\Quorvel\uninstall.exe" /S _?=C:\Program Files\Quorvel'
size=$(registry EstimatedSize)
((size > 100 && size < 1000)) || fail "EstimatedSize: $size"
echo "ok: EstimatedSize $((size)) KiB"

# The program the shortcut points at starts and ends.
start_program() {
    "$RUN_WINE" "$program_dir/quorvel.exe" &
    program=$!
    probe wait-window 60000 >/dev/null || fail "the installed program shows no window"
}
start_program
probe close
status=0
wait "$program" || status=$?
expect_eq "the installed program's exit status" "$status" 0

# The texts as installed have Windows line endings throughout.
for text in LICENSE.txt README-ja.txt; do
    expect_eq "$text: lines ending in CR LF" "$(grep -c $'\r$' "$program_dir/$text")" \
        "$(wc -l <"$program_dir/$text")"
done

# A calculator with its version box open cannot close: the uninstaller says so, naming the box,
# and removes nothing. Its quiet command, run as a package manager runs it, waits and ends with
# status 2; run from the list of programs, it asks first and then names the box.
start_program
probe command 402 # バージョン情報
probe wait-box 10000 >/dev/null || fail "no version box"
status=0
probe run-registered QuietUninstallString >/dev/null || status=$?
expect_eq "the quiet uninstall's status with the calculator unable to close" "$status" 2
[[ -f "$program_dir/quorvel.exe" ]] || fail "the program was removed while it ran"
expect_eq "the uninstall entry while the calculator runs" "$(registry DisplayName)" Quorvel
# Its copy would hold the probe's output open: no pipe.
"$RUN_WINE" "$PROBE" run-registered UninstallString >/dev/null 2>&1
asked=$(probe texts 30000 "Quorvel ")
grep -qF "Quorvel が実行中です。" <<<"$asked" || fail "the uninstaller did not ask: $asked"
probe press "Quorvel " 1 # OK
sleep 1
refused=$(probe texts 30000 "Quorvel ")
grep -qF "Quorvel の「バージョン情報」が開いているため、Quorvel を終了できませんでした。" <<<"$refused" ||
    fail "the refusal does not name the open box: $refused"
grep -qF "「バージョン情報」を閉じてから、もう一度実行してください。" <<<"$refused" ||
    fail "the refusal does not say what to close: $refused"
no_clipped_text "the uninstaller's refusal" "$refused"
probe press "Quorvel " 1 # OK
echo "ok: the uninstaller names the box that keeps the calculator open"
[[ -f "$program_dir/quorvel.exe" ]] || fail "the program was removed while it ran"
probe answer-box

# Installing again over the running calculator, as an upgrade does, closes it first.
wine_ "Z:$INSTALLER" /S
status=0
wait "$program" || status=$?
expect_eq "the calculator closed by the installer, its status" "$status" 0
cmp -s "$program_dir/quorvel.exe" "$QUORVEL_EXE" || fail "the program was not installed again"
echo "ok: installed again over the running calculator"

"$RUN_WINE" "$program_dir/uninstall.exe" >/dev/null 2>&1
page=$(probe texts 30000 "Quorvel ")
cancel_page
grep -qxF "アンインストール(&U)" <<<"$page" || fail "no button アンインストール(&U) in: $page"
! grep -q "ｱﾝｲﾝｽﾄｰﾙ" <<<"$page" || fail "half-width katakana in: $page"
echo "ok: the uninstaller's button reads アンインストール(&U)"
current_texts "the uninstaller's page" "$page"
no_clipped_text "the uninstaller's page" "$page"

# Uninstalling quietly while it runs closes it, ends with status 0, and the uninstaller and its
# folder follow it a moment later.
start_program
status=0
probe run-registered QuietUninstallString >/dev/null || status=$?
expect_eq "the quiet uninstall's status" "$status" 0
status=0
wait "$program" || status=$?
expect_eq "the calculator closed by the uninstaller, its status" "$status" 0
for _ in $(seq 50); do
    [[ -e "$program_dir" ]] || break
    sleep 0.1
done
[[ ! -e "$program_dir" ]] || fail "Program Files/Quorvel is still there: $(ls "$program_dir")"
echo "ok: Program Files/Quorvel removed"
[[ ! -e "$shortcut" ]] || fail "the shortcut is still there"
echo "ok: shortcut removed"
wine_ reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is still there"
echo "ok: uninstall entry removed"
