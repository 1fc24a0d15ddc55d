#!/usr/bin/env bash
# Closing the title window with its close box before OK ends the program; no game window opens.
# Usage: title-close-test.sh PROGRAM
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")

start_x 1024x768
# The window manager lists every window it manages; a game window would appear in this log.
xprop -spy -root _NET_CLIENT_LIST >"$RUN/clients.log" 2>&1 &
started_pids+=($!)
start_program pid "$program"
title=$(find_window SCALLYWISE) || fail "the title window did not show"
close_window "$title"
status=$(program_status "$pid") || fail "the program still runs after its title window was closed"
[[ $status -eq 0 ]] || fail "the program ended with status $status"
title_hex=$(printf '0x%x' "$title")
others=$(grep -o '0x[0-9a-f]*' "$RUN/clients.log" | grep -v -x "$title_hex" || true)
[[ -z "$others" ]] || fail "another window was shown: $others"
echo "ok   closing the title window ended the program (status 0) and no other window showed"
