#!/usr/bin/env bash
# The window's tables with a fault planted in a copy of them, each of which must stop the build
# with its own message: a control left out of the tab order, or given another's index, a row
# short of a column, an event raised by two controls, a phone key over another. The tables as
# they are must build.
#   check_planted_faults.sh CXX SOURCE_DIR GENERATED_INCLUDE_DIR
set -euo pipefail
source "$(dirname "$0")/../lib/checks.bash"
cxx=$1 src=$2 generated=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/ui/controls"
rows=ui/controls/control_rows.h

# compile UNIT: the unit compiled against the tables in the scratch folder; its messages on stdout.
compile() {
    "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I "$scratch" -I "$src" -I "$generated" \
        "$src/ui/controls/$1.cpp" 2>&1
}

# plant NAME SED UNIT MESSAGE: the tables changed by SED must not build, saying MESSAGE.
plant() {
    local name=$1 edit=$2 unit=$3 message=$4 output
    sed -e "$edit" "$src/$rows" >"$scratch/$rows"
    cmp -s "$src/$rows" "$scratch/$rows" && fail "$name: the plant changed nothing"
    if output=$(compile "$unit"); then
        fail "$name: built"
    fi
    grep -qF -- "$message" <<<"$output" || fail "$name: stopped, but not saying '$message': $output"
    echo "ok: $name does not build"
}

cp "$src/$rows" "$scratch/$rows"
for unit in control_tables phone_layout; do
    compile "$unit" >/dev/null || fail "the tables as they are do not build ($unit)"
done
echo "ok: the tables as they are build"

# The row of 終了, the button: its event, tab index, phone key and description.
exit_row='/"Command3",/'
plant "終了 left out of the tab order (its index another's)" \
    "${exit_row}s/Event::Command3_Click,  1,/Event::Command3_Click,  0,/" control_tables \
    "needs exactly one label, button, option or the frame"
plant "終了 given an index past the last" \
    "${exit_row}s/Event::Command3_Click,  1,/Event::Command3_Click,  38,/" control_tables \
    "needs exactly one label, button, option or the frame"
plant "終了's row without its description" \
    "${exit_row}s/, \"電卓を終了する\"//" control_tables "missing initializer"
plant "終了 raising 全て消す's event" \
    "${exit_row}s/Event::Command3_Click/Event::Command2_Click/" control_tables \
    "needs exactly one control and one row in the event table"
plant "終了's key over 一つ消す's" \
    "${exit_row}s/{2,   260, 100, 48}/{2,   260, 110, 48}/" phone_layout "a phone key overlaps"
plant "Frame2 out of the tab order (index 8 given to 帯分数 too)" \
    '/kFrame{/s/{120, 1200, 1575, 1815}, 8,/{120, 1200, 1575, 1815}, 9,/' control_tables \
    "needs exactly one label, button, option or the frame"
