#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the normal build, then the
# Qt-free libraries and their tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBEL_WERROR=ON
cmake --build build -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORBEL_WITH_QT=OFF -DORBEL_SANITIZE=ON -DORBEL_BUILD_BENCH=OFF -DORBEL_WERROR=ON
cmake --build build-sanitize -j "$jobs"

status=0
echo "== Tests =="
ctest --test-dir build --output-on-failure -j "$jobs" || status=1
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" || status=1
exit $status
