#!/usr/bin/env bash
# The manual pages read well in every locale: formatted by man in the C locale (ASCII), in
# C.UTF-8 and in ja_JP.UTF-8, at three terminal widths, without a single groff warning; the
# English page keeps every word under LANG=C; both say how the keyboard reaches the menu.
#   check_manual.sh DOCS_MAN_DIR
set -euo pipefail
source "$(dirname "$0")/../lib/checks.bash"
pages=("$1/quorvel.1" "$1/ja/quorvel.1")

# The Japanese locale, made here if the system has not generated it.
locales=$(mktemp -d)
trap 'rm -rf "$locales"' EXIT
localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" 2>/dev/null || true
export LOCPATH="$locales" MANPAGER=cat

format() { # LOCALE WIDTH PAGE: the page as man shows it; the warnings on standard error
    LANG=$1 LC_ALL=$1 MANWIDTH=$2 man --warnings=all -l "$3"
}

for page in "${pages[@]}"; do
    for locale in C C.UTF-8 ja_JP.UTF-8; do
        for width in 60 80 120; do
            warnings=$(format "$locale" "$width" "$page" 2>&1 >/dev/null) ||
                fail "man cannot format $page under $locale"
            [[ -z "$warnings" ]] || fail "$page under $locale at $width columns: $warnings"
        done
        echo "ok: $page under $locale, no warnings"
    done
done

# As lintian formats them for its checks.
for page in "${pages[@]}"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$page" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "$page as lintian formats it: $warnings"
done
echo "ok: both pages as lintian formats them, no warnings"

english_ascii=$(format C 80 "${pages[0]}" 2>/dev/null)
grep -q '()\|( )' <<<"$english_ascii" &&
    fail "words are missing from the English page under LANG=C"
grep -q 'Keisan' <<<"$english_ascii" || fail "the English page under LANG=C lacks the readings"
grep -q '計算' <(format C.UTF-8 80 "${pages[0]}" 2>/dev/null) ||
    fail "the English page under UTF-8 lacks the Japanese names"
echo "ok: the English page whole in ASCII, with the Japanese names in UTF-8"
grep -q 'English page' <(format C 80 "${pages[1]}" 2>/dev/null) ||
    fail "the Japanese page under LANG=C does not point to the English one"
grep -q '関連項目' <(format ja_JP.UTF-8 80 "${pages[1]}" 2>/dev/null) ||
    fail "the Japanese page has no 関連項目"
echo "ok: the Japanese page points to the English one in ASCII, and has 関連項目"
grep -q 'Alt, F10' <<<"$english_ascii" || fail "the English page does not say how to reach the menu"
grep -q 'Alt、F10' <(format ja_JP.UTF-8 80 "${pages[1]}" 2>/dev/null) ||
    fail "the Japanese page does not say how to reach the menu"
echo "ok: both say how the keyboard reaches the menu"
