# Shared by the end-to-end tests: runs the calling script inside its own Xvfb display and offers
# small helpers. Needs QUORVEL, QUORVEL_SCENARIO and X11_PROBE from CTest.
set -euo pipefail

if [[ -z "${QUORVEL_E2E_DISPLAY:-}" ]]; then
    export QUORVEL_E2E_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
probe() { "$X11_PROBE" "$@"; }

source "$(dirname "${BASH_SOURCE[0]}")/../lib/checks.bash"

# The caption of a label in a quorvel-scenario state line.
caption() { grep -o "\"$1\": \"[^\"]*\"" <<<"$2" | head -n1 | sed 's/.*: "\(.*\)"/\1/'; }
field() { grep -o "\"$1\": [^,}]*" <<<"$2" | head -n1 | sed 's/.*: //; s/"//g'; }
