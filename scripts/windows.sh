#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./dev windows: the 64-bit Windows build, cross-compiled with mingw-w64
# against Qt, GoogleTest and Google Benchmark built once for Windows
# into the cache (scripts/lib.sh), then what a Windows user gets, in dist/: the
# portable zip and the installer.
# ./dev test-windows: then every test of that build under Wine, the same
# scripts played on the Linux and the Windows player, and the installer
# installed and uninstalled under Wine.
# ./dev bench-windows: the build, then its benchmarks under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
command=${1:-windows}
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 nsis xdotool
qt=$(scripts/windows-qt.sh)
googletest=$(scripts/windows-gtest.sh)
benchmark=$(scripts/windows-benchmark.sh)
build_preset windows -DCMAKE_PREFIX_PATH="$qt;$googletest;$benchmark" \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(multiarch)/cmake"
build=$(preset_dir windows)

# One Wine server for every program started below, kept until the end: each
# Windows program then starts in a fifth of the time, and no two programs
# start a server at once. Wine starts its services (services.exe,
# rpcss.exe…) from the first program that needs them, and they keep that
# program's output open while they run: with the server kept, until the
# end, and CTest would wait for that test's output as long. So they start
# here, writing nowhere.
start_wine() {
  export WINEPREFIX=${WINEPREFIX:-$cache/wine}
  mkdir -p "$WINEPREFIX"
  wineserver --persistent
  trap 'wineserver --kill' EXIT
  WINEDEBUG=-all wine wineboot </dev/null >/dev/null 2>&1
}

if [ "$command" = bench-windows ]; then
  start_wine
  find "$build" -maxdepth 1 -type f -name 'bench_*.exe' -exec scripts/wine-run.sh {} \;
  exit 0
fi

rm -rf "$build/packages"
(cd "$build" && cpack -B packages >/dev/null)
mkdir -p dist
rm -f dist/flumetra-*
cp "$build"/packages/flumetra-*-windows-x64.zip "$build"/packages/flumetra-*-setup-x64.exe dist/
ls -l dist/flumetra-*-windows-x64.zip dist/flumetra-*-setup-x64.exe

if [ "$command" = test-windows ]; then
  start_wine
  ctest --preset windows --parallel "$(nproc)"
  scripts/windows-compare.sh
  scripts/windows-install-check.sh dist/flumetra-*-setup-x64.exe
fi
