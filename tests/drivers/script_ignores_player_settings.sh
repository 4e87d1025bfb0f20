#!/usr/bin/env bash
# kvelnor-script starts at the documented speed and sounds whatever the desktop game kept in the
# player's settings, so every scenario plays the same on every machine.
set -uo pipefail
script=$1
source "$(dirname "$0")/expect.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"

mkdir -p config/Kvelnor
printf '[game]\nspeed=low\nsound=false\n' >config/Kvelnor/Kvelnor.conf
cat >start.kvs <<'EOF'
dump
#> menu.mmStredni.checked true
#> menu.mmNizka.checked false
#> menu.mmZvuky.checked true
#> state.soundOn 1
#> timers.Timer.interval 1300
EOF
expect 0 "" env HOME="$dir" XDG_CONFIG_HOME="$dir/config" "$script" --check start.kvs

[ "$failed" = 0 ] && echo "kvelnor-script: the player's settings are not read"
exit "$failed"
