#!/usr/bin/env bash
# Installs what building and running korvane needs (not what the tests need), builds the
# desktop program into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF
cmake --build build -j "$(nproc)" --target korvane

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the program on (DISPLAY is not set)." >&2
  echo "On a machine without a desktop: xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/app/korvane "$@"
