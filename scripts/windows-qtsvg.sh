#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt SVG for 64-bit Windows once, from Debian's own source of it at
# the version of Debian's Qt (6.4.2 on Debian 12), against the Qt that
# scripts/windows-qt.sh keeps in the cache, into a folder of its own beside
# that Qt. The friction chart writes its SVG through it (Qt6Svg.dll). A
# second run reuses the cache; a changed recipe (this file, windows-qt.sh,
# whose Qt this is built against, or the toolchain file) builds it anew.
#   scripts/windows-qtsvg.sh   prints the installed folder last
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
root=$(pwd)
prefix=$(windows_qtsvg)
print_if_current "$prefix" "$0" scripts/windows-qt.sh

qt=$(scripts/windows-qt.sh)
scripts/install-deps.sh g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev >&2
scripts/deb-src.sh >&2

work=$cache/qtsvg-source
mkdir -p "$work"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "qt6-svg-$(qt_version)*" | head -1)
if [ -z "$source_dir" ]; then
  (cd "$work" && apt-get source -qq --download-only qt6-svg && dpkg-source -x --no-check qt6-svg_*.dsc >/dev/null)
  source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "qt6-svg-$(qt_version)*" | head -1)
fi
if [ -z "$source_dir" ]; then
  echo "$(basename "$0"): Debian's qt6-svg source is not at Qt's version $(qt_version): $(ls "$work")" >&2
  exit 1
fi

# Qt's own toolchain file finds the cached Qt and loads ours after it, as
# Qt's qt-configure-module would; the explicit prefix keeps Qt SVG out of
# Qt's folder.
build=$cache/qtsvg-build
rm -rf "$prefix" "$build"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(multiarch)/cmake" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF >&2
cmake --build "$build" --parallel >&2
cmake --install "$build" >&2
mark_current "$prefix" "$0" scripts/windows-qt.sh
