#!/bin/sh
# The translation files against the program's texts: lupdate run over a copy of them finds no
# text they lack and none they hold that the program no longer has, and no entry is unfinished.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$root"/translations/*.ts "$copy"/
TOVO_KEEP_OBSOLETE=1 "$root"/translations/update "$copy" || exit 1
status=0
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    if ! cmp -s "$ts" "$copy/$name"; then
        echo "$name is not what lupdate makes of the program's texts (run translations/update):"
        diff "$ts" "$copy/$name" | head -40
        status=1
    fi
    bad=$(grep -c 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy/$name")
    if [ "$bad" -ne 0 ]; then
        echo "$name: $bad entries unfinished or no longer in the program:"
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy/$name" | grep '<source>' | head -20
        status=1
    fi
done
exit $status
