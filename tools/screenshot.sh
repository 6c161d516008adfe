#!/usr/bin/env bash
# Refreshes docs/screenshot.png: the game window after a few opening moves,
# as an X server (Xvfb) shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target make_screenshot
mkdir -p docs
config=$(mktemp -d)
XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1024x768x24" ./build/tools/screenshot/make_screenshot docs/screenshot.png
rm -rf "$config"
