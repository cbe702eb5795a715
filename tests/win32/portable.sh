#!/usr/bin/env bash
# The portable zip holds the program, its licence and the Japanese read-me, nothing else; both
# texts have Windows line endings throughout, and the read-me gives the keyboard route to 計算
# (a Japanese keyboard's keypad has no = key).
source "$(dirname "$0")/../lib/checks.bash"
listing=$(cmake -E tar tf "$PORTABLE" | sort | tr '\n' ' ')
expect_eq "the zip's files" "$listing" "LICENSE.txt README-ja.txt quorvel.exe "
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$PORTABLE")
for text in LICENSE.txt README-ja.txt; do
    lines=$(wc -l <"$unpacked/$text")
    crlf=$(grep -c $'\r$' "$unpacked/$text" || true)
    expect_eq "$text: lines ending in CR LF" "$crlf" "$lines"
done
grep -q "Tab で「計算」ボタンに移って Space" "$unpacked/README-ja.txt" ||
    fail "README-ja.txt does not give the keyboard route to 計算"
echo "ok: README-ja.txt gives the keyboard route to 計算"
