#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the normal build, then
# everything again under AddressSanitizer and UndefinedBehaviorSanitizer (the
# window and network tests included: the network code faces strangers), and
# the thread tests under ThreadSanitizer; and a game by keyboard under Orca.
# Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)

# The configurations are CMakePresets.json's: build/ is the one tools/start.sh
# makes, so what it built is not built again.
cmake --preset default
cmake --build build -j "$jobs"

cmake --preset sanitize
cmake --build build-sanitize -j "$jobs"

# The computer's thread and the Brain pane's reads, and the router's port
# mapping read from any thread, under ThreadSanitizer.
cmake --preset tsan
cmake --build build-tsan -j "$jobs" --target thinking_race_tests portmap_tests

status=0
# Every ctest run's results, for the count line at the end.
summary=$(mktemp)
counted() { python3 tools/test_summary.py add "$summary" "$1/Testing/Temporary/LastTest.log"; }
echo "== The translations: every text a person reads marked, every shipped language complete =="
python3 tools/check_translatable.py || status=1
bash tools/translations.sh --check || status=1
echo "== Tests =="
ctest --test-dir build --output-on-failure -j "$jobs" || status=1
counted build
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
# Qt and fontconfig keep allocations alive until exit: no leak report. The
# soak of strangers' calls measures the resident size, which under the
# sanitizer is its quarantine's: it runs in the plain build only.
soak='LeaveNoMemoryBehind'
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -E "$soak" || status=1
counted build-sanitize
echo "== The network tests again, with leak detection =="
# The network code faces strangers: what one leaves behind must show. These
# tests end with nothing of Qt's or fontconfig's reported, so nothing is
# suppressed.
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -R '^(Network/|Peer|HostField|CallerGuard)' -E "$soak" ||
  status=1
counted build-sanitize
echo "== The board over the AT-SPI bus, as a screen reader reads it =="
# A session bus, a display and a network namespace of its own: the game
# listens on its usual port, which stays free outside.
unshare --net dbus-run-session -- xvfb-run -a tools/atspi_check.py build/orbel-chess || status=1
echo "== Two copies on one machine call and play each other (--port), driven the same way =="
unshare --net sh -c 'ip link set lo up && exec dbus-run-session -- xvfb-run -a tools/atspi_check.py build/orbel-chess two-copies' ||
  status=1
echo "== A blind player's game by keyboard, as the real Orca speaks it =="
# Orca, its speech server on a null sound sink, a window manager and the game
# in a session and network namespace of their own; then what was said, when,
# and whether it was cut off, judged from the speech server's log: a game as
# Black by keyboard, a promotion under standard rules, and a move typed and
# heard in German.
for script in black promotion german; do
  orca_out=$(mktemp -d)
  if timeout 300 unshare --net sh -c 'ip link set lo up && exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash tools/orca_check.sh "$0" "$1" "$2"' \
    build/orbel-chess "tools/orca_keys/$script.keys" "$orca_out" >"$orca_out/run.log" 2>&1; then
    python3 tools/orca_check.py "$orca_out" --judge "$script" || status=1
  else
    echo "the Orca run failed:"; tail -20 "$orca_out/run.log"; status=1
  fi
done
echo "== Thread tests under ThreadSanitizer =="
TSAN_OPTIONS="halt_on_error=1" ctest --test-dir build-tsan --output-on-failure -R ThinkingRace || status=1
counted build-tsan
TSAN_OPTIONS="halt_on_error=1" ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R PortMapper || status=1
counted build-tsan
echo "== Installing and the Debian package =="
bash tools/check-install.sh build || status=1
echo "== All the tests =="
python3 tools/test_summary.py report "$summary" || status=1
exit $status
