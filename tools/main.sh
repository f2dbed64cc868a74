#!/usr/bin/env bash
# Builds TORVEX and analyses the bundled example with the headless runner;
# with a display it also opens the desktop program on the example.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVEX_BUILD_TESTS=OFF -DTORVEX_BUILD_BENCH=OFF >/dev/null
cmake --build build --target Torvex2015_DLL torvex-run Torvex2015

# The runner writes its outputs beside the data file: work on a copy.
mkdir -p build/example-run
cp examples/*.tx5d build/example-run/
build/bin/torvex-run build/example-run/*.tx5d

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  echo "Opening the desktop program..."
  build/bin/Torvex2015 "$(ls build/example-run/*.tx5d | head -1)" &
fi
