#!/usr/bin/env bash
# A child who cannot see the screen plays with a real screen reader: Orca on a real X display,
# speaking through speech-dispatcher, with real key events; what it says is read from its log.
# Usage: screen-reader-test.sh PROGRAM
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")

start_x 1280x1024
start_accessibility
start_sound
start_screen_reader
# No printer answers here, so the certificate is saved as a PDF in the test's own home.
export HOME="$RUN/home" CUPS_SERVER="$RUN/no-cups.sock"
start_program pid "$program"
PROGRAM_PID=$pid ORCA_LOG="$RUN/orca.log" timeout 280 "$PY" "$HERE/screen_reader.py"
