#!/usr/bin/env bash
# The display going away while the program runs: the X server it is on is killed or stopped, on
# the title window, on the game window while a sound plays, and in the middle of a pirate's fall.
# The program ends by itself within seconds with exit status 1, its last line on standard error
# "scallywise: the display went away, so the game ends"; it neither hangs nor dies of a signal,
# so it leaves no core dump.
# Usage: display-gone-test.sh PROGRAM ART-DIR
source "$(dirname "$0")/../desktop/lib.sh"
program=$(realpath "$1")
art=$2
said="scallywise: the display went away, so the game ends"

# The first pirate falls on the eighth right answer. Each word is read off the answer box through
# the accessibility bus, as a screen reader reads it, and each answer is seen to be right before
# the next; after the eighth, the killing waits until the screen shows him falling.
right_answers_to_fall=8

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
    [[ $moment == fall ]] && start_accessibility
    xserver=${started_pids[0]}
    start_program pid "$program"
    title=$(find_window SCALLYWISE) || fail "$what: the title window did not show"
    if [[ $moment != title ]]; then
        xdotool windowactivate --sync "$title" key Return
        game=$(find_window 'Scallywise!') || fail "$what: the game window did not show"
    fi
    if [[ $moment == fall ]]; then
        xdotool windowactivate --sync "$game" key ctrl+e
        for turn in $(seq "$right_answers_to_fall"); do
            # NEW WORD by its access key; the word on show; Clear; the word typed; Enter for AM I RIGHT?
            xdotool key alt+n
            word=$("$PY" "$HERE/shown.py" word) || fail "$what: no word came on show at turn $turn"
            xdotool key alt+c
            "$PY" "$HERE/shown.py" cleared || fail "$what: Clear did not open the answer box for typing at turn $turn"
            xdotool type --delay 20 "$word" && xdotool key Return
            if ((turn < right_answers_to_fall)); then
                "$PY" "$HERE/shown.py" score "$turn" || fail "$what: the answer \"$word\" was not taken as right"
            fi
        done
        # The premise: the pirate is on the screen in one of his falling frames (not yet held).
        falling=0
        for _ in $(seq 20); do
            screenshot "$RUN/fall.xwd"
            # shellcheck disable=SC2046 # the window's place is four arguments
            if "$PY" "$HERE/screens.py" falling "$RUN/fall.xwd" $(window_place "$game") "$art" >"$RUN/fall.out" 2>&1; then
                falling=1
                break
            fi
        done
        ((falling)) || fail "$what: the screen never showed the pirate falling: $(cat "$RUN/fall.out")"
    else
        sleep 1
    fi
    kill "-$signal" "$xserver"
    if ! status=$(program_status "$pid"); then
        echo "FAIL X server $what: the program still runs 30 s later" >&2
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
