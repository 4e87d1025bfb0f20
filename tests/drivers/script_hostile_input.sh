#!/usr/bin/env bash
# kvelnor-script given hostile input: each attack exits 2 with a message naming the file and
# line, in bounded time; a stream of any length runs in constant memory.
set -uo pipefail
script=$1
source "$(dirname "$0")/expect.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"

mkdir a-directory
expect 2 "a-directory is a directory" "$script" a-directory
expect 2 "/dev/zero:1: NUL byte in the line" "$script" /dev/zero
printf 'dump\nclick imgCur99\n' >no-such-name.kvs
expect 2 "no-such-name.kvs:2: no component named 'imgCur99'" "$script" no-such-name.kvs
printf 'new\nsel\0ect #0\n' >nul.kvs
expect 2 "nul.kvs:2: NUL byte in the line" "$script" nul.kvs
printf 'wait 9223372036854775807\n' >long-wait.kvs
expect 2 "long-wait.kvs:1: wait takes a number of milliseconds up to 86400000" "$script" long-wait.kvs
{ echo dump; printf '#> state.storyTick '; head -c 60000 /dev/zero | tr '\0' '['; echo; } >deep.kvs
expect 2 "deep.kvs:2: expected value nests deeper than 64 brackets" "$script" --check deep.kvs
# Two million lines (the whole script once took 413 MB for them) under a 256 MB address-space limit.
expect 0 "" bash -c "ulimit -v 262144 && yes 'wait 1' | head -n 2000000 | '$script' -"
expect 0 '"time_ms":2000000' bash -c "ulimit -v 262144 && { yes 'wait 1' | head -n 2000000; echo dump; } | '$script'"

[ "$failed" = 0 ] && echo "kvelnor-script: every hostile input refused"
exit "$failed"
