#!/usr/bin/env bash
# Plays one scenario in a fresh working directory that sees the generated data.
set -euo pipefail
# An optional fourth argument names the language the game is shown in.
script=$1 scenario=$2 data=$3 language=${4:-cs}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
[ "$data" != none ] && [ -d "$data" ] && ln -s "$data" "$dir/data"
cd "$dir"
"$script" --check --language "$language" "$scenario"
