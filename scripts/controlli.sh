#!/usr/bin/env bash
# The hardening stages, each timed: sanitizers, fuzz corpora, static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

tappa() { echo "== $1"; SECONDS=0; }
fatto() { echo "== $1 took ${SECONDS} s"; }

tappa "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUMETRA_SANITIZE=ON \
  -DFLUMETRA_WERROR=ON -DFLUMETRA_BENCH=OFF >/dev/null
cmake --build build-asan --parallel
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" -LE lungo
fatto "sanitizers"

tappa "fuzz targets: corpora and fixed runs (libFuzzer, clang)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUMETRA_UI=OFF \
  -DFLUMETRA_BENCH=OFF -DFLUMETRA_FUZZ=ON -DFLUMETRA_SANITIZE=ON -DFLUMETRA_WERROR=ON >/dev/null
cmake --build build-fuzz --parallel
ctest --test-dir build-fuzz --output-on-failure --parallel "$(nproc)" -R '^fuzz_'
fatto "fuzzing"

tappa "clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
fatto "clang-format"

tappa "clang-tidy"
cmake -S . -B build -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build --parallel >/dev/null
run-clang-tidy -quiet -p build -j "$(nproc)" "$(pwd)/(calc|logic|ui|replay|app|tests|bench)/.*\.cpp$" >/tmp/clang-tidy.log 2>&1 \
  || { grep -E 'warning:|error:' -A3 /tmp/clang-tidy.log; exit 1; }
fatto "clang-tidy"
