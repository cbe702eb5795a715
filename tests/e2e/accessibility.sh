#!/usr/bin/env bash
# A screen reader's view over AT-SPI: buttons found by name and pressed through the action
# interface, fields and result read back, and what the program announces after each event.
source "$(dirname "$0")/lib.bash"

if [[ -z "${QUORVEL_E2E_BUS:-}" ]]; then
    export QUORVEL_E2E_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'kill $bus 2>/dev/null || true' EXIT
sleep 0.5

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$QUORVEL" &
pid=$!
window=$(probe find Quorvel 15000) || fail "no window titled Quorvel"
xdotool windowfocus --sync "$window"
probe numlock on
/usr/bin/python3 "$(dirname "$0")/accessibility.py" quorvel
status=0
wait "$pid" || status=$?
expect_eq "exit status after 終了" "$status" 0
