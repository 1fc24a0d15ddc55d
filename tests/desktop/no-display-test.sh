#!/usr/bin/env bash
# Without a display, X or Wayland, the program says so in one line on standard error and exits
# with status 1, without Qt's abort and its core dump.
# Usage: no-display-test.sh PROGRAM
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")

# A display number nobody serves: no socket and no lock file for it.
dead=599
while [[ -e /tmp/.X11-unix/X$dead || -e /tmp/.X$dead-lock ]]; do dead=$((dead + 1)); done

cases=(
    "DISPLAY unset|-u DISPLAY"
    "DISPLAY empty|DISPLAY="
    "DISPLAY at a display nobody serves|DISPLAY=:$dead"
    "DISPLAY that is not a display name|DISPLAY=nowhere-at-all"
    "WAYLAND_DISPLAY at a socket nobody serves, DISPLAY unset|-u DISPLAY WAYLAND_DISPLAY=scallywise-nobody-here"
    "both at displays nobody serves|DISPLAY=:$dead WAYLAND_DISPLAY=scallywise-nobody-here"
)

cd "$RUN"
ulimit -c unlimited 2>/dev/null || true
failed=0
for case in "${cases[@]}"; do
    what=${case%%|*}
    setting=${case#*|}
    status=0
    # shellcheck disable=SC2086 # the setting is one env argument
    timeout 20 env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $setting "$program" >"$RUN/out" 2>"$RUN/err" || status=$?
    lines=$(wc -l <"$RUN/err")
    if [[ $status -ne 1 || $lines -ne 1 || -s "$RUN/out" ]] || ls "$RUN"/core* >/dev/null 2>&1; then
        echo "FAIL $what: exit status $status, $lines line(s) on stderr:" >&2
        cat "$RUN/err" >&2
        failed=1
    else
        echo "ok   $what: $(cat "$RUN/err")"
    fi
done
exit $failed
