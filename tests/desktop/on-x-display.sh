#!/usr/bin/env bash
# The paced fall on a real X display: runs the test program on a private Xvfb with a window manager.
# Usage: fall-on-screen-test.sh TEST-PROGRAM
source "$(dirname "$0")/lib.sh"
start_x 1024x768
QT_QPA_PLATFORM=xcb "$1"
