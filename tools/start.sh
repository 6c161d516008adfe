#!/usr/bin/env bash
# Installs what is missing, builds, and starts: for now a short session with
# orbel-engine, the rules on a line protocol.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

echo "== orbel-engine: the computer's candidate moves in the starting position, then after 1.e4 =="
printf '%s\n' "new 4" "candidates" "apply 1 4 3 4" "flip" "candidates" "attacked" | ./build/orbel-engine
