#!/usr/bin/env bash
# Runs a test program on a private Xvfb with a window manager, on Qt's X11 platform.
# Usage: on-x-display.sh TEST-PROGRAM
source "$(dirname "$0")/lib.sh"
start_x 1024x768
QT_QPA_PLATFORM=xcb "$1"
