#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the same action scripts on the Linux flumetra-replay and on the
# Windows one under Wine, and compares what they print byte for byte: every
# scenario script and COUNT random sessions (default 100; with LENGTH, of
# LENGTH actions each, every one followed by the state). The Linux player is
# built first, so that it is never older than its sources. A play that has
# not ended after 120 s counts as hung, one that ends with an error as
# failed. Differences, and what either player wrote on standard error, are
# kept in the Windows build folder, under compare/.
# Exit 1 when any script differs, fails or hangs.
#   scripts/windows-compare.sh [COUNT [SEED [LENGTH]]]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
count=${1:-100} seed=${2:-1} length=${3:-}
linux=$(preset_dir default)/replay/flumetra-replay
windows=$(preset_dir windows)/flumetra-replay.exe
build_preset default flumetra-replay >/dev/null

work=$(preset_dir windows)/compare
rm -rf "$work"
mkdir -p "$work/scripts"
cp tests/scenarios/*.script "$work/scripts/"
cp tests/scenarios/*.flumetra "$work/scripts/"  # the runs the scripts open, beside them
REPLAY=$linux scripts/random-sessions.sh "$work/scripts" "$count" "$seed" $length

same=0 differ=0 failed=0 hung=0
for script in "$work/scripts"/*.script; do
  name=$(basename "$script" .script)
  linux_status=0 windows_status=0
  QT_QPA_PLATFORM=offscreen "$linux" "$script" >"$work/$name.linux" 2>"$work/$name.linux-errors" || linux_status=$?
  timeout 120 scripts/wine-run.sh "$windows" "$script" >"$work/$name.windows" 2>"$work/$name.windows-errors" \
    || windows_status=$?
  if [ "$windows_status" = 124 ]; then
    hung=$((hung + 1)); echo "hung: $name"
  elif [ "$linux_status" != 0 ] || [ "$windows_status" != 0 ]; then
    failed=$((failed + 1))
    echo "failed: $name (Linux exit $linux_status, Windows exit $windows_status; $work/$name.*-errors)"
  elif cmp -s "$work/$name.linux" "$work/$name.windows"; then
    same=$((same + 1)); rm "$work/$name".*
  else
    differ=$((differ + 1)); echo "differs: $name ($work/$name.linux and .windows)"
  fi
done
echo "Linux and Windows players: $same scripts identical, $differ different, $failed failed, $hung hung (seed $seed)"
[ "$differ" = 0 ] && [ "$failed" = 0 ] && [ "$hung" = 0 ]
