#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening stages, each timed: sanitizers, fuzz corpora, static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitizers() {
  build_preset asan
  ctest --preset asan --parallel "$(nproc)"
}

# The window and scenario tests side by side, more at once than there are
# cores, ten times over: a race between them shows here, not later.
side_by_side() {
  build_preset default >/dev/null
  local log status=0
  log=$(mktemp)
  ctest --preset default -L 'ui|scenario' --repeat until-fail:10 --parallel "$(($(nproc) * 4))" \
    --output-on-failure >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then cat "$log"; else grep -E 'tests passed' "$log"; fi
  rm -f "$log"
  return "$status"
}

# The fuzz targets (libFuzzer, clang): their corpora and a fixed number of runs.
fuzzing() {
  build_preset fuzz
  ctest --preset fuzz --parallel "$(nproc)"
}

formatting() { git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; }

tidiness() {
  build_preset default >/dev/null
  local log
  log=$(mktemp)
  # The folders whose headers it checks (.clang-tidy), whose sources it checks here.
  local folders
  folders=$(sed -n "s|^HeaderFilterRegex: '/(\(.*\))/'\$|\1|p" .clang-tidy)
  if ! run-clang-tidy -quiet -p "$(preset_dir default)" -j "$(nproc)" "$(pwd)/($folders)/.*\.cpp$" \
    >"$log" 2>&1; then
    grep -E 'warning:|error:' -A3 "$log"
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

timed sanitizers
timed side_by_side
timed fuzzing
timed formatting
timed tidiness
