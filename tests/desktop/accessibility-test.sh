#!/usr/bin/env bash
# A real accessibility client reads and drives the program on a real X display.
# Usage: accessibility-test.sh PROGRAM
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")

start_x 1024x768
start_accessibility
start_program pid "$program"
timeout 120 "$PY" "$HERE/accessibility.py"
