# The desktop tests' shared servers: a private X display with a window manager, a session bus with
# the accessibility bus, and a sound server, each started here and stopped by the process id it got.
# Source this file, then call the start_* functions the test needs; everything stops on exit.

set -euo pipefail

RUN=$(mktemp -d /tmp/scallywise-desktop.XXXXXX)
mkdir -p -m 700 "$RUN/xdg"
mkdir -p "$RUN/home" "$RUN/config" "$RUN/cache"
export XDG_RUNTIME_DIR="$RUN/xdg" XDG_CONFIG_HOME="$RUN/config" XDG_CACHE_HOME="$RUN/cache"
# An Xft.dpi resource or a desktop's scale would otherwise size the windows.
export QT_FONT_DPI=96
unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY SESSION_MANAGER QT_WAYLAND_CLIENT_BUFFER_INTEGRATION

started_pids=()

# Stops a process and whatever it started itself (the accessibility launcher starts its own bus).
stop_tree() {
    local pid=$1 child
    for child in $(cat /proc/"$pid"/task/*/children 2>/dev/null); do
        stop_tree "$child"
    done
    kill "$pid" 2>/dev/null || true
}

stop_started() {
    local i
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        stop_tree "${started_pids[$i]}"
    done
    for pid in "${started_pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -9 "$pid" 2>/dev/null || true
    done
    started_pids=()
}

finish() {
    local status=$?
    stop_started
    if [[ $status -ne 0 && -n "${KEEP_RUN_ON_FAILURE:-}" ]]; then
        echo "desktop: kept $RUN for a look" >&2
    else
        rm -rf "$RUN"
    fi
    exit $status
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits until a command succeeds, trying every tenth of a second for up to $1 seconds.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    for ((t = 0; t < tries; t++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# start_x [WIDTHxHEIGHT]: Xvfb on a display number it picks itself, then openbox on it.
start_x() {
    local size=${1:-1024x768}
    : >"$RUN/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$RUN/display" \
        >"$RUN/xvfb.log" 2>&1 &
    started_pids+=($!)
    wait_until 30 grep -q '[0-9]' "$RUN/display" || fail "Xvfb did not start (see $RUN/xvfb.log)"
    export DISPLAY=":$(head -1 "$RUN/display")"
    wait_until 30 xdpyinfo || fail "Xvfb on $DISPLAY does not answer"
    openbox --sm-disable >"$RUN/openbox.log" 2>&1 &
    started_pids+=($!)
    wait_until 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
}

# start_weston [WIDTHxHEIGHT]: a Wayland compositor, headless and drawing with pixman (so that its
# screenshooter has pixels to give), with no X server: DISPLAY is unset from here on.
start_weston() {
    local size=${1:-1280x1024}
    unset DISPLAY
    weston --backend=headless-backend.so --use-pixman --socket=wayland-test --width="${size%x*}" \
        --height="${size#*x}" --debug --idle-time=0 >"$RUN/weston.log" 2>&1 &
    started_pids+=($!)
    export WAYLAND_DISPLAY=wayland-test
    wait_until 30 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start (see $RUN/weston.log)"
}

# start_session_bus: a session bus of the test's own, in DBUS_SESSION_BUS_ADDRESS.
start_session_bus() {
    local out
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
    started_pids+=($(echo "$out" | sed -n 2p))
}

# start_accessibility: a session bus, the accessibility bus and its registry; Qt registers with it.
start_accessibility() {
    start_session_bus
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$RUN/atspi-bus.log" 2>&1 &
    started_pids+=($!)
    wait_until 30 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
        fail "the accessibility bus did not start"
    /usr/libexec/at-spi2-registryd >"$RUN/atspi-registry.log" 2>&1 &
    started_pids+=($!)
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
}

# start_sound: PulseAudio with a null sink named "test" whose monitor the test can record.
start_sound() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$RUN/pulse.log" \
        --load="module-null-sink sink_name=test sink_properties=device.description=TestSink" \
        --load="module-native-protocol-unix" >/dev/null 2>&1 &
    started_pids+=($!)
    wait_until 30 pactl info || fail "PulseAudio did not start (see $RUN/pulse.log)"
    pactl set-default-sink test
}

# start_screen_reader: speech-dispatcher speaking with espeak-ng into the sound server, and Orca,
# with its settings in the test's own home and everything it says in $RUN/orca.log. Needs the
# accessibility bus and the sound server first.
start_screen_reader() {
    mkdir -p "$XDG_RUNTIME_DIR/speech-dispatcher" "$RUN/speech"
    HOME="$RUN/home" XDG_DATA_HOME="$RUN/home/data" speech-dispatcher -s -t 0 -c unix_socket \
        -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" -L "$RUN/speech" >"$RUN/speechd.log" 2>&1 &
    started_pids+=($!)
    wait_until 30 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
        fail "speech-dispatcher did not start (see $RUN/speechd.log)"
    HOME="$RUN/home" XDG_DATA_HOME="$RUN/home/data" "$PY" "$HERE/orca_run.py" "$RUN/orca.log" >"$RUN/orca.out" 2>&1 &
    started_pids+=($!)
    # Orca greets the desktop once it is listening.
    wait_until 30 grep -q "SPEECH OUTPUT:" "$RUN/orca.log" || fail "Orca did not start (see $RUN/orca.out)"
}

# start_program VAR COMMAND...: runs a program in the background and puts its pid in VAR.
# Its exit status lands in $RUN/<pid>.status, its standard error in $RUN/<pid>.err.
start_program() {
    local var=$1
    shift
    (
        "$@" >"$RUN/program.out" 2>"$RUN/program.err" &
        child=$!
        echo "$child" >"$RUN/program.pid"
        status=0
        wait "$child" || status=$?
        echo "$status" >"$RUN/$child.status"
    ) &
    wait_until 30 test -s "$RUN/program.pid" || fail "could not start $1"
    local started
    started=$(cat "$RUN/program.pid")
    rm -f "$RUN/program.pid"
    started_pids+=($started)
    printf -v "$var" '%s' "$started"
}

# program_status PID: waits up to 30 s for the program to end and prints its exit status.
program_status() {
    wait_until 30 test -s "$RUN/$1.status" || return 1
    cat "$RUN/$1.status"
}

# find_window NAME: the id of a visible top-level window whose title is exactly NAME, waiting up to 60 s.
find_window() {
    local name=$1 id=""
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -1 || true)
        [[ -n "$id" ]] && break
        sleep 0.1
    done
    [[ -n "$id" ]] || return 1
    echo "$id"
}

# window_shown NAME: whether a window titled exactly NAME is on the screen now.
window_shown() {
    [[ -n "$(xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null || true)" ]]
}

# window_place ID: "x y width height" of a window's inside, in screen pixels.
window_place() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# screenshot FILE: the whole screen as an X window dump.
screenshot() {
    xwd -root -silent >"$1"
}

# close_window ID: the window manager's close (Alt+F4), as a click on the close box does.
close_window() {
    xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4
}

PY=/usr/bin/python3
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# screen_check KIND WINDOW-ID ART-DIR [MORE...]: screenshots the display until screens.py's check of
# that window passes (a window paints a moment after it maps), for up to 30 s; prints what is wrong.
# The last screenshot stays in $RUN/KIND.xwd, the window's place in $RUN/KIND.place.
screen_check() {
    local kind=$1 id=$2 art=$3 shot="$RUN/$1.xwd" until=$((SECONDS + 30))
    shift 3
    while ((SECONDS < until)); do
        screenshot "$shot"
        window_place "$id" >"$RUN/$kind.place"
        # shellcheck disable=SC2046 # the window's place is four arguments
        if "$PY" "$HERE/screens.py" "$kind" "$shot" $(cat "$RUN/$kind.place") "$art" "$@" >"$RUN/check.out" 2>&1; then
            return 0
        fi
        sleep 0.5
    done
    cat "$RUN/check.out" >&2
    return 1
}
