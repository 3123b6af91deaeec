#!/usr/bin/env bash
# Installs what korvane needs, builds everything and runs every test through ctest.
# KORVANE_CMAKE_ARGS adds options to the configure step (CI turns warnings into errors).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/install-web-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# shellcheck disable=SC2086 # the extra options are separate words
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  ${KORVANE_CMAKE_ARGS:-}
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The browser edition: the same libraries and tests compiled to WebAssembly, under node.
LINUX_BUILD=build bash scripts/web.sh
