#!/usr/bin/env bash
# Start-up time (exec → first top-level window mapped) and memory (peak RSS one second after
# mapping) of Quorvel and its peers xcalc and galculator, measured in interleaved rounds on one
# private Xvfb display without a window manager, inside a D-Bus session as on a desktop. Prints
# medians and ratios.
#   bench/startup.sh [ROUNDS]        (default 15; builds x11-probe and quorvel in build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}

if [[ -z "${QUORVEL_BENCH_DISPLAY:-}" ]]; then
    source tools/install-packages.bash
    install_missing build-essential cmake ninja-build qt6-base-dev libgl-dev fonts-ipafont-gothic \
        libgtest-dev libx11-dev libxtst-dev xvfb xauth dbus x11-apps galculator
fi

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_BENCHMARKS=OFF \
    -DQUORVEL_SANITIZE=OFF -DQUORVEL_BUILD_TESTS=ON >/dev/null
cmake --build build/bench --target quorvel x11-probe >/dev/null
probe=build/bench/tests/x11-probe

if [[ -z "${QUORVEL_BENCH_DISPLAY:-}" ]]; then
    export QUORVEL_BENCH_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" dbus-run-session -- "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

declare -A command=([quorvel]="build/bench/src/quorvel")
command -v xcalc >/dev/null && command[xcalc]=xcalc
command -v galculator >/dev/null && command[galculator]=galculator
programs=(quorvel)
for p in xcalc galculator; do [[ -n "${command[$p]:-}" ]] && programs+=("$p"); done

declare -A times rss
for ((round = 1; round <= rounds; ++round)); do
    for p in "${programs[@]}"; do
        read -r ms pid < <($probe time-to-map ${command[$p]})
        sleep 1
        kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        times[$p]+="$ms "
        rss[$p]+="$kb "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
printf '%-12s %10s %12s\n' program "start (ms)" "peak RSS (MiB)"
declare -A med
for p in "${programs[@]}"; do
    med[$p]=$(median <<<"${times[$p]}")
    mib=$(median <<<"${rss[$p]}" | awk '{printf "%.1f", $1 / 1024}')
    printf '%-12s %10.1f %12s\n' "$p" "${med[$p]}" "$mib"
done
for p in xcalc galculator; do
    [[ -n "${med[$p]:-}" ]] && awk -v q="${med[quorvel]}" -v o="${med[$p]}" -v p="$p" \
        'BEGIN {printf "quorvel / %s start: %.2f\n", p, q / o}'
done
echo "($rounds interleaved rounds, $(date -u +%F), $(nproc) cores, $(uname -m))"
