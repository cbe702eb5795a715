#!/usr/bin/env bash
# The web page as released (preset web-release): no test hooks (no scenario runner, no
# window.quorvelScenario), every file the page loads named by its content, and its size.
#   tests/release/check_web_release.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/lib/checks.bash
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cmake --preset web-release >/dev/null
cmake --build --preset web-release >/dev/null
site=build/web-release/site

[[ -z "$(ls "$site"/assets | grep scenario)" ]] || fail "the release carries scenario.js"
if grep -l 'quorvelScenario\|qv_scenario' "$site"/index.html "$site"/sw.js "$site"/assets/*; then
    fail "the release carries the scenario runner's hooks"
fi
echo "ok: no scenario runner, no test hooks"
for name in $(grep -o 'assets/[^"]*' "$site/index.html"); do
    [[ -f "$site/$name" ]] || fail "index.html names $name, which is not there"
    hash=$(sha256sum "$site/$name" | cut -c1-12)
    [[ "$name" == *".$hash."* ]] || fail "$name is not named by its content"
done
echo "ok: every file the page loads is named by its content"

# What a browser downloads: the page, its scripts, style and program.
files=("$site"/index.html "$site"/assets/*)
raw=$(cat "${files[@]}" | wc -c)
gzipped=0
for file in "${files[@]}"; do
    gzipped=$((gzipped + $(gzip -9c "$file" | wc -c)))
done
printf 'site (html + js + css + wasm): %d bytes, %d gzipped\n' "$raw" "$gzipped"
for file in "${files[@]}"; do
    printf '  %-40s %7d %7d\n' "${file#"$site"/}" "$(wc -c <"$file")" "$(gzip -9c "$file" | wc -c)"
done
