#!/usr/bin/env bash
# Installs, from Debian 12's package archive, everything needed to build, test and
# run the game, generate its artwork and take screenshots, with pgn-extract (in
# /usr/games), the independent checker of the PGN the game exports, and the
# AT-SPI bus with pyatspi, through which the tests read the game as a screen
# reader does. Safe to run
# again: it asks apt only for packages that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
  fonts-dejavu-core fonts-liberation
  python3 python3-pil
  clang libclang-rt-14-dev
  pgn-extract
  at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0
  desktop-file-utils appstream shared-mime-info libxml2-utils dpkg-dev file
  util-linux
  libminiupnpc-dev
  # a real router for the port-mapping tests, in network namespaces: the
  # daemon alone (no service is started), its firewall, and ip
  miniupnpd-nftables nftables iproute2
)

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
