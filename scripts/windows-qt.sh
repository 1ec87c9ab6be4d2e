#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows once, from Debian's own source of the Qt
# its packages are (6.4.2 on Debian 12), with
# mingw-w64 and Debian's Qt host tools, into a cache outside the source
# tree. Only what the program and its tests need: Core, Gui, Widgets, Test,
# PrintSupport, the windows and offscreen platform plugins (and minimal, which Qt always
# builds), the Windows style, with the bundled zlib, pcre2, libpng, harfbuzz
# and freetype. A second run reuses the cache; a changed recipe (this file
# or the toolchain file) builds it anew.
#   scripts/windows-qt.sh   prints the installed Qt's folder last
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
root=$(pwd)
prefix=$(windows_qt)
print_if_current "$prefix" "$0"

scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev-tools dpkg-dev >&2
scripts/deb-src.sh >&2

work=$cache/qt-source
mkdir -p "$work"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-$(qt_version)*" | head -1)
if [ -z "$source_dir" ]; then
  (cd "$work" && apt-get source -qq --download-only qt6-base && dpkg-source -x --no-check qt6-base_*.dsc >/dev/null)
  source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-$(qt_version)*" | head -1)
fi
build=$cache/qt-build  # kept between runs: a changed recipe rebuilds only what it changes
rm -rf "$prefix"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(multiarch)/cmake" -DBUILD_SHARED_LIBS=ON \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_pkg_config=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_printsupport=ON -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_direct2d1_1=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF >&2
# dynamicgl: with OpenGL off the windows plugin does not compile while it is on.
# tabletevent: Debian's source leaves out the Wintab headers that tablet input needs.
# direct2d1_1, gif, ico: only build the direct2d platform plugin (which
# compiles the windows plugin a second time) and two image plugins, none of
# which the program loads.
cmake --build "$build" --parallel >&2
cmake --install "$build" >&2
mark_current "$prefix" "$0"
