#!/usr/bin/env bash
# The release as a packager holds it: built twice from the same source, from nothing each time,
# it gives byte-identical files; the Linux program is hardened as Debian hardens its own; lintian
# with --pedantic finds nothing, information and experimental tags included.
#   tests/release/check_release.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
first=build/dist-first
second=build/dist-second

./build.sh release "$first" >/dev/null
rm -rf build/release build/windows-release
./build.sh release "$second" >/dev/null
if ! diff "$first/SHA256SUMS" "$second/SHA256SUMS"; then
    echo "FAIL: two builds of the same source differ" >&2
    exit 1
fi
echo "ok: built twice, the same bytes:"
sed 's/^/    /' "$first/SHA256SUMS"

deb=$(echo "$first"/quorvel_*.deb)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
report=$(hardening-check -v "$unpacked/usr/bin/quorvel" || true)
echo "$report"
# Two answers cannot be yes on Debian 12, and are held to what they can be instead:
# - Fortify: every memcpy, memmove and memset the program calls writes where the compiler cannot
#   know the size (inside std::vector and std::string), so none becomes a checked call; the
#   program is compiled with _FORTIFY_SOURCE all the same.
# - Control flow integrity: the program's own objects are marked for IBT and SHSTK, but Debian
#   12's C start-up files are not, so the linker leaves the mark off the program.
refused=$(grep -E ': no' <<<"$report" |
    grep -v -e 'Fortify Source functions: no, only unprotected functions found' \
        -e 'Control flow integrity: no' || true)
if [[ -n "$refused" ]]; then
    echo "FAIL: the program lacks some of Debian's hardening: $refused" >&2
    exit 1
fi
grep -q -- '-D_FORTIFY_SOURCE=2' build/release/compile_commands.json ||
    { echo "FAIL: not compiled with _FORTIFY_SOURCE" >&2; exit 1; }
for object in $(find build/release/src -name '*.o'); do
    readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK' ||
        { echo "FAIL: $object is not marked for IBT and SHSTK" >&2; exit 1; }
done
if readelf -S "$unpacked/usr/bin/quorvel" | grep -q '\.comment'; then
    echo "FAIL: the program keeps its .comment section" >&2
    exit 1
fi
echo "ok: hardened, no .comment section"

tags=$(lintian --pedantic --display-info --display-experimental "$deb" 2>&1 |
    grep -v 'running with root privileges' || true)
if [[ -n "$tags" ]]; then
    echo "$tags"
    echo "FAIL: lintian --pedantic reports on the package" >&2
    exit 1
fi
echo "ok: lintian --pedantic --display-info --display-experimental: nothing"
