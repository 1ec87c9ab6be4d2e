#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A longer fuzz run of one target: ./dev fuzz fuzz_calcolatore 600
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
target=${1:?"which target: fuzz_lettura, fuzz_calcolatore, fuzz_copione or fuzz_percorso"}
seconds=${2:-300}
scripts/install-deps.sh
build_preset fuzz "$target"
folder=$(preset_dir fuzz)
mkdir -p "$folder/new_$target"
mapfile -t flags <tests/fuzz/libfuzzer-flags
if [ -f "tests/fuzz/$target.flags" ]; then mapfile -t -O "${#flags[@]}" flags <"tests/fuzz/$target.flags"; fi
exec "$folder/tests/fuzz/$target" -max_total_time="$seconds" "${flags[@]}" \
  -artifact_prefix="$folder/$target-" "$folder/new_$target" "tests/fuzz/$target"
