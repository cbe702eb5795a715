#!/usr/bin/env bash
# quorvel.exe read back through the Windows API under Wine: its version resource, the manifest's
# version and its icon;
# and it imports nothing but Windows' own libraries, and none of the OLE libraries, which a screen
# reader's first question loads.
source "$(dirname "$0")/../lib/checks.bash"
expect_line() {
    grep -qxF "$2" <<<"$1" || fail "expected '$2' in:"$'\n'"$1"
    echo "ok: $2"
}

version=$("$RUN_WINE" "$PROBE" version "Z:$QUORVEL_EXE" | tr -d '\r')
expect_line "$version" "file_version=1.2.0.0"
expect_line "$version" "product_version=1.2.0.0"
expect_line "$version" "file_type=1"
expect_line "$version" "translation=0411 1200"
expect_line "$version" "FileVersion=1.02"
expect_line "$version" "ProductVersion=1.02"
expect_line "$version" "ProductName=Quorvel2"

# The manifest carries the same version as the version data: both come from the project's.
manifest_version=$(grep -ao 'name="Quorvel.Calculator" version="[0-9.]*"' "$QUORVEL_EXE" |
    sed 's/.*version="//; s/"$//')
expect_eq "the manifest's version" "$manifest_version" \
    "$(sed -n 's/^file_version=//p' <<<"$version")"

icon=$("$RUN_WINE" "$PROBE" icon "Z:$QUORVEL_EXE" | tr -d '\r')
[[ "$icon" == icon=32x32* ]] || fail "the icon: $icon"
echo "ok: $icon"

imports=$(x86_64-w64-mingw32-objdump -p "$QUORVEL_EXE" | sed -n 's/.*DLL Name: //p' | sort)
while read -r dll; do
    case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll) ;;
    *) fail "quorvel.exe imports $dll" ;;
    esac
done <<<"$imports"
echo "ok: imports only" $imports
