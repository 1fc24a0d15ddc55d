#!/usr/bin/env bash
# The game in a Wayland session with no X server at all (weston, headless): it runs as a native
# Wayland client drawing into shared memory, with no EGL, Mesa or LLVM library loaded; it is driven
# through AT-SPI and seen by weston's screenshots; Quit ends it with status 0. A user's own choice of
# client buffer integration is kept, and the compositor going away ends the game with status 1.
# Usage: wayland-test.sh PROGRAM ART-DIR
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
art=$(realpath "$2")

start_weston 1280x1024
start_sound  # a desktop session has one; without it Qt says so on standard error
start_accessibility
start_program pid "$program"
wait_until 30 grep -q qwayland "/proc/$pid/maps" || fail "the program does not run on Qt's Wayland platform"
echo "ok   with DISPLAY unset, the program is a Wayland client"

timeout 120 "$PY" "$HERE/wayland.py" "$art" "$RUN" "$pid" ||
    fail "the game on Wayland did not look and play as it should (screenshots: KEEP_RUN_ON_FAILURE=1)"
status=$(program_status "$pid") || fail "the program still runs after Quit"
[[ $status -eq 0 ]] || fail "the program ended with status $status after Quit"
[[ ! -s "$RUN/program.err" ]] || fail "the program wrote to standard error: $(cat "$RUN/program.err")"
echo "ok   Quit ends the program with status 0, and nothing was written to standard error"

# Qt 6.4 (Debian 12) loads a client buffer integration as it connects, so the program names none
# unless the user has: the user's own stands, and Qt's EGL one loads its GL stack. Qt 6.8 (Debian 13)
# loads one only for a window that needs OpenGL, so the program leaves the choice alone, and the
# user's integration is not loaded while no window needs it.
qt=$(pkg-config --modversion Qt6Core)
start_program pid env QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=wayland-egl "$program"
if dpkg --compare-versions "$qt" lt 6.8; then
    wait_until 30 grep -qE 'libEGL_|WaylandEgl' "/proc/$pid/maps" || fail "the user's QT_WAYLAND_CLIENT_BUFFER_INTEGRATION was not kept"
    echo "ok   a client buffer integration the user chose is kept"
else
    wait_until 30 grep -q qwayland "/proc/$pid/maps" || fail "the program does not run on Qt's Wayland platform"
    # Whatever the window needs is loaded by the time it shows.
    "$PY" "$HERE/shown.py" window SCALLYWISE || fail "the program showed no title window on Wayland"
    ! grep -qE 'libEGL_|WaylandEgl' "/proc/$pid/maps" || fail "Qt $qt loaded the EGL integration for a program that draws no OpenGL"
    echo "ok   Qt $qt loads no client buffer integration, the user's either, for a program without OpenGL"
fi

# The compositor going away ends the game at once, with status 1 and one line on standard error.
weston=${started_pids[0]}
kill "$weston"
status=$(program_status "$pid") || fail "the program still runs after weston went away"
[[ $status -eq 1 && $(wc -l <"$RUN/program.err") -eq 1 ]] ||
    fail "when weston went away the program ended with status $status, saying: $(cat "$RUN/program.err")"
echo "ok   when the compositor goes away the program ends with status 1: $(cat "$RUN/program.err")"
