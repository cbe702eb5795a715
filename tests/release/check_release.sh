#!/usr/bin/env bash
# The release as a packager holds it: built twice from the same source, from nothing each time,
# it gives byte-identical files; the Linux program is hardened as Debian hardens its own; lintian
# with --pedantic finds nothing, information included, but the tags explained in the README.
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
report=$(hardening-check --color=no "$unpacked/usr/bin/quorvel")
echo "$report"
if grep -E ': no' <<<"$report"; then
    echo "FAIL: the program lacks some of Debian's hardening" >&2
    exit 1
fi
if readelf -S "$unpacked/usr/bin/quorvel" | grep -q '\.comment'; then
    echo "FAIL: the program keeps its .comment section" >&2
    exit 1
fi
echo "ok: hardened, no .comment section"

# Each tag lintian may still report is named, with why, in the README's packaging section.
explained=$(sed -n 's/^- `\([a-z0-9-]*\)`: .*/\1/p' tests/release/lintian-tags.md)
tags=$(lintian --pedantic --display-info --display-experimental "$deb" 2>/dev/null |
    grep -v 'running with root privileges' | awk '{print $3}' | sort -u || true)
unexplained=$(comm -23 <(grep -v '^$' <<<"$tags" | sort -u) <(sort -u <<<"$explained"))
if [[ -n "$unexplained" ]]; then
    lintian --pedantic --display-info --display-experimental "$deb" 2>/dev/null || true
    echo "FAIL: lintian reports tags that nobody explained: $unexplained" >&2
    exit 1
fi
echo "ok: lintian --pedantic --display-info: ${tags:-nothing}"
