#!/usr/bin/env bash
# Fuzzes the parsers with libFuzzer for a while (default 60 s per target): the
# engine's command lines, the saved-game file and the stream a network peer sends.
# Usage: tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DORBEL_WITH_QT=OFF -DORBEL_SANITIZE=ON -DORBEL_FUZZ=ON -DORBEL_BUILD_TESTS=OFF -DORBEL_BUILD_BENCH=OFF
cmake --build build-fuzz --target engine_session_fuzz saved_game_fuzz peer_stream_fuzz

mkdir -p build-fuzz/corpus/engine
cp tools/fuzz/seeds/engine/* build-fuzz/corpus/engine/ 2>/dev/null || true
./build-fuzz/tools/fuzz/engine_session_fuzz -max_total_time="$seconds" -max_len=4096 build-fuzz/corpus/engine

mkdir -p build-fuzz/corpus/savegame
cp tests/savegame/seeds/* build-fuzz/corpus/savegame/
./build-fuzz/tools/fuzz/saved_game_fuzz -max_total_time="$seconds" -max_len=4096 build-fuzz/corpus/savegame

mkdir -p build-fuzz/corpus/net
cp tests/net/seeds/* build-fuzz/corpus/net/
./build-fuzz/tools/fuzz/peer_stream_fuzz -max_total_time="$seconds" -max_len=4096 build-fuzz/corpus/net
