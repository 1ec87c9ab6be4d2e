#!/usr/bin/env bash
# A longer fuzz run of one target: ./dev fuzz fuzz_calcolatore 600
set -euo pipefail
cd "$(dirname "$0")/.."
bersaglio=${1:?"which target: fuzz_lettura, fuzz_calcolatore or fuzz_copione"}
secondi=${2:-300}
scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUMETRA_UI=OFF \
  -DFLUMETRA_BENCH=OFF -DFLUMETRA_FUZZ=ON -DFLUMETRA_SANITIZE=ON >/dev/null
cmake --build build-fuzz --parallel --target "$bersaglio"
mkdir -p "build-fuzz/nuovi_$bersaglio"
exec "build-fuzz/tests/fuzz/$bersaglio" -max_total_time="$secondi" -timeout=10 -max_len=512 \
  -artifact_prefix="build-fuzz/$bersaglio-" "build-fuzz/nuovi_$bersaglio" "tests/fuzz/$bersaglio"
