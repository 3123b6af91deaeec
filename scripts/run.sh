#!/usr/bin/env bash
# Installs what korvane needs, builds it and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
if [ -x build/app/korvane ]; then
  exec build/app/korvane "$@"
fi
exec build/cli/korvane-calc "$@"
