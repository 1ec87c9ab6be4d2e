#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Google Benchmark for 64-bit Windows once, from Debian's own source
# of the version its libbenchmark-dev is, with the project's mingw-w64
# toolchain, into the cache beside Qt.
#   scripts/windows-benchmark.sh   prints the installed folder last
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
prefix=$cache/benchmark-mingw
print_if_current "$prefix" "$0"
scripts/install-deps.sh g++-mingw-w64-x86-64-posix dpkg-dev >&2
scripts/deb-src.sh >&2
work=$cache/benchmark-source
rm -rf "$work" "$cache/benchmark-build" "$prefix"
mkdir -p "$work"
(cd "$work" && apt-get source -qq benchmark >/dev/null 2>&1)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'benchmark-*' | head -1)
cmake -S "$source_dir" -B "$cache/benchmark-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
  -DBENCHMARK_ENABLE_LTO=OFF -DBENCHMARK_INSTALL_DOCS=OFF -DGIT_VERSION=0.0.0 >&2
# GIT_VERSION: Debian takes out the reading of git tags; 0.0.0 means the
# version the project names.
cmake --build "$cache/benchmark-build" --parallel >&2
cmake --install "$cache/benchmark-build" >&2
mark_current "$prefix" "$0"
