#!/usr/bin/env bash
# Builds TORVEX twice — optimised, and Debug with AddressSanitizer and
# UndefinedBehaviorSanitizer — and runs every test in both.  Fails when any
# test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
jobs=$(nproc)

run_tests() {  # build folder
  # A private X server for the tests that need a real GL context; widget
  # tests run offscreen either way.
  (cd "$1" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$jobs" --timeout 600)
}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
run_tests build

cmake -S . -B build-debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-debug -j "$jobs"
UBSAN_OPTIONS=print_stacktrace=1 run_tests build-debug
echo "All tests passed (Release and sanitizer builds)."
