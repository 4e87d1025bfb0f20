#!/usr/bin/env bash
# The play command's first start: the game, started as scripts/play.sh starts it in a directory
# with data/ and no data.dat, makes a data.dat holding 0 (so no box about a missing file opens);
# a checkpoint already reached is kept; a start by hand without the option writes nothing.
set -uo pipefail
kvelnor=$1
play_script=$2
fail() { echo "FAILED: $*"; exit 1; }

grep -qx 'exec ./kvelnor --first-checkpoint' "$play_script" || fail "$play_script does not start the game this way"

work=$(mktemp -d /tmp/kvelnor-first-start-XXXXXX)
trap 'rm -rf "$work"' EXIT
# Starts the game offscreen in $1 for a moment; still running when the time is up means it started.
start_in() {
  local dir=$1; shift
  (cd "$dir" && QT_QPA_PLATFORM=offscreen timeout 5 "$kvelnor" "$@") >"$work/game.log" 2>&1
  local status=$?
  [ "$status" -eq 124 ] || { cat "$work/game.log"; fail "the game ended with $status instead of running"; }
}

mkdir -p "$work/build/data"
start_in "$work/build" --first-checkpoint
[ -f "$work/build/data.dat" ] || fail "no data.dat after the first start"
[ "$(cat "$work/build/data.dat")" = "0" ] || fail "data.dat holds '$(cat "$work/build/data.dat")' instead of 0"

printf 1 >"$work/build/data.dat"
start_in "$work/build" --first-checkpoint
[ "$(cat "$work/build/data.dat")" = "1" ] || fail "the checkpoint reached was overwritten"

mkdir -p "$work/by-hand/data"
start_in "$work/by-hand"
[ ! -e "$work/by-hand/data.dat" ] || fail "a start by hand wrote data.dat"
echo "first start made data.dat holding 0 and kept the checkpoint reached"
