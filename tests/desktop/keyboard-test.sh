#!/usr/bin/env bash
# Where the keyboard goes on a real desktop: every window that opens takes it, the about window
# closes with Esc or Enter, access keys press at once, and a whole game played with real keys
# ends with the certificate taking the child's name. Read back through the accessibility bus.
# Usage: keyboard-test.sh PROGRAM
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")

start_x 1280x1024
start_accessibility
start_program pid "$program"
SHOTS="$RUN" timeout 240 "$PY" "$HERE/keyboard.py"
