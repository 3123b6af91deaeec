#!/usr/bin/env bash
# Installs the Debian packages korvane needs, in three sets, each adding to the one before:
#   run    building the desktop program and korvane-calc, and running them
#   test   what the tests add: GoogleTest, benchmarks, the end-to-end tests' X server and
#          tools, the PDF readers, the format check, the browser edition
#   ci     what CI adds: the Windows cross build under Wine, clang for the sanitizer build
#          and the fuzz targets
# Usage: scripts/install-deps.sh [run|test|ci]   (default ci: everything)
# Safe to run again: packages already there are skipped.
set -euo pipefail

level=${1:-ci}

run_packages=(
  g++ cmake ninja-build pkg-config python3
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n
  # the span chart; Qt Charts' CMake package needs Qt OpenGL's, which this one holds
  qt6-charts-dev libqt6opengl6-dev
  libemf2svg-dev
  fonts-ipafont-gothic
  # the bold italic serif of the main window's and the splash's program title
  fonts-dejavu-extra
  rapidjson-dev libfmt-dev
)

test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  # the end-to-end tests: a private X server, a window manager, input events, screenshots
  xvfb xauth x11-utils imagemagick openbox xdotool libx11-6
  # the PDF files' text, fonts and metadata
  poppler-utils
  # The browser edition: its font subset, the PDF's colour profile, its tests' browser.
  # Its npm packages come from scripts/install-web-deps.sh.
  python3-fonttools python3-brotli icc-profiles-free chromium
  # the browser edition: the C++ compiled to WebAssembly, its tests run under node
  emscripten
)

ci_packages=(
  # the sanitizer build and the libFuzzer targets
  clang
  # the Windows check: cross build and its tests under Wine
  g++-mingw-w64-x86-64 wine wine64
)

case $level in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  ci) packages=("${run_packages[@]}" "${test_packages[@]}" "${ci_packages[@]}") ;;
  *)
    echo "usage: $0 [run|test|ci]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
