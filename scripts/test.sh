#!/usr/bin/env bash
# Installs what building korvane and its tests need (not what only CI uses), builds
# everything and runs every test through ctest.
# KORVANE_CMAKE_ARGS adds options to the configure step (CI turns warnings into errors).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
# The browser edition's own tools and packages.
bash scripts/install-web-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Tests and benchmarks on, also in a build folder that scripts/run.sh configured.
# shellcheck disable=SC2086 # the extra options are separate words
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DKORVANE_BUILD_TESTS=ON -DKORVANE_BUILD_BENCH=ON \
  ${KORVANE_CMAKE_ARGS:-}
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The browser edition: the same libraries and tests compiled to WebAssembly, under node.
LINUX_BUILD=build bash scripts/web.sh
