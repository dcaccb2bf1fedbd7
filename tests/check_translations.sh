#!/usr/bin/env bash
# Checks that the translations are complete and current: lupdate, run over the
# code as `update_translations` runs it, finds no text without a finished
# translation and nothing the code no longer has, and lrelease finds no
# unfinished entry.
#
#   check_translations.sh LUPDATE LRELEASE SOURCE_ROOT
set -euo pipefail
lupdate=$1
lrelease=$2
root=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The folders of translations/CMakeLists.txt.
folders=(app cli passes output modes platform res)

status=0
for ts in "$root"/translations/tamro_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  options=(-I "$root" -locations none)
  # Without -no-obsolete, so a text gone from the code shows as vanished.
  (cd "$root" && "$lupdate" "${options[@]}" "${folders[@]}" -ts "$work/$name") >"$work/lupdate.log" 2>&1
  if grep -vE "^(Scanning directory|Updating|    Found|    Kept|    Removed)" "$work/lupdate.log" | grep -q .; then
    echo "$name: lupdate complained:"
    cat "$work/lupdate.log"
    status=1
  fi
  if grep -q 'type="vanished"\|type="obsolete"' "$work/$name"; then
    echo "$name: texts the code no longer has (run the update_translations target):"
    grep -B1 'type="vanished"\|type="obsolete"' "$work/$name" | grep '<source>' || true
    status=1
  fi
  if grep -q 'type="unfinished"' "$work/$name"; then
    echo "$name: texts without a finished translation:"
    grep -B3 'type="unfinished"' "$work/$name" | grep '<source>' || true
    status=1
  fi
  "$lrelease" "$work/$name" -qm "$work/${name%.ts}.qm" >"$work/lrelease.log" 2>&1
  if ! grep -q ' 0 unfinished)' "$work/lrelease.log" || grep -q 'Ignored' "$work/lrelease.log"; then
    echo "$name: lrelease reports unfinished or untranslated entries:"
    cat "$work/lrelease.log"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "All translations are complete and current."
exit "$status"
