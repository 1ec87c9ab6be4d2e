#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A longer fuzz run of one target: ./dev fuzz fuzz_calcolatore 600
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?"which target: fuzz_lettura, fuzz_calcolatore, fuzz_copione or fuzz_percorso"}
seconds=${2:-300}
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel --target "$target"
mkdir -p "build-fuzz/new_$target"
mapfile -t flags <tests/fuzz/libfuzzer-flags
if [ -f "tests/fuzz/$target.flags" ]; then mapfile -t -O "${#flags[@]}" flags <"tests/fuzz/$target.flags"; fi
exec "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" "${flags[@]}" \
  -artifact_prefix="build-fuzz/$target-" "build-fuzz/new_$target" "tests/fuzz/$target"
