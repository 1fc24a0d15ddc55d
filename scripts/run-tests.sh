#!/usr/bin/env bash
# Runs every test of a configured build tree with ctest, then builds the unit and window tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer (leak detection on) and runs them.
# Window tests run offscreen; tests that need a real display, sound server or printer start their own.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

run=$(mktemp -d /tmp/scallywise-test.XXXXXX)
trap 'rm -rf "$run"' EXIT
mkdir -p -m 700 "$run/xdg"
export XDG_RUNTIME_DIR="$run/xdg"
export QT_FONT_DPI=96

ctest --test-dir "$build" --output-on-failure --timeout 600

if [[ "${SCALLYWISE_SANITIZERS:-on}" != off ]]; then
  sanitized="$build-asan"
  cmake -S . -B "$sanitized" -DSCALLYWISE_SANITIZE=ON -DSCALLYWISE_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
  cmake --build "$sanitized" -j"$(nproc)"
  # Any report fails the run: ASan and UBSan stop at the first, LeakSanitizer fails the exit code.
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$sanitized" --output-on-failure --timeout 900 -L 'unit|window'
fi
