#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the same action scripts on the Linux flumetra-replay and on the
# Windows one under Wine, and compares what they print byte for byte: every
# scenario script and COUNT random sessions (default 100; with LENGTH, of
# LENGTH actions each, every one followed by the state). A play that has
# not ended after 120 s counts as hung. Differences, and what the Windows
# player wrote on standard error, are kept in build-windows/compare/.
# Exit 1 when any script differs or hangs.
#   scripts/windows-compare.sh [COUNT [SEED [LENGTH]]]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-100} seed=${2:-1} length=${3:-}
linux=build/replay/flumetra-replay
windows=build-windows/flumetra-replay.exe
if [ ! -x "$linux" ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default --target flumetra-replay >/dev/null
fi

work=build-windows/compare
rm -rf "$work"
mkdir -p "$work/scripts"
cp tests/scenarios/*.script "$work/scripts/"
scripts/random-sessions.sh "$work/scripts" "$count" "$seed" $length

same=0 differ=0 hung=0
for script in "$work/scripts"/*.script; do
  name=$(basename "$script" .script)
  QT_QPA_PLATFORM=offscreen "$linux" "$script" >"$work/$name.linux" 2>/dev/null || true
  status=0
  timeout 120 scripts/wine-run.sh "$windows" "$script" >"$work/$name.windows" 2>"$work/$name.errors" || status=$?
  if [ "$status" = 124 ]; then
    hung=$((hung + 1)); echo "hung: $name"
  elif cmp -s "$work/$name.linux" "$work/$name.windows"; then
    same=$((same + 1)); rm "$work/$name".*
  else
    differ=$((differ + 1)); echo "differs: $name (build-windows/compare/$name.linux and .windows)"
  fi
done
echo "Linux and Windows players: $same scripts identical, $differ different, $hung hung (seed $seed)"
[ "$differ" = 0 ] && [ "$hung" = 0 ]
