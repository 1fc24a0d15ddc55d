#!/usr/bin/env bash
# Start-up benchmark on a real X display (Xvfb and openbox): time from exec to the title window
# mapped, from Enter to the game window mapped, and peak memory (/usr/bin/time -v), for the game and
# for the smallest Qt Widgets program with the same two windows, in turns, in one run.
# Usage: bench/startup.sh [BUILD-DIR] [RUNS]     prints each run and the medians
source "$(dirname "$0")/../tests/desktop/lib.sh"
build=$(realpath "${1:-build}")
runs=${2:-7}

start_x 1024x768
start_sound  # the game opens its sound player as it would on a desktop

# measure NAME FIRST-TITLE SECOND-TITLE PROGRAM: one start-up; appends "NAME title ok peak" to results.
measure() {
    local name=$1 first=$2 second=$3 program=$4 line pid window
    rm -f "$RUN/time.txt"
    # To a file, not a pipe: the program keeps the probe's output open while it runs.
    "$build/bench/startup_probe" "$first" "$second" -- /usr/bin/time -v -o "$RUN/time.txt" "$program" \
        >"$RUN/probe.out" || fail "$name did not start as expected"
    read -r title ok pid < <(tail -1 "$RUN/probe.out")
    started_pids+=($pid)
    window=$(find_window "$second") || fail "$name: no second window"
    close_window "$window"
    wait_until 10 grep -q "Exit status" "$RUN/time.txt" || fail "$name did not end when its window closed"
    local kept=() p
    for p in "${started_pids[@]}"; do [[ $p == "$pid" ]] || kept+=("$p"); done
    started_pids=("${kept[@]}")
    echo "$name $title $ok $(awk '/Maximum resident/ {print $NF}' "$RUN/time.txt")" | tee -a "$RUN/results"
}

echo "program title_ms ok_ms peak_kib"
# One start of each first, to fill the caches; it is not counted.
measure warmup SCALLYWISE 'Scallywise!' "$build/scallywise" >/dev/null
measure warmup 'minimal first' 'minimal second' "$build/bench/minimal_widgets" >/dev/null
: >"$RUN/results"
for _ in $(seq "$runs"); do
    measure scallywise SCALLYWISE 'Scallywise!' "$build/scallywise"
    measure minimal 'minimal first' 'minimal second' "$build/bench/minimal_widgets"
done

echo
echo "median (fastest - slowest) of $runs runs:"
for name in scallywise minimal; do
    printf '%-10s' "$name"
    for column in 2:title:ms 3:OK-to-game:ms 4:peak:KiB; do
        IFS=: read -r c label unit <<<"$column"
        grep "^$name " "$RUN/results" | awk -v c="$c" '{print $c}' | sort -n | awk -v l="$label" -v u="$unit" \
            '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                               printf "  %s %g %s (%g - %g)", l, m, u, v[1], v[NR]}'
    done
    echo
done
