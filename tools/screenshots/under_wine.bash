# Sourced by the picture scripts. under_wine ROOT OUT BODY: runs the script BODY against the
# Windows build (build/windows) under Wine, in an Xvfb of its own (wine_session.bash).
under_wine() {
    local root=$1
    RUN_WINE="$root/tools/wine/run-wine" EXE="$root/build/windows/src/quorvel.exe" \
        X11_PROBE="$root/build/windows/tests/win32/x11-probe" OUT="$2" BODY="$3" \
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        bash "$root/tools/screenshots/wine_session.bash"
}
