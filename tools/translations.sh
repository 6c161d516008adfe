#!/bin/bash
# The translations against the sources.
#
#     bash tools/translations.sh           brings translations/*.ts up to date
#                                          with the texts in the sources
#     bash tools/translations.sh --check   changes nothing; fails, naming them,
#                                          when a text is new or gone, or a
#                                          shipped language leaves one
#                                          untranslated
#
# A new language: add translations/orbel_XX.ts with
#     bash tools/translations.sh XX
# then translate every text in it (Qt Linguist, or any editor).
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
sources=(shell game net savegame rules)
options=(-silent -I . -locations none -no-obsolete -extensions cpp,h -tr-function-alias QT_TRANSLATE_NOOP+=ORBEL_WORD)

if [ "${1:-}" = --check ]; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  cp translations/orbel_*.ts "$scratch/"
  "$lupdate" "${options[@]}" "${sources[@]}" -ts "$scratch"/orbel_*.ts
  status=0
  for ts in translations/orbel_*.ts; do
    if ! diff -q "$ts" "$scratch/$(basename "$ts")" >/dev/null; then
      echo "$ts: texts in the sources differ from it; run bash tools/translations.sh:"
      diff "$ts" "$scratch/$(basename "$ts")" | grep '^[<>].*<source>' | head -20 || true
      status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$unfinished" -gt 0 ]; then
      echo "$ts: $unfinished texts untranslated"
      status=1
    fi
  done
  python3 tools/check_translations.py translations/orbel_*.ts || status=1
  exit $status
fi

ts=(translations/orbel_*.ts)
for language in "$@"; do ts+=("translations/orbel_$language.ts"); done
"$lupdate" "${options[@]}" "${sources[@]}" -ts "${ts[@]}"
