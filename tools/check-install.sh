#!/usr/bin/env bash
# Checks what a user gets from a build: `cmake --install` into a temporary
# prefix (file list, desktop entry, AppStream metainfo, saved-game type, the
# installed program's command line where there is no display), then the
# Debian package that `cpack -G DEB` makes from it (file list, dependencies,
# and lintian, which must report no error and no warning).
#
#     bash tools/check-install.sh [build-folder]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath "${1:-build}")
# The names as the top-level CMakeLists.txt defines them.
app_id=$(sed -n 's/^set(ORBEL_APP_ID "\(.*\)")$/\1/p' CMakeLists.txt)
mime_type=$(sed -n 's/^set(ORBEL_SAVED_GAME_TYPE "\(.*\)")$/\1/p' CMakeLists.txt)
version=$(sed -n 's/^project(OrbelChess VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$app_id" ] && [ -n "$mime_type" ] && [ -n "$version" ] || { echo "check-install: names not found" >&2; exit 1; }
icon_sizes=(16 32 48 64 128 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "check-install: $*" >&2
  failures=$((failures + 1))
}

echo "== Install into a temporary prefix =="
prefix="$work/prefix"
# Up to date with the sources (quick when it already is).
cmake --build "$build" --target orbel-chess orbel-chess-portmap >"$work/build.log" || { cat "$work/build.log" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

expected=(
  bin/orbel-chess
  libexec/orbel-chess/orbel-chess-sounds.so
  libexec/orbel-chess/orbel-chess-portmap
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  "share/mime/packages/$app_id.xml"
  share/doc/orbel-chess/copyright
  share/doc/orbel-chess/changelog.gz
  share/man/man6/orbel-chess.6.gz
)
for px in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${px}x${px}/apps/$app_id.png"); done
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
# Only the game and its router helper: no engine, no tests, no libraries,
# nothing unexpected.
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$extra" ] || fail "installed but not expected: $extra"
for px in "${icon_sizes[@]}"; do
  f="$prefix/share/icons/hicolor/${px}x${px}/apps/$app_id.png"
  [ -f "$f" ] && ! file -b "$f" | grep -q "PNG image data, $px x $px" && fail "icon ${px}x${px} is $(file -b "$f")"
done

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate failed"
grep -qx 'Exec=orbel-chess %f' "$prefix/share/applications/$app_id.desktop" || fail "desktop entry: wrong Exec"
grep -qx "MimeType=$mime_type;" "$prefix/share/applications/$app_id.desktop" || fail "desktop entry: wrong MimeType"
# Warnings fail too; the pedantic hints are only shown.
appstreamcli validate --no-net --pedantic --explain "$prefix/share/metainfo/$app_id.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || true
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null 2>&1 \
  || { cat "$work/appstream.log" >&2; fail "appstreamcli validate failed"; }
grep -E '^[WE]:' "$work/appstream.log" >&2 && fail "appstreamcli reports warnings"
# The name and summary in each language the game speaks.
for lang in $(cd translations && ls orbel_*.ts | sed 's/orbel_\(.*\)\.ts/\1/'); do
  for key in Name Comment; do
    grep -q "^$key\[$lang\]=" "$prefix/share/applications/$app_id.desktop" || fail "desktop entry: no $key[$lang]"
  done
  for tag in name summary; do
    grep -q "<$tag xml:lang=\"$lang\">" "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo: no $tag in $lang"
  done
done

xmllint --noout "$prefix/share/mime/packages/$app_id.xml" || fail "mime package is not well-formed XML"
update-mime-database "$prefix/share/mime" 2>/dev/null
for glob in '*.KRV' '*.krv'; do
  grep -qF "$mime_type:$glob" "$prefix/share/mime/globs2" || fail "no glob $glob for $mime_type"
done

# The installed program, started as a user would where there is no display
# (a text console, ssh): these end at the command line and need none. The
# saved game is one of the saved-game tests' seeds.
# exit status | its stream | a line it holds (grep -x) | arguments
while IFS='|' read -r status stream line args; do
  got=0
  # shellcheck disable=SC2086 # the arguments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$prefix/bin/orbel-chess" $args \
    >"$work/out" 2>"$work/err" || got=$?
  [ "$got" = "$status" ] || fail "orbel-chess $args: exit status $got, not $status: $(cat "$work/err")"
  grep -qx -- "$line" "$work/$stream" || fail "orbel-chess $args: no line '$line' in: $(cat "$work/$stream")"
done <<EOF
0|out|Orbel Chess $version|--version
0|out|Usage: .*orbel-chess \[options\] \[saved-game\]|--help
1|err|orbel-chess: one saved game at most, 2 given.|one.KRV two.KRV
1|err|orbel-chess: Unknown option 'bogus'.|--bogus
1|err|orbel-chess: no display .*|-reverse
1|err|orbel-chess: no display .*|
1|err|orbel-chess: no display .*|--port 5000
1|err|orbel-chess: --port takes a port number from 1 to 65535, not '0'.|--port 0
0|out|rnbqkbnr/ppp2Bpp/3p4/4p3/4P3/8/PPPP1PPP/RNBQK1NR b KQkq - 0 3|--pgn tests/savegame/seeds/black-side.krv
0|out|\[FEN "rnbqkbnr/ppp2Bpp/3p4/4p3/4P3/8/PPPP1PPP/RNBQK1NR b KQkq - 0 3"\]|--pgn tests/savegame/seeds/black-side.krv
1|err|orbel-chess: nowhere.KRV: No such file or directory|--pgn nowhere.KRV
EOF
# A console login has no XDG_RUNTIME_DIR either; nothing is said then but the answer.
for args in --version --help; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR timeout 60 "$prefix/bin/orbel-chess" $args \
    >/dev/null 2>"$work/err" || true
  [ ! -s "$work/err" ] || fail "orbel-chess $args wrote to standard error: $(cat "$work/err")"
done

echo "== Debian package =="
rm -f "$build"/orbel-chess_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$(ls "$build"/orbel-chess_"$version"_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  fail "no orbel-chess_${version}_<arch>.deb in $build"
else
  dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||' >"$work/deb-files"
  # As installed, but the game in /usr/games, with lintian's overrides.
  for f in "${expected[@]/#bin\//games/}" share/lintian/overrides/orbel-chess; do
    grep -qx "usr/$f" "$work/deb-files" || fail "not in the package: usr/$f"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  # The package names alone, one a line: "libc6 (>= 2.34), ..." -> "libc6".
  tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//' >"$work/depends"
  for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6multimedia6 libminiupnpc17 libnatpmp1; do
    grep -qxF "$lib" "$work/depends" || fail "Depends lacks $lib: '$depends'"
  done
  [ "$(dpkg-deb -f "$deb" Package)" = orbel-chess ] || fail "package name is not orbel-chess"
  [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
  echo "$(basename "$deb"): Depends: $depends"
  # Errors and warnings fail; informational and pedantic tags are shown.
  lintian --info --pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian failed"
  grep -v '^running with root privileges' "$work/lintian.log" || true
fi

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: all good"
