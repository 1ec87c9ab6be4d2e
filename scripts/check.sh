#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening stages, each timed: sanitizers, fuzz corpora, static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitizers() {
  cmake --preset asan -DFLUMETRA_WERROR="$(werror)" >/dev/null
  cmake --build --preset asan --parallel
  ctest --preset asan --parallel "$(nproc)"
}

# The fuzz targets (libFuzzer, clang): their corpora and a fixed number of runs.
fuzzing() {
  cmake --preset fuzz -DFLUMETRA_WERROR="$(werror)" >/dev/null
  cmake --build --preset fuzz --parallel
  ctest --preset fuzz --parallel "$(nproc)"
}

formatting() { git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; }

tidiness() {
  cmake --preset default >/dev/null
  cmake --build --preset default --parallel >/dev/null
  local log
  log=$(mktemp)
  if ! run-clang-tidy -quiet -p build -j "$(nproc)" "$(pwd)/(calc|dettagli|percorso|logic|ui|replay|app|tests|bench)/.*\.cpp$" \
    >"$log" 2>&1; then
    grep -E 'warning:|error:' -A3 "$log"
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

timed sanitizers
timed fuzzing
timed formatting
timed tidiness
