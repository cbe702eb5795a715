#!/usr/bin/env bash
# Start-up of the Windows program under Wine (launch → first top-level window mapped, waited for
# on X events by x11-probe) side by side with three yardsticks made with the plain API: the
# barest window (one static control and a menu bar of three commands), that window with the
# calculator's 39 native controls in one font, and those controls under the calculator's own
# manifest. Interleaved rounds under one Wine server kept running, on a private Xvfb without a
# window manager. Prints the medians and the program's ratios to the yardsticks.
#   bench/wine_startup.sh [ROUNDS]     (default 15; builds in build/bench-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}

if [[ -z "${QUORVEL_BENCH_DISPLAY:-}" ]]; then
    source tools/install-packages.bash
    install_missing build-essential cmake ninja-build qt6-base-dev libgl-dev fonts-ipafont-gothic \
        libx11-dev libxtst-dev xvfb xauth g++-mingw-w64-x86-64-posix \
        binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev googletest wine wine64
    # The Windows program and the bare window, and x11-probe built for this machine.
    cmake -S . -B build/bench-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DQUORVEL_BUILD_BENCHMARKS=ON \
        -DQUORVEL_BUILD_TESTS=ON >/dev/null
    cmake --build build/bench-windows --target quorvel bare-window controls-window \
        controls-window-manifest host_x11_probe >/dev/null
    export QUORVEL_BENCH_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

probe=build/bench-windows/tests/win32/x11-probe
wine=tools/wine/run-wine
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel/wineprefix}"
yardsticks=build/bench-windows/bench/win32
declare -A command=([quorvel]=build/bench-windows/src/quorvel.exe
                    [bare]=$yardsticks/bare-window.exe
                    [controls]=$yardsticks/controls-window.exe
                    [manifest]=$yardsticks/controls-window-manifest.exe)
programs=(quorvel bare controls manifest)

# One Wine server for every run, started and warmed up before the first measured one.
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
for p in "${programs[@]}"; do
    read -r _ pid < <($probe time-to-map "$wine" "${command[$p]}")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done

declare -A times
for ((round = 1; round <= rounds; ++round)); do
    for p in "${programs[@]}"; do
        read -r ms pid < <($probe time-to-map "$wine" "${command[$p]}")
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        sleep 0.5
        times[$p]+="$ms "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
declare -A med
printf '%-12s %10s\n' program "start (ms)"
for p in "${programs[@]}"; do
    med[$p]=$(median <<<"${times[$p]}")
    printf '%-12s %10.1f\n' "$p" "${med[$p]}"
done
ratio() { awk -v q="${med[quorvel]}" -v y="${med[$1]}" -v what="$2" \
              'BEGIN {printf "quorvel / %s: %.2f\n", what, q / y}'; }
ratio manifest "39 controls with the same manifest"
ratio controls "39 controls"
ratio bare "one static"
echo "($rounds interleaved rounds under $(wine --version 2>/dev/null), $(date -u +%F), $(nproc) cores)"
