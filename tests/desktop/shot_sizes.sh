#!/usr/bin/env bash
# kvelnor-shot draws the window at the size and pixel ratio asked for, and refuses bad values.
# Usage: shot_sizes.sh KVELNOR_SHOT DATA_DIR
set -euo pipefail
shot=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$data" "$work/data"
cd "$work"
printf 'new\nwait 4000\n' > scenario.kvs

# A PNG's width and height: bytes 16 to 23, big-endian.
size_of() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }
expect_size() {
    local got
    got=$(size_of "$1")
    if [ "$got" != "$2" ]; then echo "FAIL: $1 is $got, wanted $2"; exit 1; fi
}

QT_QPA_PLATFORM=offscreen "$shot" --size 1280x720 scenario.kvs small.png 2>/dev/null
expect_size small.png 1280x720
QT_QPA_PLATFORM=offscreen "$shot" --size 2560x1440 --scale 2 scenario.kvs dense.png 2>/dev/null
expect_size dense.png 2560x1440
for bad in "--size 12x" "--size 0x100" "--scale 0.5" "--scale x" "--size"; do
    # shellcheck disable=SC2086
    if QT_QPA_PLATFORM=offscreen "$shot" $bad scenario.kvs bad.png 2>err.txt; then
        echo "FAIL: kvelnor-shot took $bad"
        exit 1
    fi
    grep -q "usage:" err.txt || { echo "FAIL: no usage after $bad"; exit 1; }
done
echo "kvelnor-shot sizes: 2 passed, 0 failed"
