#!/usr/bin/env bash
# Start-up and memory benchmark on real displays: for the game and a bare Qt Widgets program, in turns
# in one run on the same display, the time from exec to the first window shown, from OK to the second
# window shown, and the resident memory (VmRSS) and its peak so far (VmHWM) 3 s after that window
# shows. The bare program's memory is that of its second window shown alone (--bare-window).
# Screens: WIDTHxHEIGHT for Xvfb with openbox, or "weston" for a headless weston of 1280 x 1024 with
# no X server (there OK is pressed through AT-SPI and the times come from weston's protocol log; the
# bare window is measured with Qt's defaults, which load EGL, and as "bare-shm" without EGL, as the
# game runs).
# OK is pressed PRESS_AFTER_MS milliseconds (default 1000) after the first window shows, as a person
# looks at the title before pressing OK; PRESS_AFTER_MS=0 presses at once.
# Usage: bench/startup.sh [BUILD-DIR] [RUNS] [SCREEN...]   prints each run, then the medians
# Default screens: 1280x1024 1920x1080 3840x2160 weston.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} != --screen ]]; then
    build=$(realpath "${1:-build}")
    runs=${2:-7}
    shift $(($# < 2 ? $# : 2))
    screens=("$@")
    ((${#screens[@]})) || screens=(1280x1024 1920x1080 3840x2160 weston)
    results=$(mktemp /tmp/scallywise-startup.XXXXXX)
    trap 'rm -f "$results"' EXIT
    echo "screen program title_ms ok_ms rss_kib peak_kib"
    for screen in "${screens[@]}"; do
        bash "$0" --screen "$build" "$runs" "$screen" "$results"
    done
    echo
    echo "median (fastest - slowest) of $runs runs; OK pressed ${PRESS_AFTER_MS:-1000} ms after the first window showed;"
    echo "KiB; bare: the bare program's second window alone"
    awk '{print $1, $2}' "$results" | sort -u | while read -r screen program; do
        printf '%-10s %-8s' "$screen" "$program"
        for column in 3:title:ms 4:OK:ms 5:rss:KiB 6:peak:KiB; do
            IFS=: read -r c label unit <<<"$column"
            values=$(awk -v s="$screen" -v p="$program" -v c="$c" '$1 == s && $2 == p && $c != "-" {print $c}' \
                "$results" | sort -n)
            [[ -n $values ]] || continue
            echo "$values" | awk -v l="$label" -v u="$unit" '{v[NR] = $1} END {
                m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                printf "  %s %g %s (%g - %g)", l, m, u, v[1], v[NR]}'
        done
        echo
    done
    exit 0
fi

# --screen BUILD RUNS SCREEN RESULTS: one screen's runs, with servers of its own.
build=$2 runs=$3 screen=$4 results=$5
source "$here/../tests/desktop/lib.sh"
export PRESS_AFTER_MS=${PRESS_AFTER_MS:-1000}

# memory PID: "rss peak" in KiB, read 3 s after a window showed.
memory() {
    sleep 3
    awk '/^VmRSS/ {r = $2} /^VmHWM/ {h = $2} END {print r, h}' "/proc/$1/status"
}

# ends PID: waits for the program to end, and makes sure it does.
ends() {
    wait_until 10 bash -c "! kill -0 $1 2>/dev/null" || kill "$1" 2>/dev/null || true
    local kept=() p
    for p in "${started_pids[@]}"; do [[ $p == "$1" ]] || kept+=("$p"); done
    started_pids=("${kept[@]}")
}

# x_measure NAME FIRST SECOND PROGRAM: one start on X, Enter pressed on the first window.
x_measure() {
    local name=$1 first=$2 second=$3 program=$4 title ok pid window
    "$build/bench/startup_probe" --press-after "$PRESS_AFTER_MS" "$first" "$second" -- "$program" >"$RUN/probe.out" ||
        fail "$name did not start as expected"
    read -r title ok pid < <(tail -1 "$RUN/probe.out")
    started_pids+=("$pid")
    local mem
    mem=$(memory "$pid")
    window=$(find_window "$second") || fail "$name: no second window"
    close_window "$window"
    ends "$pid"
    echo "$screen $name $title $ok $mem"
}

# x_bare: the bare program's second window alone, for its memory.
x_bare() {
    local pid window
    start_program pid "$build/bench/minimal_widgets" --bare-window
    window=$(find_window 'minimal second') || fail "the bare window did not show"
    echo "$screen bare - - $(memory "$pid")"
    close_window "$window"
    ends "$pid"
}

# wayland_measure NAME FIRST SECOND OK-BUTTON PROGRAM [ARGS]: one start on weston; FIRST "-" waits
# for the second window alone.
wayland_measure() {
    local name=$1
    shift
    "$PY" "$here/wayland_probe.py" "$RUN/proto.log" "$@" >"$RUN/probe.out" || fail "$name did not start as expected"
    echo "$screen $name $(tail -1 "$RUN/probe.out")"
}

if [[ $screen == weston ]]; then
    start_weston 1280x1024
    weston-debug proto -o "$RUN/proto.log" &
    started_pids+=($!)
    start_sound
    start_accessibility
    game=(SCALLYWISE 'Scallywise!' OK "$build/scallywise")
    minimal=('minimal first' 'minimal second' OK "$build/bench/minimal_widgets")
    bare=(- 'minimal second' - "$build/bench/minimal_widgets" --bare-window)
    # The bare window as the game draws on Wayland: shared-memory buffers, no EGL (Qt warns; unheard).
    bare_shm=(- 'minimal second' - env QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$build/bench/minimal_widgets"
              --bare-window)
    # One start of each first, to fill the caches; it is not counted.
    wayland_measure warmup "${game[@]}" >/dev/null
    wayland_measure warmup "${minimal[@]}" >/dev/null
    for _ in $(seq "$runs"); do
        wayland_measure scallywise "${game[@]}"
        wayland_measure minimal "${minimal[@]}"
        wayland_measure bare "${bare[@]}"
        wayland_measure bare-shm "${bare_shm[@]}"
    done | tee -a "$results"
else
    start_x "$screen"
    start_sound  # the game opens its sound player as it would on a desktop
    x_measure warmup SCALLYWISE 'Scallywise!' "$build/scallywise" >/dev/null
    x_measure warmup 'minimal first' 'minimal second' "$build/bench/minimal_widgets" >/dev/null
    for _ in $(seq "$runs"); do
        x_measure scallywise SCALLYWISE 'Scallywise!' "$build/scallywise"
        x_measure minimal 'minimal first' 'minimal second' "$build/bench/minimal_widgets"
        x_bare
    done | tee -a "$results"
fi
