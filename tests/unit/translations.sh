#!/bin/sh
# The translation files against the program's texts: lupdate over a copy of them changes nothing
# (no text missing, none gone), and no entry is unfinished.
root=$(cd "$(dirname "$0")/../.." && pwd) && copy=$(mktemp -d) && trap 'rm -rf "$copy"' EXIT
cp "$root"/translations/*.ts "$copy" && TOVO_KEEP_OBSOLETE=1 "$root"/translations/update "$copy" &&
    diff -r -x update "$root"/translations "$copy" &&
    ! grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$copy"/*.ts
