#!/usr/bin/env bash
# The program on a real X display: the title window with its scene on yellow, Enter to the game
# window with the sea scene, the pirate beside the ship, the play controls at their places and no
# roster, and the close box of the game window ending the program. Every pixel of both windows is
# checked, so on a screen much larger than the scenes this shows that the plain colour around
# them is painted as it should be.
# Usage: windows-test.sh PROGRAM ART-DIR [SCREEN-SIZE]
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
art=$2
size=${3:-1024x768}

start_x "$size"
xdotool mousemove "$((${size%x*} - 1))" "$((${size#*x} - 1))"  # the pointer stays out of the screenshots
xprop -spy -root _NET_CLIENT_LIST >"$RUN/clients.log" 2>&1 &
started_pids+=($!)
start_program pid "$program"

title=$(find_window SCALLYWISE) || fail "the program did not start at the title window"
screen_check title "$title" "$art" || fail "the title window does not show its scene at the top left on yellow"
echo "ok   the title window shows the title scene at the top left, the OK picture, yellow around"

xdotool windowactivate --sync "$title" key Return
game=$(find_window 'Scallywise!') || fail "Enter on the title window did not open the game window"
wait_until 30 bash -c "! xdotool search --onlyvisible --name '^SCALLYWISE\$'" || fail "the title window stays on the screen"
wait_until 30 bash -c "tail -1 '$RUN/clients.log' | grep -qx '.*# $(printf '0x%x' "$game")'" ||
    fail "the window manager lists other windows than the game: $(tail -1 "$RUN/clients.log")"
echo "ok   Enter opens the game window, the only window left"

screen_check game "$game" "$art" || fail "the game window does not look as laid out"
echo "ok   the game window shows the sea scene, the pirate, the controls at their places, no roster"

close_window "$game"
status=$(program_status "$pid") || fail "the program still runs after its game window was closed"
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "ok   closing the game window ends the program"
