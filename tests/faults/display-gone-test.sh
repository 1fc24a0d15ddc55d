#!/usr/bin/env bash
# The display going away while the program runs: the X server it is on is killed or stopped, on
# the title window, on the game window while a sound plays, and in the middle of a pirate's fall.
# The program ends by itself within seconds with exit status 1, its last line on standard error
# "scallywise: the display went away, so the game ends"; it neither hangs nor dies of a signal,
# so it leaves no core dump.
# Usage: display-gone-test.sh PROGRAM
source "$(dirname "$0")/../desktop/lib.sh"
program=$(realpath "$1")
said="scallywise: the display went away, so the game ends"

# The easy list's first eight words: the eighth right answer pushes the first pirate off the board.
words=(talk walk stalk hide ride side wide tide)

# Each case: how the X server goes, what the program is doing at that moment, and in words.
cases=(
    "KILL|title|killed while the title window shows"
    "TERM|game|stopped while the game window shows and its opening sound plays"
    "KILL|fall|killed in the middle of a pirate's fall"
)

ulimit -c unlimited 2>/dev/null || true
cd "$RUN"  # where a core dump would land
failed=0
for case in "${cases[@]}"; do
    IFS='|' read -r signal moment what <<<"$case"
    start_x 1024x768
    start_sound
    xserver=${started_pids[0]}
    start_program pid "$program"
    title=$(find_window SCALLYWISE) || fail "$what: the title window did not show"
    if [[ $moment != title ]]; then
        xdotool windowactivate --sync "$title" key Return
        game=$(find_window 'Scallywise!') || fail "$what: the game window did not show"
    fi
    if [[ $moment == fall ]]; then
        xdotool windowactivate --sync "$game" key ctrl+e
        for word in "${words[@]}"; do
            # NEW WORD and Clear by their access keys, which press a button after a moment; the
            # word; Enter for AM I RIGHT?
            xdotool key alt+n && sleep 0.3 && xdotool key alt+c && sleep 0.3
            xdotool type --delay 20 "$word" && xdotool key Return && sleep 0.1
        done
        sleep 0.3  # well inside the fall's 1.4 s
    else
        sleep 1
    fi
    kill "-$signal" "$xserver"
    if ! status=$(program_status "$pid"); then
        echo "FAIL X server $what: the program still runs 10 s later" >&2
        failed=1
    elif [[ $status -ne 1 || "$(tail -n 1 "$RUN/program.err")" != "$said" ]] || ls "$RUN"/core* >/dev/null 2>&1; then
        echo "FAIL X server $what: exit status $status; standard error:" >&2
        cat "$RUN/program.err" >&2
        failed=1
    else
        echo "ok   X server $what: the program ended with status 1"
    fi
    stop_started
    rm -f "$RUN"/core*
done
exit $failed
