#!/usr/bin/env bash
# The browser edition: builds build-web/web/korvane.html with emscripten, and runs the core,
# formats and sheet tests compiled to WebAssembly under node, the byte comparison with the
# Linux build and the page's tests in headless Chromium. Uses the Linux build in `build`
# (LINUX_BUILD to name another), configuring and building what it needs there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# The PDF writer's packages and the browser tests' driver (web/package-lock.json).
bash scripts/install-web-deps.sh

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
linux_build=${LINUX_BUILD:-build}
if [ ! -f "$linux_build/CMakeCache.txt" ]; then
  cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build "$linux_build" -j "$(nproc)" --target write_platform_outputs korvane-calc korvane-calc-draw

# emscripten's own tools are node programs that need Debian's node modules; node 20 runs
# emscripten 3.1.6's programs only without its built-in fetch.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH \
  "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" \
  "-DKORVANE_NATIVE_BUILD=$PWD/$linux_build" ${KORVANE_CMAKE_ARGS:-} >/dev/null
cmake --build build-web -j "$(nproc)"
ctest --test-dir build-web --output-on-failure -j "$(nproc)"
echo "The page: $PWD/build-web/web/korvane.html"
