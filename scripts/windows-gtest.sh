#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds GoogleTest for 64-bit Windows once, from Debian's /usr/src/googletest,
# with the project's mingw-w64 toolchain, into the cache beside Qt.
#   scripts/windows-gtest.sh   prints the installed folder last
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
prefix=$cache/googletest-mingw
print_if_current "$prefix" "$0"
scripts/install-deps.sh g++-mingw-w64-x86-64-posix googletest >&2
rm -rf "$cache/googletest-build" "$prefix"
cmake -S /usr/src/googletest -B "$cache/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -Dgtest_disable_pthreads=OFF >&2
cmake --build "$cache/googletest-build" --parallel >&2
cmake --install "$cache/googletest-build" >&2
mark_current "$prefix" "$0"
