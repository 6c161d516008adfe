#!/usr/bin/env bash
# Installs, from Debian 12's package archive, what is needed to build, test and
# run the game, generate its artwork and take screenshots, with the outside
# programs the tests check the game with: pgn-extract (in /usr/games) for the
# PGN it exports, the AT-SPI bus and pyatspi to read it as a screen reader
# does, Orca to hear it, miniupnpd for a real router, Stockfish and GNU Chess
# as opponents, and lintian for its package. Safe to run again: it asks apt
# only for packages that are missing.
#
#     bash tools/install-deps.sh         everything
#     bash tools/install-deps.sh game    only what building and playing the game
#                                        needs (tools/start.sh: the window sooner)
set -euo pipefail

# The game, and the configure of build/, which takes in the tests and the
# benchmarks however much of it is built.
game=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libminiupnpc-dev libnatpmp-dev
  # the translations: Qt's tools that build them, and Qt's own texts in each language
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # what Qt's configure looks for beside it, which it reports missing four times otherwise
  libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation
)
# The test suite and the tools: sanitizers, the package checks, screenshots
# and the artwork generator.
rest=(
  xvfb xauth imagemagick
  python3 python3-pil
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info libxml2-utils dpkg-dev file lintian
  pgn-extract
  at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0
  util-linux
  # the function lengths the layout check measures
  universal-ctags
  # a real router for the port-mapping tests, in network namespaces: the
  # daemon alone (no service is started), its firewall, and ip
  miniupnpd-nftables nftables iproute2
  # a blind player's ear: the real screen reader, its speech server and voice,
  # a window manager to give focus, a sound server with nowhere to play, and
  # keys pressed as a person presses them
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  openbox pulseaudio pulseaudio-utils xdotool
  # chess engines of other makers, which the game can play and ask for hints
  stockfish gnuchess
)
case ${1:-all} in
  game) packages=("${game[@]}") ;;
  all) packages=("${game[@]}" "${rest[@]}") ;;
  *) echo "install-deps.sh: unknown group '$1' (game, or nothing for all)" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
