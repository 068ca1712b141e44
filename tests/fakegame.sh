#!/bin/sh
# A stand-in for a game: writes one line per argument, then "cwd=" and its working folder, to
# fakegame.log beside it (whole, or not at all).
log="${0%/*}/fakegame.log"
{ printf '%s\n' "$@"; printf 'cwd='; pwd -P; } > "$log.part" && mv "$log.part" "$log"
