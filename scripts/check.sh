#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening stages, each timed: sanitizers, fuzz corpora, static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

stage() { echo "== $1"; SECONDS=0; }
done_in() { echo "== $1 took ${SECONDS} s"; }

stage "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel
ctest --preset asan --parallel "$(nproc)"
done_in "sanitizers"

stage "fuzz targets: corpora and fixed runs (libFuzzer, clang)"
cmake --preset fuzz -DFLUMETRA_WERROR=ON >/dev/null
cmake --build --preset fuzz --parallel
ctest --preset fuzz --parallel "$(nproc)"
done_in "fuzzing"

stage "clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
done_in "clang-format"

stage "clang-tidy"
cmake --preset default >/dev/null
cmake --build --preset default --parallel >/dev/null
run-clang-tidy -quiet -p build -j "$(nproc)" "$(pwd)/(calc|dettagli|logic|ui|replay|app|tests|bench)/.*\.cpp$" >/tmp/clang-tidy.log 2>&1 \
  || { grep -E 'warning:|error:' -A3 /tmp/clang-tidy.log; exit 1; }
done_in "clang-tidy"
