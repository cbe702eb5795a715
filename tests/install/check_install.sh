#!/usr/bin/env bash
# Installs into a scratch prefix and checks that the desktop application lands in the standard
# places, with metadata that the desktop and software-centre validators accept.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.quorvel.Quorvel
for file in bin/quorvel share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
    share/man/man1/quorvel.1.gz share/man/ja/man1/quorvel.1.gz; do
    [[ -e "$prefix/$file" ]] || { echo "FAIL: $file is not installed" >&2; exit 1; }
    echo "ok: $file"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
grep -q 'version="1.2.0"' "$prefix/share/metainfo/$id.metainfo.xml" ||
    { echo "FAIL: the metainfo does not carry the project version" >&2; exit 1; }
