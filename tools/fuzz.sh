#!/usr/bin/env bash
# Fuzzes the parsers with libFuzzer for a while (default 60 s per target): the
# engine's command lines, the saved-game file, the stream a network peer sends,
# the host field of the Internet Game dialog, a PGN or FEN opened or pasted,
# what answers on the home gateway's PCP port, and what a chess engine prints.
# Usage: tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DORBEL_WITH_QT=OFF -DORBEL_SANITIZE=ON -DORBEL_FUZZ=ON -DORBEL_BUILD_TESTS=OFF -DORBEL_BUILD_BENCH=OFF
cmake --build build-fuzz --target engine_session_fuzz saved_game_fuzz peer_stream_fuzz host_field_fuzz pgn_fuzz \
  pcp_reply_fuzz uci_output_fuzz

# target, then the folder of its seeds
for pair in "engine_session_fuzz tools/fuzz/seeds/engine" "saved_game_fuzz tests/savegame/seeds" \
            "peer_stream_fuzz tests/net/seeds" "host_field_fuzz tools/fuzz/seeds/host_field" \
            "pgn_fuzz tests/savegame/pgn_seeds" "pcp_reply_fuzz tools/fuzz/seeds/pcp" \
            "uci_output_fuzz tools/fuzz/seeds/uci"; do
  read -r target seeds <<<"$pair"
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  cp "$seeds"/* "$corpus"/ 2>/dev/null || true
  ./build-fuzz/tools/fuzz/"$target" -max_total_time="$seconds" -max_len=4096 "$corpus"
done
