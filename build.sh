#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12.
#   ./build.sh run    installs what is missing, builds and starts the calculator
#   ./build.sh test   installs what is missing, builds (also with ASan/UBSan, the fuzz target with
#                     clang, the Windows build with mingw-w64 and the web page with emscripten)
#                     and runs every test (the Windows ones under Wine, the web ones in Chromium)
#   ./build.sh windows  cross-builds the Windows program, build/windows-release/src/quorvel.exe
#   ./build.sh web      builds the web page into build/web-release/site, a folder of static files
#   ./build.sh release  the Debian package, the Windows installer and the portable zip in dist/,
#                       with their SHA-256 sums
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev fonts-ipafont-gothic
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev clang-format clang libclang-rt-14-dev
    libx11-dev libxtst-dev xvfb xauth xdotool
    dbus at-spi2-core python3-pyatspi orca speech-dispatcher speech-dispatcher-espeak-ng openbox
    desktop-file-utils appstream lintian fonts-noto-cjk
)
# The Windows build: cross-compiled with mingw-w64, its tests run under Wine.
windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev googletest
    wine wine64 openbox nsis
)

# The web page: compiled with emscripten, tested in Chromium through puppeteer-core from npm.
web_packages=(emscripten nodejs)
web_test_packages=(chromium)

source tools/install-packages.bash

jobs=$(nproc)

# configure_windows DIR LINUX_BUILD [CMAKE_ARGS...]: the Windows build takes the icon that the
# Linux build renders from its XPM, and its x11-probe for the end-to-end test.
configure_windows() {
    local dir=$1 linux=$2
    shift 2
    cmake --build "$linux" --target quorvel_icons
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DQUORVEL_BUILD_BENCHMARKS=OFF \
        -DQUORVEL_ICO="$PWD/$linux/tools/icon/icons/quorvel.ico" \
        -DQUORVEL_X11_PROBE="$PWD/$linux/tests/x11-probe" "$@"
}

# emscripten's own scripts find their node modules (acorn) there when node is not Debian's.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# build_web DIR [CMAKE_ARGS...]: the web page in DIR/site. Its icons come from make-icons, built
# natively without Qt.
build_web() {
    local dir=$1 icons=build/icons
    shift
    cmake -S . -B "$icons" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_QT=OFF \
        -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "$icons" --target quorvel_icons
    emcmake cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUORVEL_ICON_DIR="$PWD/$icons/tools/icon/icons" "$@"
    cmake --build "$dir" -j "$jobs"
}

# npm comes with Node.js from nodesource; Debian's nodejs has it in a package of its own.
install_npm() {
    command -v npm >/dev/null || install_missing npm
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCHMARKS=OFF
    cmake --build build/release --target quorvel -j "$jobs"
    exec build/release/src/quorvel
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}" "${windows_packages[@]}"
    cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build/debug -j "$jobs"
    (cd build/debug && ctest -j "$jobs" --output-on-failure)
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON \
        -DQUORVEL_BUILD_BENCHMARKS=OFF -DQUORVEL_E2E=OFF
    cmake --build build/sanitize -j "$jobs"
    (cd build/sanitize && ctest -j "$jobs" --output-on-failure)
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORVEL_FUZZ=ON
    cmake --build build/fuzz -j "$jobs"
    (cd build/fuzz && ctest --output-on-failure)
    configure_windows build/windows build/debug
    cmake --build build/windows -j "$jobs"
    # A Wine server left from an earlier run is tied to that run's display, which is gone.
    WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/quorvel/wineprefix" wineserver -k 2>/dev/null || true
    # The Windows window needs a display: one Xvfb for all of them.
    (cd build/windows && xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        ctest -j "$jobs" --output-on-failure)
    install_missing "${web_packages[@]}" "${web_test_packages[@]}"
    install_npm
    build_web build/web
    (cd tests/web && npm ci --no-audit --no-fund)
    (cd build/web && ctest --output-on-failure)
    ;;
web)
    install_missing build-essential cmake ninja-build "${web_packages[@]}"
    build_web build/web-release -DQUORVEL_BUILD_TESTS=OFF
    echo "The web page, ready to serve as static files: build/web-release/site"
    ;;
windows)
    install_missing "${packages[@]}" "${windows_packages[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCHMARKS=OFF
    configure_windows build/windows-release build/release -DQUORVEL_BUILD_TESTS=OFF
    cmake --build build/windows-release --target quorvel -j "$jobs"
    echo "The Windows program: build/windows-release/src/quorvel.exe"
    ;;
release)
    # The three things a user downloads, with their SHA-256 sums, in dist/.
    install_missing "${packages[@]}" "${windows_packages[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCHMARKS=OFF
    cmake --build build/release -j "$jobs"
    configure_windows build/windows-release build/release -DQUORVEL_BUILD_TESTS=OFF
    cmake --build build/windows-release -j "$jobs"
    rm -rf dist
    mkdir -p dist
    (cd build/release && cpack -G DEB -B "$PWD/../../dist/deb" >/dev/null)
    mv dist/deb/quorvel_*.deb dist/
    rm -rf dist/deb
    cp build/windows-release/packages/* dist/
    (cd dist && sha256sum -- * >SHA256SUMS)
    ls -l dist
    ;;
*)
    echo "usage: $0 run|test|windows|web|release" >&2
    exit 2
    ;;
esac
