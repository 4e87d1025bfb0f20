#!/usr/bin/env bash
# Renders the desktop window at every moment named by tests/screens/NNN_*.kvs into OUT/NNN_*.png,
# and artgen's contact sheet into OUT/contact-sheet.png, so the whole game can be looked at.
# A shot's first line "# after: MARK" plays tests/screens/path.kvs down to its line "#@ MARK"
# ("start" plays nothing), then the shot's own actions.
# Usage: scripts/screens.sh [BUILD_DIR [OUT_DIR]]   (defaults: build, BUILD_DIR/screens)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$build/screens}
mkdir -p "$out"
out=$(cd "$out" && pwd)
path=$root/tests/screens/path.kvs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build/data" "$work/data"

for shot in "$root"/tests/screens/[0-9]*.kvs; do
    name=$(basename "$shot" .kvs)
    mark=$(sed -n '1s/^# after: //p' "$shot")
    if [ -z "$mark" ]; then
        echo "$shot: the first line must be \"# after: MARK\"" >&2
        exit 2
    fi
    if [ "$mark" = start ]; then
        cp "$shot" "$work/scenario.kvs"
    elif grep -qx "#@ $mark" "$path"; then
        { sed "/^#@ $mark\$/q" "$path"; cat "$shot"; } > "$work/scenario.kvs"
    else
        echo "$shot: $path has no line \"#@ $mark\"" >&2
        exit 2
    fi
    rm -f "$work/data.dat"
    # Qt's notes about the offscreen platform are noise; show them only when a shot fails.
    if ! (cd "$work" && "$build/kvelnor-shot" scenario.kvs "$out/$name.png" 2>"$work/log"); then
        cat "$work/log" >&2
        echo "$shot: kvelnor-shot failed" >&2
        exit 1
    fi
done
"$build/artgen" --contact-sheet "$out/contact-sheet.png"
echo "$(ls "$out" | wc -l) pictures in $out"
