#!/usr/bin/env bash
# Installs what the game needs, builds the game and opens its window. The rest
# of build/ (tests, benchmarks, tools) is left to tools/test.sh, which shares
# its configuration and so builds only what is missing.
#
#     bash tools/start.sh [saved-game.KRV]
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh game
cmake --preset default
cmake --build build -j "$(nproc)" --target orbel-chess
cat <<'NOTE'

Opening Orbel Chess (build/orbel-chess). To run the whole test suite, which
installs the tools it needs and builds the rest:

    bash tools/test.sh

NOTE
exec ./build/orbel-chess "$@"
