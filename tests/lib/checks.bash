# Shared by the shell tests: failing with a message, and checking one value.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expect_eq() {
    [[ "$2" == "$3" ]] || fail "$1: expected '$3', got '$2'"
    echo "ok: $1 = '$2'"
}
