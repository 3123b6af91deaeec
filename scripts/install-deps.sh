#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing korvane need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n
  # the span chart; Qt Charts' CMake package needs Qt OpenGL's, which this one holds
  qt6-charts-dev libqt6opengl6-dev
  libemf2svg-dev
  fonts-ipafont-gothic
  rapidjson-dev libfmt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-format
  xvfb xauth x11-utils imagemagick openbox xdotool
  python3 libx11-6
  poppler-utils
  # the browser edition: its font subset, the PDF's colour profile, its tests' browser
  python3-fonttools python3-brotli icc-profiles-free chromium
  # the browser edition: the C++ compiled to WebAssembly, its tests run under node
  emscripten
  g++-mingw-w64-x86-64 wine wine64
)

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
