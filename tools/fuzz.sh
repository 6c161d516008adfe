#!/usr/bin/env bash
# Fuzzes the parsers with libFuzzer for a while (default 60 s per target).
# Usage: tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DORBEL_WITH_QT=OFF -DORBEL_SANITIZE=ON -DORBEL_FUZZ=ON -DORBEL_BUILD_TESTS=OFF -DORBEL_BUILD_BENCH=OFF
cmake --build build-fuzz --target engine_session_fuzz
mkdir -p build-fuzz/corpus/engine
cp tools/fuzz/seeds/engine/* build-fuzz/corpus/engine/ 2>/dev/null || true
./build-fuzz/tools/fuzz/engine_session_fuzz -max_total_time="$seconds" -max_len=4096 build-fuzz/corpus/engine
