#!/usr/bin/env bash
# Plays one scenario in a fresh working directory that sees the generated data.
set -euo pipefail
script=$1 scenario=$2 data=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
[ "$data" != none ] && [ -d "$data" ] && ln -s "$data" "$dir/data"
cd "$dir"
"$script" --check "$scenario"
