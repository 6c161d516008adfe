#!/usr/bin/env bash
# Installs, from Debian 12's package archive, everything needed to build, test and
# run the game, generate its artwork and take screenshots. Safe to run again: it
# asks apt only for packages that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
  fonts-dejavu-core fonts-liberation
  python3 python3-pil
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info libxml2-utils dpkg-dev file lintian
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
