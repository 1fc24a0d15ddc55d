#!/usr/bin/env bash
# Runs every test of a configured build tree with ctest. Window tests run offscreen;
# tests that need a real display, sound server or printer start their own.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

run=$(mktemp -d /tmp/scallywise-test.XXXXXX)
trap 'rm -rf "$run"' EXIT
mkdir -p -m 700 "$run/xdg"
export XDG_RUNTIME_DIR="$run/xdg"
export QT_FONT_DPI=96
export HOME_FOR_TESTS="$run/home"
mkdir -p "$HOME_FOR_TESTS"

ctest --test-dir "$build" --output-on-failure --timeout 600
