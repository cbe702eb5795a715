#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12: installs the packages each step needs, then calls the
# CMake presets (CMakePresets.json), which hold every configuration.
#   ./build.sh run              builds and starts the calculator (preset release)
#   ./build.sh test [STAGE...]  builds and runs every test, or only the stages named:
#                                 debug     the Linux program, every test       (preset debug)
#                                 sanitize  the same under ASan and UBSan       (preset sanitize)
#                                 fuzz      the logic's fuzz target, with clang (preset fuzz)
#                                 windows   the Windows program under Wine      (preset windows)
#                                 web       the web page in the browsers        (preset web)
#                                 release   the packages: twice, byte for byte the same,
#                                           hardened, lintian-clean; the web page as released,
#                                           without test hooks      (presets release,
#                                                                    windows-release, web-release)
#   ./build.sh windows          the Windows program, build/windows-release/src/quorvel.exe
#   ./build.sh web              the web page, build/web-release/site, a folder of static files
#   ./build.sh release          the Debian package, the Windows installer and the portable zip in
#                               dist/, with their SHA-256 sums
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev fonts-ipafont-gothic)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev clang-format python3
    libx11-dev libxtst-dev xvfb xauth xdotool
    dbus at-spi2-core python3-pyatspi orca speech-dispatcher speech-dispatcher-espeak-ng openbox
    desktop-file-utils appstream lintian fonts-noto-cjk fonts-vlgothic man-db groff-base locales
)
fuzz_packages=(clang libclang-rt-14-dev)
# The Windows program: cross-compiled with mingw-w64, its tests run under Wine; its end-to-end
# test drives it with x11-probe, built for this machine.
windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev googletest
    wine wine64 openbox nsis xvfb xauth libx11-dev libxtst-dev python3
)
# The web page: compiled with emscripten, its scripts minified with terser, tested in Chromium and
# Firefox ESR through puppeteer-core from npm, and in WebKitGTK through its WebDriver.
web_packages=(emscripten nodejs terser)
web_test_packages=(chromium firefox-esr webkit2gtk-driver xvfb xauth fonts-ipafont-gothic)
release_packages=(devscripts lintian git)

source tools/install-packages.bash

jobs=$(nproc)
# emscripten's own scripts find their node modules (acorn) there when node is not Debian's.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# The time stamps in the packages: the last commit's, so the same source gives the same files.
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
    export SOURCE_DATE_EPOCH
fi

# preset NAME: configures and builds one preset from scratch or where it was left.
preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}

# A Wine server left from an earlier run is tied to that run's display, which is gone.
stop_wine() {
    WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/quorvel/wineprefix" wineserver -k 2>/dev/null || true
}

# npm comes with Node.js from nodesource; Debian's nodejs has it in a package of its own.
install_npm() {
    command -v npm >/dev/null || install_missing npm
}

# dist [DIR]: the three things a user downloads, with their SHA-256 sums.
dist() {
    local out=${1:-dist}
    install_missing "${packages[@]}" "${windows_packages[@]}" git
    preset release
    preset windows-release
    rm -rf "$out"
    mkdir -p "$out"
    (cd build/release && cpack -G DEB -B "$PWD/../../$out/deb" >/dev/null)
    mv "$out"/deb/quorvel_*.deb "$out"/
    rm -rf "$out/deb"
    cp build/windows-release/packages/* "$out"/
    (cd "$out" && sha256sum -- * >SHA256SUMS)
}

stage() {
    case "$1" in
    debug | sanitize)
        install_missing "${packages[@]}" "${test_packages[@]}"
        preset "$1"
        ctest --preset "$1" -j "$jobs"
        ;;
    fuzz)
        install_missing build-essential cmake ninja-build "${fuzz_packages[@]}"
        preset fuzz
        ctest --preset fuzz
        ;;
    windows)
        install_missing build-essential cmake ninja-build "${windows_packages[@]}"
        preset windows
        stop_wine
        # The Windows windows need a display: one Xvfb for all of them.
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" ctest --preset windows -j "$jobs"
        ;;
    web)
        install_missing build-essential cmake ninja-build python3 "${web_packages[@]}" \
            "${web_test_packages[@]}"
        install_npm
        preset web
        (cd tests/web && npm ci --no-audit --no-fund)
        ctest --preset web
        ;;
    release)
        install_missing "${packages[@]}" "${windows_packages[@]}" "${release_packages[@]}" \
            "${web_packages[@]}"
        tests/release/check_release.sh
        tests/release/check_web_release.sh
        ;;
    *)
        echo "unknown stage: $1 (debug, sanitize, fuzz, windows, web, release)" >&2
        exit 2
        ;;
    esac
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    preset release
    exec build/release/src/quorvel
    ;;
test)
    shift
    stages=("$@")
    ((${#stages[@]} > 0)) || stages=(debug sanitize fuzz windows web release)
    for s in "${stages[@]}"; do
        echo "== $s"
        stage "$s"
    done
    ;;
windows)
    install_missing build-essential cmake ninja-build "${windows_packages[@]}"
    preset windows-release
    echo "The Windows program: build/windows-release/src/quorvel.exe"
    ;;
web)
    install_missing build-essential cmake ninja-build "${web_packages[@]}"
    preset web-release
    echo "The web page, ready to serve as static files: build/web-release/site"
    ;;
release)
    dist "${2:-dist}"
    ls -l "${2:-dist}"
    ;;
*)
    echo "usage: $0 run | test [debug|sanitize|fuzz|windows|web|release...] | windows | web | release" >&2
    exit 2
    ;;
esac
