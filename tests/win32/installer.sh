#!/usr/bin/env bash
# The installer under Wine: installed silently, the program and its licence are under Program
# Files, the Start-menu shortcut points at the program with its icon, the program starts from
# there and ends with status 0, and the installed-programs entry carries the version; the silent
# uninstall then removes the files, the shortcut and the entry.
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

wine_ "Z:$INSTALLER" /S
for file in quorvel.exe LICENSE.txt uninstall.exe; do
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
size=$(registry EstimatedSize)
((size > 100 && size < 1000)) || fail "EstimatedSize: $size"
echo "ok: EstimatedSize $((size)) KiB"

# The program the shortcut points at starts and ends.
"$RUN_WINE" "$program_dir/quorvel.exe" &
program=$!
probe wait-window 60000 >/dev/null || fail "the installed program shows no window"
probe close
status=0
wait "$program" || status=$?
expect_eq "the installed program's exit status" "$status" 0

uninstall
[[ ! -e "$program_dir" ]] || fail "Program Files/Quorvel is still there: $(ls "$program_dir")"
echo "ok: Program Files/Quorvel removed"
[[ ! -e "$shortcut" ]] || fail "the shortcut is still there"
echo "ok: shortcut removed"
wine_ reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is still there"
echo "ok: uninstall entry removed"
