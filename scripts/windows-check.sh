#!/usr/bin/env bash
# The layers below the windows on Windows: cross-builds core, formats and sheet with their
# GoogleTest programs for 64-bit Windows (MinGW-w64, statically linked), runs the tests under
# Wine, and checks that the Windows build writes the same bytes as the Linux build: every
# saved case read and saved again, a title with characters code page 932 holds specially or
# not at all, and the code page 932 conversion of every character and byte pair.
# LINUX_BUILD names a Linux build folder to take the reference program from (default
# `build` when it is configured; otherwise a Linux build of core alone is made).
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
step() { echo "--- windows check: $1 (at $((SECONDS - start)) s)"; }

bash scripts/install-deps.sh ci

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

step "cross-build"
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKORVANE_LIBRARIES_ONLY=ON -DKORVANE_WARNINGS_AS_ERRORS=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-windows -j "$(nproc)"

# Wine in a prefix of its own that is removed afterwards, quiet, without a display, and
# without asking to install its .NET and HTML engines (console programs need neither).
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/korvane-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
outputs=$(mktemp -d "${TMPDIR:-/tmp}/korvane-outputs.XXXXXX")
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$outputs"
}
trap cleanup EXIT

step "tests under Wine"
wineboot --init >/dev/null 2>&1 || true
ctest --test-dir build-windows --output-on-failure -j "$(nproc)"

step "the same bytes on Linux and on Windows"
linux_build=${LINUX_BUILD:-build}
if [ ! -f "$linux_build/CMakeCache.txt" ]; then
  linux_build=build-linux-libraries
  cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKORVANE_LIBRARIES_ONLY=ON "${launcher[@]}" >/dev/null
fi
cmake --build "$linux_build" -j "$(nproc)" --target write_platform_outputs
"$linux_build/tests/core/write_platform_outputs" "$outputs/linux" tests/golden/cases
wine build-windows/tests/core/write_platform_outputs.exe "$outputs/windows" tests/golden/cases
diff -r "$outputs/linux" "$outputs/windows" >/dev/null || {
  echo "The Windows build writes other bytes than the Linux build:" >&2
  diff -r "$outputs/linux" "$outputs/windows" | head -20 >&2
  exit 1
}
# The saved cases were written on Linux: reading and saving them again keeps every byte.
for saved in tests/golden/cases/*.fdt; do
  cmp "$saved" "$outputs/windows/$(basename "$saved")"
done
echo "$(find "$outputs/windows" -type f | wc -l) files identical"
step "done"
