#!/usr/bin/env bash
# Refreshes docs/screenshot.png, and docs/screenshot-2x.png on a screen of
# device pixel ratio 2 (QT_SCALE_FACTOR=2): the game window after a few
# opening moves, as an X server (Xvfb) shows it.
#
#   bash tools/screenshot.sh            both pictures
#   bash tools/screenshot.sh 2x         only the one named (1x or 2x)
#
# ORBEL_BUILD_DIR names the build folder to use (build by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ORBEL_BUILD_DIR:-build}
ratios=("$@")
[ ${#ratios[@]} -eq 0 ] && ratios=(1x 2x)
bash tools/install-deps.sh
cmake --preset default -B "$build"
cmake --build "$build" --target make_screenshot
mkdir -p docs
for ratio in "${ratios[@]}"; do
  case $ratio in
    1x) out=docs/screenshot.png; factor=1; screen=1024x768 ;;
    # The X screen is twice as large, so the window still fits on it.
    2x) out=docs/screenshot-2x.png; factor=2; screen=2048x1536 ;;
    *) echo "screenshot.sh: unknown ratio $ratio (1x or 2x)" >&2; exit 2 ;;
  esac
  config=$(mktemp -d)
  XDG_CONFIG_HOME="$config" QT_SCALE_FACTOR=$factor xvfb-run -a -s "-screen 0 ${screen}x24" \
    "./$build/tools/screenshot/make_screenshot" "$out"
  rm -rf "$config"
done
