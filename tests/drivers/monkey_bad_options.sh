#!/usr/bin/env bash
# kvelnor-monkey with bad options exits 2 with its usage (every bad option is a core test of the
# parser); its summary always counts the actions.
set -uo pipefail
monkey=$1
source "$(dirname "$0")/expect.sh"

expect 2 "usage: kvelnor-monkey" "$monkey" --seeds abc
expect 2 "passes the largest seed" "$monkey" --seed 18446744073709551615 --seeds 2
expect 0 "seeds 3..4: 20 actions, no failure" "$monkey" --seed 3 --seeds 2 --actions 10
expect 0 "usage: kvelnor-monkey" "$monkey" --help

[ "$failed" = 0 ] && echo "kvelnor-monkey: every bad option refused"
exit "$failed"
