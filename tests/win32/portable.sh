#!/usr/bin/env bash
# The portable zip holds the program, its licence and the Japanese read-me, nothing else.
set -euo pipefail
listing=$(cmake -E tar tf "$PORTABLE" | sort | tr '\n' ' ')
[[ "$listing" == "LICENSE.txt README-ja.txt quorvel.exe " ]] || {
    echo "FAIL: the zip holds: $listing" >&2
    exit 1
}
echo "ok: $listing"
