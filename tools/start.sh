#!/usr/bin/env bash
# Installs what the game needs, builds the game and opens its window. The rest
# of build/ (tests, benchmarks, tools) is left to tools/test.sh, which shares
# its configuration and so builds only what is missing.
#
#     bash tools/start.sh [saved-game.KRV]
set -euo pipefail
cd "$(dirname "$0")/.."

# Everything below ends in a window: with nothing to show it on, say so
# before installing and building for nothing.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'NODISPLAY'
tools/start.sh: there is no display to open the game's window on (none of
DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set, as over ssh). Run it on a
desktop; or, to install and build on a virtual display:

    apt-get install -y xvfb && xvfb-run -a bash tools/start.sh

NODISPLAY
  exit 1
fi

bash tools/install-deps.sh game
cmake --preset default
cmake --build build -j "$(nproc)" --target orbel-chess
cat <<'NOTE'

Opening Orbel Chess (build/orbel-chess). To run the whole test suite, which
installs the tools it needs and builds the rest:

    bash tools/test.sh

NOTE
exec ./build/orbel-chess "$@"
