#!/usr/bin/env bash
# The web page's program again, linked as released but with its functions' names kept, and its code
# divided between the calculator's parts (bench/wasm_code_by_part.py).
#   bench/web_size.sh        after ./build.sh web (build/web-release)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/web-release"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
link=$(cd "$build" && ninja -t commands src/quorvel.js | tail -n1)
(cd "$build" && eval "${link/ -o src\/quorvel.js / --profiling-funcs -o $out\/quorvel.js }")
python3 "$root/bench/wasm_code_by_part.py" "$out/quorvel.wasm"
