#!/usr/bin/env bash
# Builds the Debian package from the build folder and holds it to Debian's standards: lintian
# finds no error and no warning, and the package carries the program, its menu entry and icon,
# the manual pages, the copyright file and the changelog.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(echo "$out"/quorvel_*.deb)
[[ -f "$deb" ]] || { echo "FAIL: no package built" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quorvel ./usr/share/applications/io.github.quorvel.Quorvel.desktop \
    ./usr/share/icons/hicolor/48x48/apps/io.github.quorvel.Quorvel.png \
    ./usr/share/man/man1/quorvel.1.gz ./usr/share/man/ja/man1/quorvel.1.gz \
    ./usr/share/doc/quorvel/copyright ./usr/share/doc/quorvel/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || { echo "FAIL: $file is not in the package" >&2; exit 1; }
    echo "ok: $file"
done
status=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
((status == 0)) || { echo "FAIL: lintian" >&2; exit 1; }
echo "ok: lintian finds no error or warning in $(basename "$deb")"
