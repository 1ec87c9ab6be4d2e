#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./dev windows: the 64-bit Windows build, cross-compiled with mingw-w64
# against Qt and GoogleTest built once for Windows into ~/.cache/flumetra.
# ./dev test-windows: then its tests, each run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64
scripts/windows-qt.sh >/dev/null
scripts/windows-gtest.sh >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel
if [ "${1:-windows}" = test-windows ]; then
  ctest --preset windows --parallel "$(nproc)"
fi
